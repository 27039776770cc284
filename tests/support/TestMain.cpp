// The tests' main: each test process gets a temporary folder of its own, so
// tests that write fixed file names (a command file, a picture folder) never
// meet another test process doing the same when ctest runs them in parallel.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
  std::string pattern = (std::filesystem::temp_directory_path() / "ggraph-test-XXXXXX").string();
  const char* folder = ::mkdtemp(pattern.data());
  if (folder != nullptr) ::setenv("TEST_TMPDIR", (std::string(folder) + "/").c_str(), 1);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  std::error_code ignored;
  if (folder != nullptr) std::filesystem::remove_all(folder, ignored);
  return status;
}
