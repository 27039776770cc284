#pragma once
#include <cstdint>

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

  // Bulk reading, for cases held in memory. The address of the current
  // case's row number in the store, kept up to date by NextCase; null when
  // the cases are streamed and must be copied case by case.
  virtual const std::int64_t* CurrentRowAddress() const = 0;
  // Up to `count` rows of `column` from row `first` (a row the iterator has
  // shown): sets *cells and *stride so that row first + i starts at
  // (*cells)[i * stride], and returns how many rows are stored contiguously
  // there (at least 1). The cells of rows already shown stay valid and
  // unchanged until the iterator is deleted, and may be read from another
  // thread while the iterator moves on.
  virtual std::int64_t ReadColumn(int column, std::int64_t first, std::int64_t count,
                                  const OBS** cells, int* stride) const = 0;
};
