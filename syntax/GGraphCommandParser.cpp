#include "syntax/GGraphCommandParser.h"

#include <cstdint>
#include <vector>

#include "bind/DataSetBinding.h"
#include "command/GGraphSettings.h"
#include "graphspec/GraphSpec.h"
#include "host/engine/CommandDescriptor.h"
#include "host/engine/CommandSpec.h"
#include "host/engine/ParserMessage.h"
#include "host/engine/ProcedureDataSource.h"
#include "host/engine/UniversalParser.h"
#include "host/engine/VEXA_TokenSequence.h"
#include "host/engine/VexaText.h"
#include "report/EngineWorkAreas.h"
#include "report/SyntaxMessages.h"
#include "syntax/InlineBlockCapture.h"

struct GGraphCommandParser::Rep {
  FacSTDictionary* dictionary;
  // The inline blocks are read through the data source's work area.
  ProcedureDataSource* dataSource;
  DataSetBinding binding;
  ParserMessage messages;
  CommandGrammar grammar;
  // How often each subcommand of the table was met, over the whole command.
  std::vector<std::uint32_t> seen;
  GGraphSettings settings;
};

GGraphCommandParser::GGraphCommandParser(ProcedureDataSource* dataSource, FacSTDictionary* dictionary,
                                         CommandGrammar grammar)
    : rep_(new Rep{dictionary, dataSource, DataSetBinding(dataSource, dictionary), ParserMessage(), std::move(grammar),
                   {}, {}}) {
  rep_->seen.assign(rep_->grammar.table.size(), 0);
  rep_->messages.SetCommandName(rep_->grammar.commandName);
  rep_->messages.SetProcedureTitle(rep_->grammar.commandName);
}

GGraphCommandParser::~GGraphCommandParser() { delete rep_; }

GGraphSettings& GGraphCommandParser::Settings() { return rep_->settings; }
const DataSetBinding& GGraphCommandParser::Binding() const { return rep_->binding; }
FacSTDictionary* GGraphCommandParser::Dictionary() const { return rep_->dictionary; }
const ParserMessage& GGraphCommandParser::Messages() const { return rep_->messages; }
const CommandGrammar& GGraphCommandParser::Grammar() const { return rep_->grammar; }

bool GGraphCommandParser::Parse() {
  if (rep_->grammar.readsRfmMode && InvokedByRfmModule()) rep_->settings.SetRfmMode(1);
  CommandSpec spec;
  {
    VEXA_TokenSequence tokens(true);
    CommandDescriptor descriptor;
    descriptor.setSubComArbitrary(true);
    UniversalParser parser(tokens, spec, descriptor);
    if (parser.getCommandSpecifications() != 0) return false;
  }
  for (int i = 0; i < spec.getSubComListSize(); ++i) {
    if (!Dispatch(*spec.getSubComObj(i))) return false;
  }
  return CaptureInlineBlocks();
}

bool GGraphCommandParser::Dispatch(const SubComObj& subcommand) {
  const char* name = subcommand.getSubComName();
  for (std::size_t i = 0; i < rep_->grammar.table.size(); ++i) {
    const SubCommandEntry& entry = rep_->grammar.table[i];
    if (VEXAMBstricmp_A(entry.name.c_str(), name) != 0) continue;
    std::uint32_t seen = ++rep_->seen[i];
    if (entry.maximum != kUnlimited && seen > entry.maximum) return true;
    if (entry.rfmOnly && rep_->settings.GetRfmMode() != 1) break;
    return entry.handler ? entry.handler(*this, subcommand, 0) : true;
  }
  return ReportUnknownToken(rep_->grammar.commandName, name);
}

bool GGraphCommandParser::CaptureInlineBlocks() {
  for (GraphSpec* spec : rep_->settings.GetGraphSpecs()) {
    if (spec->GetSourceKind() != INLINE) continue;
    std::string text;
    bool captured = CaptureInlineBlock(rep_->grammar.block, rep_->dataSource->Workspace(), text);
    (spec->*rep_->grammar.storeBlock)(text);
    if (!captured) {
      ReportText(rep_->grammar.missingBlockMessage, kLevelError);
      return false;
    }
  }
  return true;
}

bool GGraphCommandParser::Validate() { return rep_->grammar.validate(*this); }
