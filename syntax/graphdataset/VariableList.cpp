// The value of VARIABLES: variables, ranges (a TO d), ALL and summary
// functions, each optionally followed by an option list. Names are only
// recorded here; the data set resolves them once the subcommand is read.

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/graphdataset/ElementOptions.h"
#include "syntax/graphdataset/FunctionCall.h"
#include "syntax/graphdataset/GraphDataSetReader.h"

namespace {

bool ReportRangeRenamed() {
  ReportText("Can not rename range of variables", kLevelError);
  return false;
}

// A name may stand twice as a variable (with a warning), never beside a name
// given to another element.
bool NoteVariableName(GGraphDataSet& dataSet, const std::string& name) {
  if (dataSet.NoteVariableName(name, false) != 0) return true;
  if (dataSet.CheckAliasName(name) == 0) {
    ReportNameNotUnique(name, kLevelWarning);
    return false;
  }
  ReportNameDuplicated(name, kLevelWarning);
  return true;
}

// The entries TO and the range's end, when a range starts at the cursor.
bool ReadRangeEnd(SubcommandTokens& tokens, GGraphDataSet& dataSet, bool renamed) {
  if (!tokens.Peek(1) || !SubcommandTokens::IsWord(tokens.Peek(), "TO")) return true;
  if (renamed) return ReportRangeRenamed();
  for (int i = 0; i < 2; ++i) dataSet.AddVariableEntry(tokens.Take()->getString(), "", 0);
  return true;
}

bool ReadVariable(GraphDataSetReader& reader, const TokenInfoObj* variable) {
  GGraphDataSet& dataSet = *reader.dataSet;
  ElementOptions options;
  if (!ReadElementOptions(reader, options)) return false;
  if (!NoteVariableName(dataSet, variable->getString())) return false;
  dataSet.AddVariableEntry(variable->getString(), options.gplName, options.level);
  bool renamed = !options.gplName.empty() || options.level != 0;
  if (SubcommandTokens::IsWord(variable, "ALL")) return !renamed || ReportRangeRenamed();
  return ReadRangeEnd(reader.tokens, dataSet, renamed);
}

enum class Element { kVariable, kFunction, kSkipped };

// What the token at the cursor is, by the token after it.
Element ElementBefore(const TokenInfoObj* next) {
  if (!next || !next->IsOperator() || SubcommandTokens::IsOperator(next, kOpOpenBracket)) return Element::kVariable;
  if (SubcommandTokens::IsOperator(next, kOpOpenParen)) return Element::kFunction;
  return Element::kSkipped;
}

bool ReadElement(GraphDataSetReader& reader, int& elements) {
  SubcommandTokens& tokens = reader.tokens;
  Element kind = ElementBefore(tokens.Peek(1));
  const TokenInfoObj* token = tokens.Take();
  if (kind == Element::kSkipped) return true;
  ++elements;
  if (kind == Element::kFunction) return ReadFunctionCall(reader, token->getString());
  return ReadVariable(reader, token);
}

}  // namespace

bool ReadVariableList(GraphDataSetReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  int elements = 0;
  while (const TokenInfoObj* token = tokens.Peek()) {
    if (token->IsNumber() || token->IsLiteral()) return ReportUnknownToken(tokens.Name(), token->getString());
    // A token before an equal sign is the subcommand's next keyword.
    if (SubcommandTokens::IsOperator(tokens.Peek(1), kOpEqual)) break;
    if (!ReadElement(reader, elements)) return false;
  }
  if (elements > 0) return true;
  ReportIncomplete(tokens.Name());
  return false;
}
