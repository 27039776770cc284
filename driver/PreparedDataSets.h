#pragma once
#include <string>
#include <vector>

class GGraphDataSet;
class GGraphSettings;
class ProcedureDataSource;

// The graph data sets of one command after their cases were read: first the
// aggregated ones, then the unaggregated ones, each in command order. None of
// the objects is owned; the settings own the data sets.
class PreparedDataSets {
 public:
  PreparedDataSets(ProcedureDataSource* dataSource, GGraphSettings* settings);

  void Append(GGraphDataSet* dataSet);
  // The first data set whose source name equals the name exactly (case
  // sensitive), or null.
  GGraphDataSet* FindBySourceName(const std::string& name) const;

  const std::vector<GGraphDataSet*>& DataSets() const { return dataSets_; }
  ProcedureDataSource* DataSource() const { return dataSource_; }
  GGraphSettings* Settings() const { return settings_; }

 private:
  ProcedureDataSource* dataSource_;
  GGraphSettings* settings_;
  std::vector<GGraphDataSet*> dataSets_;
};
