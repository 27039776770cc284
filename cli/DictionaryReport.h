#pragma once
#include <nlohmann/json.hpp>

#include <ostream>

struct CaseData;

// What `ggraph describe` shows of a loaded data set: every variable with its
// type, format, level, label, value labels and missing values; the weight,
// the split variables, the multiple-response sets and the number of cases.
void WriteDictionaryText(const CaseData& data, std::ostream& out);
nlohmann::json DictionaryJson(const CaseData& data);
