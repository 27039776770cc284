#include "bind/DataSetBinding.h"

#include "data/GGraphDataSet.h"
#include "host/engine/ProcedureDataSource.h"
#include "host/engine/VEXA_Variable.h"
#include "report/SyntaxMessages.h"

std::unique_ptr<GGraphDataSet> DataSetBinding::NewDataSet() const {
  return std::make_unique<GGraphDataSet>(dataSource_, strings_);
}

bool DataSetBinding::Bind(GGraphDataSet& dataSet) const { return dataSet.ResolveVariables(); }

bool DataSetBinding::RefusesFilterVariable(const std::string& name) const {
  int columns = dataSource_ ? dataSource_->ColumnCount() : 0;
  for (int column = 0; column < columns; ++column) {
    const VEXA_Variable* variable = dataSource_->GetVariable(column);
    if (!variable || name != variable->GetName()) continue;
    if (variable->GetMeasurementLevel() != kLevelScale) return false;
    ReportTemplate(
        "Variable ^1 specified for keyword DATAFILTER of subcommand GRAPHDATASET must be categorical (nominal or "
        "ordinal).",
        {name}, kLevelError);
    return true;
  }
  return false;
}
