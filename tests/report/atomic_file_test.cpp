#include "report/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace horavela {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/horavela-atomic-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    folder_ = name;
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t Entries() const {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }
  fs::path folder_;
};

TEST_F(AtomicFileTest, WritesAndReplacesWholeFiles) {
  const fs::path target = folder_ / "report.rtf";
  EXPECT_EQ(WriteFileAtomically(target.string(), std::string("first\0x", 7)), "");
  EXPECT_EQ(Read(target), std::string("first\0x", 7));
  EXPECT_EQ(WriteFileAtomically(target.string(), "second"), "");
  EXPECT_EQ(Read(target), "second");
  EXPECT_EQ(Entries(), 1u) << "no temporary file stays behind";
}

TEST_F(AtomicFileTest, MissingFolderIsAClearError) {
  const fs::path target = folder_ / "no such folder" / "report.html";
  const std::string error = WriteFileAtomically(target.string(), "text");
  EXPECT_NE(error.find(target.string()), std::string::npos) << error;
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  EXPECT_EQ(Entries(), 0u);
}

TEST_F(AtomicFileTest, TargetThatIsAFolderIsLeftAloneAndNothingRemains) {
  // The temporary file is written first; the failing rename must remove it.
  const fs::path target = folder_ / "taken";
  fs::create_directory(target);
  const std::string error = WriteFileAtomically(target.string(), "text");
  EXPECT_NE(error.find(target.string()), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, UnwritableFolderIsAClearErrorAndLeavesNothing) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path target = folder_ / "report.rtf";
  const std::string error = WriteFileAtomically(target.string(), "text");
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(Entries(), 0u);
}

TEST(AtomicFile, FolderOfTheKernelRefusesEvenTheSuperUser) {
  // sysfs takes no new files from anyone, so this runs under root as well.
  if (!fs::is_directory("/sys/kernel")) GTEST_SKIP() << "no sysfs";
  const std::string error = WriteFileAtomically("/sys/kernel/horavela-report.rtf", "text");
  EXPECT_NE(error.find("cannot write \"/sys/kernel/horavela-report.rtf\": "), std::string::npos)
      << error;
  EXPECT_FALSE(fs::exists("/sys/kernel/horavela-report.rtf"));
}

}  // namespace
}  // namespace horavela
