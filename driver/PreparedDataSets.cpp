#include "driver/PreparedDataSets.h"

#include "data/GGraphDataSet.h"

PreparedDataSets::PreparedDataSets(ProcedureDataSource* dataSource, GGraphSettings* settings)
    : dataSource_(dataSource), settings_(settings) {}

void PreparedDataSets::Append(GGraphDataSet* dataSet) { dataSets_.push_back(dataSet); }

GGraphDataSet* PreparedDataSets::FindBySourceName(const std::string& name) const {
  for (GGraphDataSet* dataSet : dataSets_) {
    if (dataSet->GetSourceName() == name) return dataSet;
  }
  return nullptr;
}
