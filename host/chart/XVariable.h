#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ChartString.h"
#include "VEXA_Format.h"

class VEXA_Variable;

// One chart variable: a column of a chart data source as the chart uses it,
// with the metadata that tells the chart how to show it. Owned by its XGraph.
class XVariable {
 public:
  // What the chart computes from the column (setStatistic).
  struct Statistic {
    int kind = 0;
    double a = 0;
    double b = 0;
    double c = 0;
    bool flag = false;
  };

  // How numbers of the column are shown.
  struct Format {
    enum class Kind { kPacked, kNumber };
    Kind kind = Kind::kPacked;
    VEXA_Format packed = 0;  // kPacked: (type << 16) | (width << 8) | decimals
    std::string variable;    // kPacked: the engine variable it came from, or empty
    int decimals = 0;        // kNumber
    bool grouping = false;   // kNumber
    std::string prefix;      // kNumber, UTF-8
    std::string suffix;      // kNumber, UTF-8
  };

  // A text shown in place of a value of the column.
  struct Relabel {
    enum class By { kText, kNumber, kIndex };
    By by = By::kText;
    std::string text;  // kText: the value as text (UTF-8)
    double number = 0;  // kNumber
    int index = 0;      // kIndex: the position of the value in the column's categories
    std::string label;  // UTF-8
  };

  // Creator codes used by the module: 0 the user's data, 1 a system variable
  // (case number, weight), 2 an error-bar end. -1 until setCreator is called.
  XVariable(std::string column, std::string source, bool categorical, bool weight);
  ~XVariable();
  XVariable(const XVariable&) = delete;
  XVariable& operator=(const XVariable&) = delete;

  // The column the variable reads (UTF-8) and the id of its source.
  const std::string& getName() const;
  const std::string& getSource() const;

  void setLabel(const ChartString& label);
  ChartString getLabel() const;
  void setShortLabel(const ChartString& label);
  ChartString getShortLabel() const;
  void setCreator(int creator);
  int getCreator() const;

  void setStatistic(int kind, double a, double b, double c, bool flag);
  const std::optional<Statistic>& getStatistic() const;

  // A packed engine format (see VEXA_Format.h).
  void setFormat(VEXA_Format format);
  // The print format of an engine variable (nothing for null).
  void setFormatBasedOnVEXAVariable(const VEXA_Variable* variable);
  void SetNumberFormat(int decimals, bool grouping, const ChartString& prefix, const ChartString& suffix);
  bool doesFormatExist() const;
  const std::optional<Format>& getFormat() const;

  // Relabels are kept in the order they were added; UpdateCategoricalDomains
  // of the graph folds repeated values of a categorical variable.
  void addRelabel(const ChartString& value, const ChartString& label);
  void addRelabel(double value, const ChartString& label);
  void addRelabel(int index, const ChartString& label);
  const std::vector<Relabel>& getRelabels() const;
  std::vector<Relabel>& relabels();

  void setCategorical(bool categorical);
  bool getCategorical() const;
  // True for the column "$WEIGHT" and for the graph's weight variable.
  bool isWeightVariable() const;

  // Attaches the engine variable the column was read from (null detaches).
  void setVEXAVariable(const VEXA_Variable* variable);
  bool hasVEXAVariable() const;
  const VEXA_Variable* getVEXAVariable() const;
  // The attached engine variable's name, or empty.
  const std::string& getVEXAVariableName() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
