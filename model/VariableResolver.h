#pragma once
#include <cstdint>
#include <string>
#include <vector>

class VEXA_DataSource;
class VEXA_Variable;
union OBS;

// What a resolved name stands for.
enum VARIABLETYPE : std::int32_t {
  NOT_RESOLVED = 0,
  SINGLE_VARIABLE = 1,
  CATEGORY_SET = 2,   // multiple-response set of categories
  DICHOTOMY_SET = 3,  // multiple-response set of dichotomies
};

// One category of a multiple-response set. Category sets carry the labelled
// value; dichotomy sets carry the member's name (the value is then 0).
struct CategoryEntry {
  double value = 0;
  std::string name;   // UTF-8
  std::string label;  // UTF-8
};

// Binds one name of a variable list to an ordinary variable or a
// multiple-response set of a data source, and answers questions about it.
// The data source is never owned.
class VariableResolver {
 public:
  VariableResolver();
  ~VariableResolver();
  VariableResolver(const VariableResolver&) = delete;
  VariableResolver& operator=(const VariableResolver&) = delete;

  // A variable name, or a set name with its leading "$" (in any case).
  bool resolveVariable(const VEXA_DataSource* dataSource, const std::string& name);
  // A column index of that data source.
  bool resolveVariable(const VEXA_DataSource* dataSource, int index);

  // The column of an ordinary variable; for a set, the data source's column
  // count plus the set's position among its sets.
  int getVariableIndex() const;
  std::vector<int> getVariableIndexList() const;
  VARIABLETYPE getVariableType() const;
  VEXA_Variable* getVariable() const;
  std::string getSetLabel() const;
  bool usesCategoryLabels() const;
  // The counted value of a dichotomy set: w cells of blank-padded text
  // (width w) or one cell holding a number (width 8). Null otherwise.
  const OBS* getCountedValue(int& width) const;

  bool isString() const;
  unsigned int getStringLength() const;
  // The UTF-8 value label of a value given as a cell or, without a cell, as
  // text; empty when there is none. For a dichotomy set the cell holds the
  // name of one of its members.
  std::string getValueLabel(const std::string& text, const OBS* cell) const;
  std::vector<CategoryEntry> getCategories() const;

 private:
  struct Rep;
  Rep* rep_;
};
