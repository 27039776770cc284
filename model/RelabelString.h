#pragma once
#include <string>

class VariableResolver;
union OBS;

// Records, while case data are written into a chart's data table, which code
// stands for which data value of a variable (with the value's text and
// label), so that the chart can show the values in place of the codes.
class RelabelString {
 public:
  RelabelString();
  ~RelabelString();
  RelabelString(const RelabelString&) = delete;
  RelabelString& operator=(const RelabelString&) = delete;

  // The cell of the data-source column `column`; the resolver, when given,
  // supplies the value's label and tells whether the cell holds text.
  void AddRelabel(double code, const OBS* cell, int column, const VariableResolver* resolver);
  // The occurrence-th entry (from 0) recorded for a column; false, leaving
  // the outputs untouched, when there are not that many.
  bool FindRelabel(int column, int occurrence, double& code, std::string& valueText, std::string& label) const;

 private:
  struct Rep;
  Rep* rep_;
};
