#pragma once
#include "engine/data/CaseColumnAccess.h"
#include "engine/data/CaseCursor.h"

// Bulk access to the columns of a loaded data set, for the iterators over it:
// the cases are held in memory, so the aggregation library reads whole column
// runs instead of copying cells case by case.
class CursorColumnAccess : public CaseColumnAccess {
 public:
  CursorColumnAccess(const VEXA_DataSource* dictionary, const CaseData& data, const CaseCursor& cursor)
      : dictionary_(dictionary), data_(data), cursor_(cursor) {}

  const VEXA_DataSource* CaseDictionary() const override { return dictionary_; }
  bool HasUserMissingValues(int column) const override;
  const std::int64_t* CurrentRowAddress() const override { return cursor_.RowAddress(); }
  std::int64_t ReadColumn(int column, std::int64_t first, std::int64_t count, const OBS** cells,
                          int* stride) const override;
  std::shared_ptr<const void> HoldRows(std::int64_t row) const override;
  std::int64_t RunEnd(std::int64_t row) const override;

 private:
  const VEXA_DataSource* dictionary_;
  const CaseData& data_;
  const CaseCursor& cursor_;
};
