#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

class XVariable;
struct ColumnRef;

// How one chart field is shown: its title, whether it is categorical, how
// its numbers are written, and its categories in the order of the data.
struct FieldLook {
  std::string key;       // the column name, the key of the inline rows
  std::string fieldRef;  // the key as a Vega-Lite field reference (dots and brackets escaped)
  std::string title;     // the variable's label, else the column name
  bool categorical = false;
  bool temporal = false;     // a date or date-time format: seconds since 1970, drawn as time
  std::string numberFormat;  // a d3 format ("," grouping, ".2f"), empty for the default
  std::string prefix;
  std::string suffix;
  nlohmann::json categories = nlohmann::json::array();  // shown values, first appearance first
  std::map<std::string, nlohmann::json> shownByValue;    // a category as GPL writes it ("2") -> its shown value
  std::optional<double> min;                             // the extent of the numbers drawn
  std::optional<double> max;

  // Writes the field's numbers on its axis or legend in its format, with
  // its prefix and suffix.
  void AddNumberFormat(nlohmann::json& encoding, const char* guide) const;
};

// The look of the column, from its chart variable when there is one.
FieldLook LookOf(const ColumnRef& column, const XVariable* variable);

// Vega-Lite reads "a.b" as a nested field: dots, brackets and backslashes
// of a column name are escaped.
std::string EscapeFieldName(const std::string& name);
