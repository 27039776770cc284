#pragma once
// A scratch folder for the data files of one test, removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/data/DataFileLoader.h"

class DataFiles {
 public:
  DataFiles() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("ggraph-data-" + std::string(test->test_suite_name()) + "-" + test->name() + "-" +
               std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  ~DataFiles() { std::filesystem::remove_all(folder_); }

  // Writes a file into the folder and gives its path.
  std::string Write(const std::string& name, const std::string& content) const {
    std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

 private:
  std::filesystem::path folder_;
};

// A data package over one CSV file, with the given schema.
inline std::string WritePackage(const DataFiles& files, const std::string& schema, const std::string& csv) {
  files.Write("data.csv", csv);
  return files.Write("datapackage.json",
                     "{\"name\": \"test\", \"resources\": [{\"name\": \"data\", \"path\": \"data.csv\",\n"
                     "\"schema\": " + schema + "}]}");
}

inline std::string ProblemTexts(const LoadedData& loaded) {
  std::string texts;
  for (const auto& problem : loaded.problems.All()) texts += problem.text + "\n";
  return texts;
}
