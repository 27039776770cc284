#include "engine/files/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class AtomicFiles : public ::testing::Test {
 protected:
  AtomicFiles() : folder_(fs::path(::testing::TempDir()) / ("atomic-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
    std::ofstream(Target()) << "earlier";
    chmod(Target().c_str(), 0640);
  }
  ~AtomicFiles() override { fs::remove_all(folder_); }

  std::string Target() const { return (folder_ / "out.txt").string(); }
  std::string Content() const {
    std::ifstream in(Target());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
};

// A run that ends early (an error, an exception, a crash before Commit) leaves
// the earlier file, and no temporary file beside it.
TEST_F(AtomicFiles, TheEarlierFileStaysUntilCommit) {
  {
    AtomicFile file(Target());
    ASSERT_TRUE(file.Open()) << file.Error();
    file.Stream() << std::string(1 << 20, 'x');
    EXPECT_EQ(Content(), "earlier");
  }
  EXPECT_EQ(Content(), "earlier");
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(AtomicFiles, CommitReplacesTheFileAndKeepsItsPermissions) {
  AtomicFile file(Target());
  ASSERT_TRUE(file.Open()) << file.Error();
  file.Stream() << "new";
  ASSERT_TRUE(file.Commit()) << file.Error();
  EXPECT_EQ(Content(), "new");
  EXPECT_EQ(FileCount(), 1u);
  struct stat status {};
  ASSERT_EQ(stat(Target().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(AtomicFiles, WriteErrorsNameThePathAndTheReason) {
  AtomicFile file("/dev/full");
  ASSERT_TRUE(file.Open()) << file.Error();
  file.Stream() << "text";
  EXPECT_FALSE(file.Commit());
  EXPECT_EQ(file.Error(), "/dev/full: No space left on device");
}

}  // namespace
