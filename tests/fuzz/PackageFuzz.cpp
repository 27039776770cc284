// libFuzzer target: any bytes as the datapackage.json of a folder that holds
// a small CSV file, through the package reader and the table it describes. It
// must never crash or hang, and a package is either read or refused with a
// reason.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/data/DataFileLoader.h"

namespace {

std::string MakeFolder() {
  std::filesystem::path folder = "/tmp/ggraph-package-fuzz-" + std::to_string(::getpid());
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "data.csv", std::ios::binary) << "id,name,when,x\n1,a,2024-01-02,1.5\n2,,2024-02-03,\n";
  return folder.string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = MakeFolder();
  std::ofstream(folder + "/datapackage.json", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  CsvReadOptions options;
  options.workers = 1;
  LoadedData loaded = LoadDataFile(folder, "package", options);
  if (!loaded.data && !loaded.problems.HasErrors()) __builtin_trap();
  return 0;
}
