#include "syntax/GGraphCommandParser.h"

#include "CommandDescriptor.h"
#include "CommandSpec.h"
#include "UniversalParser.h"
#include "VEXA_TokenSequence.h"

struct GGraphCommandParser::Rep {
  ProcedureDataSource* dataSource;
  FacSTDictionary* dictionary;
};

GGraphCommandParser::GGraphCommandParser(ProcedureDataSource* dataSource, FacSTDictionary* dictionary)
    : rep_(std::make_unique<Rep>(Rep{dataSource, dictionary})) {}

GGraphCommandParser::~GGraphCommandParser() = default;

bool GGraphCommandParser::Parse() {
  CommandSpec spec;
  {
    VEXA_TokenSequence tokens(true);
    CommandDescriptor descriptor;
    descriptor.setSubComArbitrary(true);
    UniversalParser parser(tokens, spec, descriptor);
    if (parser.getCommandSpecifications() != 0) return false;
  }
  return true;
}

bool GGraphCommandParser::Validate() { return true; }
