#include "UniversalParser.h"

#include "CommandDescriptor.h"
#include "CommandSpec.h"
#include "OperatorCodes.h"
#include "TokenInfoObj.h"
#include "VEXA_TokenSequence.h"
#include "engine/input/CommandInput.h"
#include "engine/output/EngineErrors.h"

namespace {

bool IsSlash(const TokenInfoObj& token) { return token.IsOperator() && token.getString()[0] == '/'; }

std::string CommandLineText() {
  CommandInput* input = CurrentCommandInput();
  return input ? std::to_string(input->CommandLine()) : "?";
}

}  // namespace

UniversalParser::UniversalParser(VEXA_TokenSequence& tokens, CommandSpec& spec, const CommandDescriptor& descriptor)
    : tokens_(tokens), spec_(spec), descriptor_(descriptor) {}

int UniversalParser::getCommandSpecifications() {
  if (tokens_.HasLexicalError()) return 1;
  bool expectName = true;  // the first subcommand may omit its slash
  bool started = false;
  while (tokens_.Next()) {
    const TokenInfoObj& token = *tokens_.Current();
    if (IsSlash(token)) {
      expectName = true;
      continue;
    }
    if (expectName) {
      if (!token.IsVarName()) {
        ReportEngineError(kErrSubcommandNameExpected, {CommandLineText()});
        return 1;
      }
      spec_.AddSubCom(SubComObj(token.getString()));
      expectName = false;
      started = true;
      continue;
    }
    if (started) spec_.Last().AddToken(token);
  }
  if (expectName && started) {
    ReportEngineError(kErrSubcommandNameExpected, {CommandLineText()});
    return 1;
  }
  return 0;
}
