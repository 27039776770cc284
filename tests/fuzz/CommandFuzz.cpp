// libFuzzer target: any bytes as a command file through the engine's lexer
// and the GGRAPH and VGRAPH parsers, with a small working data file, up to
// the charts. It must never crash or hang; output goes nowhere.
//   GGRAPH_FUZZ_DATA  the working data (default: the iris CSV of examples/)

#include <dlfcn.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "engine/session/CommandFileRun.h"
#include "engine/session/ModuleLoader.h"

namespace {

EngineOptions FuzzOptions() {
  EngineOptions options;
  const char* data = std::getenv("GGRAPH_FUZZ_DATA");
  options.dataPath = data ? data : GGRAPH_FUZZ_DEFAULT_DATA;
  return options;
}

}  // namespace

// The session unloads the module after each run, which would unmap the
// module's coverage counters under the fuzzer; one load kept for the whole
// process registers them once and keeps them mapped.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  dlopen(ModuleLoader::DefaultPath().c_str(), RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const EngineOptions options = FuzzOptions();
  std::istringstream commands(std::string(reinterpret_cast<const char*>(data), size));
  RunCommandStream(commands, ".", options, RunOutputs{});
  return 0;
}
