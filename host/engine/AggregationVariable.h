#pragma once
#include <memory>

class TableDimension;

// A break variable of an aggregation cube: one column whose distinct values
// become the categories of its dimension.
class AggregationVariable {
 public:
  AggregationVariable(int columnIndex, const char* name);
  virtual ~AggregationVariable();
  AggregationVariable(const AggregationVariable&) = delete;
  AggregationVariable& operator=(const AggregationVariable&) = delete;

  const char* GetName() const;

  // True (the default): system- and user-missing values are no categories
  // and a case holding one does not enter the cube. False: they are
  // categories of their own.
  virtual void SetExcludeMissing(bool exclude);
  virtual bool GetExcludeMissing() const;

  virtual TableDimension* GetTableDimension();

  // The engine's record of the variable.
  struct Rep;
  Rep* GetRep() const { return rep_.get(); }

 protected:
  explicit AggregationVariable(std::unique_ptr<Rep> rep);

 private:
  std::unique_ptr<Rep> rep_;
};
