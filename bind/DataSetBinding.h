#pragma once
#include <memory>
#include <string>

class FacSTDictionary;
class GGraphDataSet;
class ProcedureDataSource;

// The binding of a command's names to the engine's data: it makes each graph
// data set with the procedure's data source, resolves the data set's variable
// names against its dictionary, and checks a filter variable against the
// working data. The keyword readers never see the data source. The parser
// calls it where a GRAPHDATASET subcommand needs it, so that its messages
// keep their place among the parser's.
class DataSetBinding {
 public:
  DataSetBinding(ProcedureDataSource* dataSource, FacSTDictionary* strings)
      : dataSource_(dataSource), strings_(strings) {}

  std::unique_ptr<GGraphDataSet> NewDataSet() const;
  // Resolves the data set's names once its subcommand is read; false after
  // the reported failure.
  bool Bind(GGraphDataSet& dataSet) const;
  // True, after the message, when the working data hold name as a scale
  // variable: only categorical variables filter.
  bool RefusesFilterVariable(const std::string& name) const;

 private:
  ProcedureDataSource* dataSource_;
  FacSTDictionary* strings_;
};
