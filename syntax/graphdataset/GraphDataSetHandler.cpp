// GRAPHDATASET: one graph data set, handed to the settings once the whole
// subcommand has been accepted and its names resolve.

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "bind/DataSetBinding.h"
#include "command/GGraphSettings.h"
#include "host/engine/OperatorCodes.h"
#include "host/engine/ParserMessage.h"
#include "host/engine/SubComObj.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/graphdataset/GraphDataSetReader.h"

namespace {

bool ReadHandle(GraphDataSetReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  reader.dataSet->SetDataSetHandle(value->getString());
  return true;
}

// The engine's name check: 100 marks a scratch name, which is accepted.
bool IsRejectedName(const char* name) {
  int check = ValidateVEXAName(name);
  return check >= 3 && check != 100;
}

bool ReadName(GraphDataSetReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  if (IsRejectedName(value->getString())) {
    ReportTemplate("The ^1 subcommand contains an invalid value (^2) for the NAME keyword.",
                   {reader.tokens.Name(), value->getString()}, kLevelError);
    return false;
  }
  reader.dataSet->SetSourceName(value->getString());
  return true;
}

struct ListedValue {
  const char* keyword;
  int code;
};

constexpr std::array kMissingModeValues = {ListedValue{"LISTWISE", 0}, ListedValue{"VARIABLEWISE", 1},
                                           ListedValue{"SETWISE", 2}};
constexpr std::array kReportMissingValues = {ListedValue{"NO", 0}, ListedValue{"YES", 1}};

// A value of a fixed list. One outside the list is reported and has no
// effect, and the subcommand goes on; only the end of the tokens fails.
template <void (GGraphDataSet::*set)(int), const auto& table>
bool ReadListedValue(GraphDataSetReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  int index = SubcommandTokens::KeywordIndex(value, table);
  if (index < 0)
    ReportUnknownToken(reader.tokens.Name(), value->getString());
  else
    (reader.dataSet.get()->*set)(table[static_cast<std::size_t>(index)].code);
  return true;
}

bool ReadReportMissing(GraphDataSetReader& reader) {
  // Where every data set reports missing values, the value is not looked at.
  if (reader.parser.Grammar().alwaysReportMissing) return reader.tokens.TakeValue() != nullptr;
  return ReadListedValue<&GGraphDataSet::SetReportMissing, kReportMissingValues>(reader);
}

bool ReadCaseLimit(GraphDataSetReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  if (!value->IsInteger() || value->getInteger() < 0) {
    ReportText("The value of the CASELIMIT keyword must be a non-negative integer value.", kLevelError);
    return false;
  }
  // Beyond 32 bits there is no limit to impose.
  constexpr long kMaxLimit = std::numeric_limits<std::uint32_t>::max();
  reader.dataSet->SetCaseLimit(static_cast<std::uint32_t>(std::min(value->getInteger(), kMaxLimit)));
  return true;
}

// One file name, or a list of them between brackets. Each name reaches the
// settings at once.
bool ReadCsvFiles(GraphDataSetReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  GGraphSettings& settings = reader.parser.Settings();
  reader.dataSet->SetCsvSource();
  const TokenInfoObj* value = tokens.TakeValue();
  if (!value) return false;
  if (!SubcommandTokens::IsOperator(value, kOpOpenBracket)) {
    settings.AddCsvFile(value->getString());
    return true;
  }
  while (true) {
    const TokenInfoObj* file = tokens.TakeValue();
    if (!file) return false;
    if (SubcommandTokens::IsOperator(file, kOpCloseBracket)) return true;
    settings.AddCsvFile(file->getString());
  }
}

// One occurrence counter per keyword.
enum Counter {
  kDataSet,
  kName,
  kVariables,
  kDataFilter,
  kTransform,
  kMissing,
  kReportMissing,
  kCaseLimit,
  kCsv,
  kCounters
};

struct DataSetKeyword {
  const char* keyword;
  Counter counter;
  bool (*read)(GraphDataSetReader& reader);
};

// CSVFILE and CSVFILES are one keyword.
constexpr std::array kDataSetKeywords = {
    DataSetKeyword{"DATASET", kDataSet, ReadHandle},
    DataSetKeyword{"NAME", kName, ReadName},
    DataSetKeyword{"VARIABLES", kVariables, ReadVariableList},
    DataSetKeyword{"DATAFILTER", kDataFilter, ReadFilterList},
    DataSetKeyword{"TRANSFORM", kTransform, ReadTransform},
    DataSetKeyword{"MISSING", kMissing, ReadListedValue<&GGraphDataSet::SetMissingMode, kMissingModeValues>},
    DataSetKeyword{"REPORTMISSING", kReportMissing, ReadReportMissing},
    DataSetKeyword{"CASELIMIT", kCaseLimit, ReadCaseLimit},
    DataSetKeyword{"CSVFILE", kCsv, ReadCsvFiles},
    DataSetKeyword{"CSVFILES", kCsv, ReadCsvFiles},
};

using Seen = std::array<int, kCounters>;

bool ReadKeyword(GraphDataSetReader& reader, Seen& seen) {
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* token = tokens.Take();
  int index = SubcommandTokens::KeywordIndex(token, kDataSetKeywords);
  if (index < 0) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
  const DataSetKeyword& keyword = kDataSetKeywords[static_cast<std::size_t>(index)];
  if (++seen[keyword.counter] > 1) return ReportDuplicate(tokens.Name(), keyword.keyword);
  return tokens.TakeEqualSign(keyword.keyword) && keyword.read(reader);
}

// The checks once every keyword was read; false after a reported error.
bool Complete(GraphDataSetReader& reader, const Seen& seen) {
  GGraphDataSet& dataSet = *reader.dataSet;
  if (!seen[kName]) {
    ReportText("Missing dataSet.", kLevelError);
    return false;
  }
  if (!seen[kDataSet]) dataSet.SetDataSetHandle("*");
  if (seen[kTransform] && !seen[kVariables]) {
    ReportTemplate(
        "An aggregation function must be used when specifying TRANSFORM=VARSTOCASES in the ^1 graph data set.",
        {dataSet.GetDataSetHandle()}, kLevelError);
  }
  if (!reader.parser.Binding().Bind(dataSet)) return false;
  if (reader.parser.Grammar().alwaysReportMissing) dataSet.SetReportMissing(1);
  return true;
}

}  // namespace

std::vector<std::string> GraphDataSetKeywords() { return SubcommandTokens::KeywordNames(kDataSetKeywords); }

bool HandleGraphDataSet(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  GraphDataSetReader reader(parser, subcommand, firstToken);
  if (reader.tokens.Empty()) return ReportIncomplete(reader.tokens.Name());
  Seen seen{};
  while (!reader.tokens.AtEnd()) {
    if (!ReadKeyword(reader, seen)) return false;
  }
  if (!Complete(reader, seen)) return false;
  parser.Settings().AddDataSet(reader.dataSet.release());
  return true;
}
