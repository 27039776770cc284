#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class GGraphDataSet;
class GraphSpec;

// 0 not given, 1 YES, 2 NO; handed unchanged to the chart document.
using TriState = std::int32_t;

// One user colour of COLORCYCLE: the colour's number and its components.
struct ColorEntry {
  std::int32_t number;
  std::int32_t red;
  std::int32_t green;
  std::int32_t blue;
};

// The whole parsed command: graph data sets, graph specs, CSV files
// and chart options.
class GGraphSettings {
 public:
  using DataSetList = std::vector<std::unique_ptr<GGraphDataSet>>;

  GGraphSettings();
  ~GGraphSettings();
  GGraphSettings(const GGraphSettings&) = delete;
  GGraphSettings& operator=(const GGraphSettings&) = delete;

  // Takes ownership. Names an unnamed data set "source" and the number of data
  // sets held, replaces every data set of the same name, and files it by
  // whether it aggregates; an unaggregated one first receives $CASENUM, and
  // $WEIGHT when its data are weighted.
  void AddDataSet(GGraphDataSet* dataSet);
  const DataSetList& GetAggregatedDataSets() const;
  const DataSetList& GetUnaggregatedDataSets() const;
  int GetDataSetCount() const;

  // Takes ownership.
  void AddGraphSpec(GraphSpec* spec);
  const std::vector<GraphSpec*>& GetGraphSpecs() const;

  void AddCsvFile(const std::string& file);
  const std::vector<std::string>& GetCsvFiles() const;

  void AddColorEntry(const ColorEntry& entry);
  const std::vector<ColorEntry>& GetColorCycle() const;

  void SetOuterFrame(TriState value);
  void SetInnerFrame(TriState value);
  void SetXAxisGridlines(TriState value);
  void SetYAxisGridlines(TriState value);
  TriState GetOuterFrame() const;
  TriState GetInnerFrame() const;
  TriState GetXAxisGridlines() const;
  TriState GetYAxisGridlines() const;

  void SetFitLineTotal();
  void SetFitLineSubgroup();
  void SetGradientStyle();
  bool GetFitLineTotal() const;
  bool GetFitLineSubgroup() const;
  bool GetGradientStyle() const;

  void SetRfmMode(int mode);
  int GetRfmMode() const;
  // 0 none, 1 BINCOUNT, 2 HEATMAP, 3 HISTOGRAM, 4 SCATTER.
  void SetDescriptionType(int type);
  int GetDescriptionType() const;

 private:
  struct Rep;
  Rep* rep_;
};
