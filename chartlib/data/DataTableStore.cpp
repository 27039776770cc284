#include "chartlib/data/DataTableStore.h"

#include <atomic>

namespace {

std::uint64_t NextStamp() {
  static std::atomic<std::uint64_t> counter{0};
  return ++counter;
}

}  // namespace

DataTableStore::DataTableStore() : stamp_(NextStamp()) {}

DataSourceTable* DataTableStore::FindSource(const std::string& name) {
  auto found = sourceIndex_.find(name);
  return found == sourceIndex_.end() ? nullptr : sources_[found->second].get();
}

const DataSourceTable* DataTableStore::FindSource(const std::string& name) const {
  auto found = sourceIndex_.find(name);
  return found == sourceIndex_.end() ? nullptr : sources_[found->second].get();
}

std::size_t DataTableStore::SourceIndex(const std::string& name, std::size_t expectedRows, bool* created) {
  auto found = sourceIndex_.find(name);
  if (created) *created = found == sourceIndex_.end();
  if (found != sourceIndex_.end()) return found->second;
  sources_.push_back(std::make_unique<DataSourceTable>(name, expectedRows));
  sourceIndex_.emplace(name, sources_.size() - 1);
  return sources_.size() - 1;
}

void DataTableStore::CopyIn(const DataSourceTable& source) {
  auto copy = std::make_unique<DataSourceTable>(source);
  auto found = sourceIndex_.find(source.Name());
  if (found == sourceIndex_.end()) {
    sources_.push_back(std::move(copy));
    sourceIndex_.emplace(source.Name(), sources_.size() - 1);
    return;
  }
  sources_[found->second] = std::move(copy);
  stamp_ = NextStamp();
}
