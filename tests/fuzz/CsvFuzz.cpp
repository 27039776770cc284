// libFuzzer target: any bytes as a plain CSV file through the data reader
// (header, delimiter and type inference, fields, cells). It must never crash
// or hang, and a file is either read or refused with a reason.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "engine/data/DataFileLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/ggraph-csv-fuzz-" + std::to_string(::getpid()) + ".csv";
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
  // Small blocks and one worker reach the block seams with small inputs.
  CsvReadOptions options;
  options.blockBytes = 64;
  options.workers = 1;
  LoadedData loaded = LoadDataFile(path, "data.csv", options);
  if (!loaded.data && !loaded.problems.HasErrors()) __builtin_trap();
  return 0;
}
