#pragma once
#include <memory>
#include <string>
#include <vector>

#include "VarDataColumn.h"

class DataTableStore;

// One cell as read back from a chart data table.
struct VarDataValue {
  enum class Kind { kEmpty, kNumber, kText };
  Kind kind = Kind::kEmpty;
  double number = 0;
  std::string text;  // UTF-8
};

// One chart data table: named sources, each with named columns and numbered
// rows. A cell holds a number, a text or nothing; a column may hold numbers
// and texts side by side. Rows are written by number without being announced;
// a source has as many rows as its highest written row number plus one.
// Names are UTF-8 and compared byte for byte.
class VarDataProcessor {
 public:
  VarDataProcessor();
  ~VarDataProcessor();
  VarDataProcessor(const VarDataProcessor&) = delete;
  VarDataProcessor& operator=(const VarDataProcessor&) = delete;

  // Creates a source with room for expectedRows rows. False when the source
  // exists already (it is kept as it is).
  bool AddDataSource(const std::string& source, int expectedRows);
  // Creates a column of a source (the source is created when missing) and
  // fills the handle. An existing column of that name is reused.
  bool AddVariable(const std::string& source, const std::string& column, VarDataColumn* handle);

  // Writes one cell. By handle, or by source and column name (a source or
  // column that does not exist yet is created). False for a negative row or
  // a handle this table did not fill.
  bool SetVariableValue(const VarDataColumn& column, int row, double value);
  bool SetVariableValue(const std::string& source, const std::string& column, int row, double value);
  bool SetStringVariableValue(const VarDataColumn& column, int row, const std::string& utf8);
  bool SetStringVariableValue(const std::string& source, const std::string& column, int row,
                              const std::string& utf8);

  // Empties every cell of the row, so its number can be written again. False
  // when the source does not exist.
  bool DeleteRow(const std::string& source, int row);

  // Copies every source of other into this table; a source of the same name
  // is replaced by the copy, so merging the same table twice changes nothing.
  void AddVDP(const VarDataProcessor* other);

  // Source names in creation order.
  std::vector<std::string> GetSourceNames() const;
  // Rows of a source (0 when there is no such source).
  int GetRowCount(const std::string& source) const;
  // Column names of a source, in creation order.
  std::vector<std::string> GetColumnNames(const std::string& source) const;
  VarDataValue GetValue(const std::string& source, const std::string& column, int row) const;

  // The cells, for the library's writers.
  const DataTableStore& Store() const { return *store_; }

 private:
  template <typename Write>
  bool WriteCell(const VarDataColumn& column, int row, Write write);
  template <typename Write>
  bool WriteCell(const std::string& source, const std::string& column, int row, Write write);

  std::unique_ptr<DataTableStore> store_;
};
