#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "chartlib/data/DataSourceTable.h"

// The sources of one VarDataProcessor, in creation order. The stamp tells a
// column handle whether the indices it holds still belong to this store's
// layout: it is unique to the store and renewed when a source is replaced.
class DataTableStore {
 public:
  DataTableStore();
  DataTableStore(const DataTableStore&) = delete;
  DataTableStore& operator=(const DataTableStore&) = delete;

  std::uint64_t Stamp() const { return stamp_; }
  std::size_t SourceCount() const { return sources_.size(); }
  DataSourceTable& SourceAt(std::size_t index) { return *sources_[index]; }
  const DataSourceTable& SourceAt(std::size_t index) const { return *sources_[index]; }
  DataSourceTable* FindSource(const std::string& name);
  const DataSourceTable* FindSource(const std::string& name) const;
  // The source's index, created (with room for expectedRows) when missing;
  // created tells which.
  std::size_t SourceIndex(const std::string& name, std::size_t expectedRows, bool* created = nullptr);
  // Puts a copy of source in place of the source of that name, or at the end.
  void CopyIn(const DataSourceTable& source);

 private:
  std::uint64_t stamp_;
  std::vector<std::unique_ptr<DataSourceTable>> sources_;
  std::unordered_map<std::string, std::size_t> sourceIndex_;
};
