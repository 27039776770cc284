#pragma once
// A fresh folder under the test's temporary directory, for files a test reads.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(::testing::TempDir()) / (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }

  std::string Path() const { return path_.string(); }

  // Writes a file into the folder; returns its full name.
  std::string Write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};
