#include "syntax/graphdataset/GraphDataSetReader.h"

#include "bind/DataSetBinding.h"
#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"

GraphDataSetReader::GraphDataSetReader(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken)
    : parser(parser),
      tokens(subcommand, firstToken),
      dataSet(parser.Binding().NewDataSet()) {}

bool KeywordFollows(const SubcommandTokens& tokens) {
  const TokenInfoObj* word = tokens.Peek();
  return word && word->IsVarName() && SubcommandTokens::IsOperator(tokens.Peek(1), kOpEqual);
}

void ReportNameNotUnique(const std::string& name, int level) {
  ReportTemplate("The variable name ^1 must be unique", {name}, level);
}

void ReportNameDuplicated(const std::string& name, int level) {
  ReportTemplate("The variable name ^1 is duplicated.", {name}, level);
}
