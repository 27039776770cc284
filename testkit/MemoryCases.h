#pragma once
// An in-memory data source for tests and benchmarks: numeric and string
// columns stored column by column, user-missing values, a weight variable,
// split variables (the iterator stops once at the end of every split group
// but the last) and, unless switched off, bulk column access.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ProcedureDataSource.h"
#include "VEXA_DataSource.h"
#include "VEXA_InputCaseIterator.h"
#include "VEXA_Variable.h"
#include "engine/data/CaseColumnAccess.h"

class MemoryVariable : public VEXA_Variable {
 public:
  MemoryVariable(std::string name, int width) : name_(std::move(name)), width_(width) {}

  const char* GetName() const override { return name_.c_str(); }
  const char* GetLabel() const override { return nullptr; }
  int GetType() const override { return width_; }
  VEXA_Format GetFormat() const override { return PackFormat(width_ ? 1 : 5, width_ ? width_ : 8, 2); }
  VEXA_Format GetFormatEx() const override { return GetFormat(); }
  int GetMeasurementLevel() const override { return width_ ? kLevelNominal : kLevelScale; }
  VEXA_ValueLabelMap* GetValueLabels() const override { return nullptr; }
  int GetDisplayWidth() const override { return width_ ? width_ : 8; }
  int IsMissing(const OBS* cell) const override {
    if (width_ == 0) {
      if (cell->number == kSysMiss) return 1;
      return std::find(missingNumbers_.begin(), missingNumbers_.end(), cell->number) != missingNumbers_.end();
    }
    for (const std::string& text : missingTexts_)
      if (std::memcmp(cell, text.data(), text.size()) == 0) return 1;
    return 0;
  }

  int Cells() const { return ObsCellsForWidth(width_ ? width_ : 8); }
  bool HasUserMissing() const { return !missingNumbers_.empty() || !missingTexts_.empty(); }
  std::string Padded(const std::string& text) const {
    std::string padded = text;
    padded.resize(static_cast<std::size_t>(Cells()) * sizeof(OBS), ' ');
    return padded;
  }
  void AddMissing(double value) { missingNumbers_.push_back(value); }
  void AddMissing(const std::string& text) { missingTexts_.push_back(Padded(text)); }

 private:
  std::string name_;
  int width_;
  std::vector<double> missingNumbers_;
  std::vector<std::string> missingTexts_;
};

class MemoryDataSource;

class MemoryCaseIterator : public ProcDSIterator, public CaseColumnAccess {
 public:
  explicit MemoryCaseIterator(const MemoryDataSource& source);

  int NextCase() override;
  const OBS* GetObsPointer(int column) const override;
  long GetCaseNumber() const override { return static_cast<long>(row_ + 1); }
  bool SplitGroupEnd() const override { return atSplitEnd_; }

  const VEXA_DataSource* CaseDictionary() const override;
  bool HasUserMissingValues(int column) const override;
  const std::int64_t* CurrentRowAddress() const override;
  std::int64_t ReadColumn(int column, std::int64_t first, std::int64_t count, const OBS** cells,
                          int* stride) const override;

 private:
  bool SplitChangesAt(std::int64_t row) const;

  const MemoryDataSource& source_;
  std::int64_t row_ = -1;   // the current case; -1 at a split stop or before the first
  std::int64_t next_ = 0;   // the case NextCase shows next
  bool atSplitEnd_ = false;
};

class MemoryDataSource : public VEXA_DataSource {
 public:
  int AddNumeric(const std::string& name, const std::vector<double>& values) {
    const int column = AddColumn(name, 0);
    for (double v : values) cells_[column].push_back(OBS{v});
    Grow(values.size());
    return column;
  }
  int AddString(const std::string& name, int width, const std::vector<std::string>& values) {
    const int column = AddColumn(name, width);
    for (const std::string& v : values) {
      const std::string padded = variables_[column]->Padded(v);
      const std::size_t at = cells_[column].size();
      cells_[column].resize(at + variables_[column]->Cells());
      std::memcpy(&cells_[column][at], padded.data(), padded.size());
    }
    Grow(values.size());
    return column;
  }
  MemoryVariable& Variable(int column) { return *variables_[column]; }
  void SetWeight(int column) { weight_ = column; }
  void SetSplits(std::vector<int> columns) { splits_ = std::move(columns); }
  // Off: the iterator offers no bulk reading (cases are copied one by one).
  void SetBulkAccess(bool on) { bulk_ = on; }
  bool BulkAccess() const { return bulk_; }
  std::int64_t Rows() const { return rows_; }
  const OBS* Cell(int column, std::int64_t row) const {
    return &cells_[column][static_cast<std::size_t>(row) * variables_[column]->Cells()];
  }

  int ColumnCount() const override { return static_cast<int>(variables_.size()); }
  VEXA_Variable* GetVariable(int column) const override {
    return column >= 0 && column < ColumnCount() ? variables_[column].get() : nullptr;
  }
  int FindVarIndex(const char* name, int) const override {
    for (int c = 0; c < ColumnCount(); ++c)
      if (variables_[c]->GetName() == std::string(name)) return c;
    return -1;
  }
  int GetWeightVarIndex() const override { return weight_; }
  VEXA_InputCaseIterator* CreateCaseIterator(int) override { return new MemoryCaseIterator(*this); }
  int GetSplitVarCount() const override { return static_cast<int>(splits_.size()); }
  int GetSplitVarIndex(int i) const override { return splits_[i]; }

 private:
  int AddColumn(const std::string& name, int width) {
    variables_.push_back(std::make_unique<MemoryVariable>(name, width));
    cells_.emplace_back();
    return ColumnCount() - 1;
  }
  void Grow(std::size_t rows) { rows_ = std::max<std::int64_t>(rows_, static_cast<std::int64_t>(rows)); }

  std::vector<std::unique_ptr<MemoryVariable>> variables_;
  std::vector<std::vector<OBS>> cells_;
  std::int64_t rows_ = 0;
  int weight_ = -1;
  std::vector<int> splits_;
  bool bulk_ = true;
};

inline MemoryCaseIterator::MemoryCaseIterator(const MemoryDataSource& source) : source_(source) {}

inline bool MemoryCaseIterator::SplitChangesAt(std::int64_t row) const {
  for (int i = 0; i < source_.GetSplitVarCount(); ++i) {
    const int column = source_.GetSplitVarIndex(i);
    const int bytes = static_cast<int>(sizeof(OBS)) * static_cast<const MemoryVariable*>(source_.GetVariable(column))->Cells();
    if (std::memcmp(source_.Cell(column, row - 1), source_.Cell(column, row), bytes) != 0) return true;
  }
  return false;
}

inline int MemoryCaseIterator::NextCase() {
  if (next_ >= source_.Rows()) {
    row_ = source_.Rows();
    atSplitEnd_ = false;
    return 0;
  }
  if (!atSplitEnd_ && row_ >= 0 && SplitChangesAt(next_)) {
    atSplitEnd_ = true;
    row_ = -1;
    return 1;
  }
  atSplitEnd_ = false;
  row_ = next_++;
  return 1;
}

inline const OBS* MemoryCaseIterator::GetObsPointer(int column) const {
  if (row_ < 0 || row_ >= source_.Rows() || column < 0 || column >= source_.ColumnCount()) return nullptr;
  return source_.Cell(column, row_);
}

inline const VEXA_DataSource* MemoryCaseIterator::CaseDictionary() const { return &source_; }

inline bool MemoryCaseIterator::HasUserMissingValues(int column) const {
  const auto* variable = static_cast<const MemoryVariable*>(source_.GetVariable(column));
  return variable && variable->HasUserMissing();
}

inline const std::int64_t* MemoryCaseIterator::CurrentRowAddress() const {
  return source_.BulkAccess() ? &row_ : nullptr;
}

inline std::int64_t MemoryCaseIterator::ReadColumn(int column, std::int64_t first, std::int64_t count,
                                                   const OBS** cells, int* stride) const {
  if (column < 0 || column >= source_.ColumnCount() || first < 0 || first >= source_.Rows()) return 0;
  *cells = source_.Cell(column, first);
  *stride = static_cast<const MemoryVariable*>(source_.GetVariable(column))->Cells();
  return std::min(count, source_.Rows() - first);
}
