#pragma once
#include <string>
#include <vector>

class VEXA_Variable;
struct DataFilter;
union OBS;

// The match and pass rule of one value text under one filter. The value
// matches a listed text it equals, or, for a numeric variable, one that reads
// as the same number; the first listed text it matches counts one more case.
// It passes when the filter takes all values, when it matched, or when
// unlabelled values pass and it has no label. `listed` are the texts
// compared: the filter's own values, or a replacement.
bool FilterPasses(DataFilter& filter, const std::vector<std::string>& listed, const std::string& text, bool numeric,
                  bool labelled);

// The rule applied to a cell of the variable: its value text, numeric or not,
// labelled or not.
bool CellPassesFilter(DataFilter& filter, const std::vector<std::string>& listed, const VEXA_Variable& variable,
                      const OBS* cell);
