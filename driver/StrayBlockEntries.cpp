// The entries the engine runs for a BEGIN GPL or BEGIN GRAPHSRV block that
// stands outside its command: the block is consumed and an engine error raised.

#include <cstdint>

#include "host/engine/EngineServices.h"
#include "host/engine/VEXA_TokenSequence.h"

namespace {

constexpr std::int64_t kStrayGplBlockError = 99;
constexpr std::int64_t kStrayGraphServiceBlockError = 148;
constexpr std::int64_t kErrorShow = 2;
constexpr std::int64_t kErrorFlags = -4;

void ConsumeBlockAndRaise(std::int64_t error) {
  VEXA_TokenSequence tokens(true);
  while (tokens.Next()) {
  }
  BACKENDERROR(&error, &kErrorShow, &kErrorFlags);
}

}  // namespace

extern "C" void BEGINGPL() { ConsumeBlockAndRaise(kStrayGplBlockError); }

extern "C" void BEGINGSRV() { ConsumeBlockAndRaise(kStrayGraphServiceBlockError); }
