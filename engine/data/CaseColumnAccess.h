#pragma once
#include <cstdint>
#include <memory>

#include "OBS.h"

class VEXA_DataSource;

// What an engine case iterator offers, beside VEXA_InputCaseIterator, to the
// engine libraries that read cases in bulk (the aggregation library finds it
// with dynamic_cast). Without it they see every column as numeric, only the
// system-missing value as missing, and no weights.
class CaseColumnAccess {
 public:
  virtual ~CaseColumnAccess() = default;

  // The dictionary of the cases: types, missing values, weight variable.
  virtual const VEXA_DataSource* CaseDictionary() const = 0;
  // False when the column's variable has no user-missing values, so that
  // only the system-missing value needs testing.
  virtual bool HasUserMissingValues(int column) const = 0;

  // Bulk reading. The address of the current case's row number in the
  // store, kept up to date by NextCase; null when the cases must be copied
  // case by case.
  virtual const std::int64_t* CurrentRowAddress() const = 0;
  // Up to `count` rows of `column` from row `first` (a row the iterator has
  // shown): sets *cells and *stride so that row first + i starts at
  // (*cells)[i * stride], and returns how many rows are stored contiguously
  // there (at least 1). The cells of rows already shown stay valid and
  // unchanged (cases read in chunks: while their run's token is held), and
  // may be read from another thread while the iterator moves on.
  virtual std::int64_t ReadColumn(int column, std::int64_t first, std::int64_t count,
                                  const OBS** cells, int* stride) const = 0;
  // Cases read from the file in chunks as the iterator moves: a run of rows
  // read in bulk begins at the current case, takes HoldRows(row) there,
  // whose token keeps the run's cells while it lives, and ends before
  // RunEnd(row). Cases held in memory need no token and set no end.
  virtual std::shared_ptr<const void> HoldRows(std::int64_t) const { return nullptr; }
  virtual std::int64_t RunEnd(std::int64_t) const { return INT64_MAX; }
};
