// A summary-function element of a VARIABLES list, e.g. PTILE(age, 25)[NAME="p25"].

#include "syntax/graphdataset/FunctionCall.h"

#include <memory>

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "model/GGraphStatistic.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/graphdataset/ElementOptions.h"
#include "syntax/graphdataset/GraphDataSetReader.h"

namespace {

class ParameterReader {
 public:
  ParameterReader(SubcommandTokens& tokens, GGraphStatistic& statistic, const std::string& function,
                  const std::string& dataSetName)
      : tokens_(tokens), statistic_(statistic), function_(function), dataSetName_(dataSetName) {}

  // The parameters after the opening parenthesis, and the closing one.
  bool Read() {
    int optional = 0;
    int required = statistic_.GetParameterCounts(optional);
    if (required > 0 || optional > 0) {
      const TokenInfoObj* first = tokens_.TakeValue();
      if (!first) return false;
      if (SubcommandTokens::IsOperator(first, kOpCloseParen)) return required == 0 || WrongCount();
      // Only a function without a variable takes a number first.
      statistic_.SetMainParameter(first->getString(), required > 0 ? 0 : first->getNumeric());
      if (required > 0)
        --required;
      else
        --optional;
    }
    for (int position = 1; required > 0; ++position, --required) {
      if (!ReadNumber(position)) return false;
    }
    if (optional > 0 && !SubcommandTokens::IsOperator(tokens_.Peek(), kOpCloseParen) && !ReadNumber(1)) return false;
    const TokenInfoObj* close = tokens_.TakeValue();
    if (!close) return false;
    return SubcommandTokens::IsOperator(close, kOpCloseParen) || WrongCount();
  }

 private:
  bool ReadNumber(int position) {
    const TokenInfoObj* number = tokens_.TakeValue();
    if (!number) return false;
    if (!number->IsNumber()) return WrongCount();
    statistic_.SetParameter(position, number->getNumeric(), number->getString());
    return true;
  }

  bool WrongCount() {
    ReportTemplate("^1 has the wrong number of parameters ^2.", {function_, dataSetName_}, kLevelError);
    return false;
  }

  SubcommandTokens& tokens_;
  GGraphStatistic& statistic_;
  const std::string& function_;
  const std::string& dataSetName_;
};

void ApplyOptions(GGraphStatistic& statistic, const ElementOptions& options) {
  if (!options.gplName.empty()) statistic.SetGPLLabel(options.gplName);
  if (!options.highName.empty()) statistic.SetHighGPLLabel(options.highName);
  if (!options.lowName.empty()) statistic.SetLowGPLLabel(options.lowName);
}

}  // namespace

bool ReadFunctionCall(GraphDataSetReader& reader, const std::string& function) {
  GGraphDataSet& dataSet = *reader.dataSet;
  auto statistic = std::make_unique<GGraphStatistic>(function, reader.parser.Dictionary());
  if (!statistic->IsValid()) {
    ReportTemplate("^1 is an unknown function ^2.", {function, dataSet.GetSourceName()}, kLevelError);
    return false;
  }
  reader.tokens.Take();  // the opening parenthesis
  ParameterReader parameters(reader.tokens, *statistic, function, dataSet.GetSourceName());
  ElementOptions options;
  if (!parameters.Read() || !ReadElementOptions(reader, options)) return false;
  ApplyOptions(*statistic, options);
  dataSet.AddStatistic(statistic.release());
  return true;
}
