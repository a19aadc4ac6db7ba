#include "report/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <tuple>

namespace horavela {
namespace {

namespace fs = std::filesystem;

// What a write said: nothing when it succeeded.
std::string Message(const Result<void>& written) {
  return written ? std::string() : written.error().message;
}

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
  EXPECT_EQ(Message(WriteFileAtomically(target.string(), std::string("first\0x", 7))), "");
  EXPECT_EQ(Read(target), std::string("first\0x", 7));
  EXPECT_EQ(Message(WriteFileAtomically(target.string(), "second")), "");
  EXPECT_EQ(Read(target), "second");
  EXPECT_EQ(Entries(), 1u) << "no temporary file stays behind";
}

TEST_F(AtomicFileTest, MissingFolderIsAClearError) {
  const fs::path target = folder_ / "no such folder" / "report.html";
  const std::string error = Message(WriteFileAtomically(target.string(), "text"));
  EXPECT_NE(error.find(target.string()), std::string::npos) << error;
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  EXPECT_EQ(Entries(), 0u);
}

TEST_F(AtomicFileTest, TargetThatIsAFolderIsLeftAloneAndNothingRemains) {
  // The temporary file is written first; the failing rename must remove it.
  const fs::path target = folder_ / "taken";
  fs::create_directory(target);
  const std::string error = Message(WriteFileAtomically(target.string(), "text"));
  EXPECT_NE(error.find(target.string()), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, UnwritableFolderIsAClearErrorAndLeavesNothing) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path target = folder_ / "report.rtf";
  const std::string error = Message(WriteFileAtomically(target.string(), "text"));
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(Entries(), 0u);
}

TEST(AtomicFile, FolderOfTheKernelRefusesEvenTheSuperUser) {
  // sysfs takes no new files from anyone, so this runs under root as well.
  if (!fs::is_directory("/sys/kernel")) GTEST_SKIP() << "no sysfs";
  const std::string error = Message(WriteFileAtomically("/sys/kernel/horavela-report.rtf", "text"));
  EXPECT_NE(error.find("cannot write \"/sys/kernel/horavela-report.rtf\": "), std::string::npos)
      << error;
  EXPECT_FALSE(fs::exists("/sys/kernel/horavela-report.rtf"));
}

// Every entry under a folder, links not followed, with what would show that
// it was touched: its inode, mode and (for regular files) its contents.
using FolderState = std::map<std::string, std::tuple<ino_t, mode_t, std::string>>;

FolderState StateOf(const fs::path& folder) {
  FolderState state;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat status {};
    ::lstat(entry.path().c_str(), &status);
    std::stringstream text;
    if (S_ISREG(status.st_mode)) text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    state[entry.path().string()] = {status.st_ino, status.st_mode, text.str()};
  }
  return state;
}

void WriteText(const fs::path& path, const std::string& text, fs::perms mode) {
  std::ofstream(path, std::ios::binary) << text;
  fs::permissions(path, mode);
}

// Targets that must never be replaced: the file stays exactly as it was, no
// temporary file is left, and the message names the file and the reason.
struct RefusedTarget {
  const char* kind;
  std::function<void(const fs::path& folder)> make;
  const char* name;    // what is written, in the folder
  std::string reason;  // after `cannot write "<path>": `; {} stands for the folder
};

const RefusedTarget kRefusedTargets[] = {
    {"FIFO", [](const fs::path& f) { ::mkfifo((f / "pipe").c_str(), 0644); }, "pipe",
     "it is a FIFO (named pipe), not a regular file"},
    {"character device",
     [](const fs::path& f) { ::mknod((f / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)); },
     "null", "it is a character device, not a regular file"},
    {"folder", [](const fs::path& f) { fs::create_directory(f / "taken"); }, "taken",
     "it is a folder, not a regular file"},
    {"read-only file", [](const fs::path& f) { WriteText(f / "ro.rtf", "old", fs::perms(0444)); },
     "ro.rtf", "it is read-only"},
    {"read-only file of the owner alone",
     [](const fs::path& f) { WriteText(f / "ro.rtf", "old", fs::perms(0400)); }, "ro.rtf",
     "it is read-only"},
    {"link to a FIFO",
     [](const fs::path& f) {
       ::mkfifo((f / "pipe").c_str(), 0644);
       fs::create_symlink("pipe", f / "link");
     },
     "link", "its link target \"{}/pipe\" is a FIFO (named pipe), not a regular file"},
    {"link to a read-only file",
     [](const fs::path& f) {
       WriteText(f / "ro.rtf", "old", fs::perms(0444));
       fs::create_symlink(f / "ro.rtf", f / "link");
     },
     "link", "its link target \"{}/ro.rtf\" is read-only"},
};

TEST_F(AtomicFileTest, TargetsThatAreNotWritableFilesAreRefusedAndUntouched) {
  for (const RefusedTarget& row : kRefusedTargets) {
    SCOPED_TRACE(row.kind);
    fs::remove_all(folder_);
    fs::create_directory(folder_);
    row.make(folder_);
    const fs::path target = folder_ / row.name;
    // Only the super-user makes devices; /dev/null below stands in for others.
    if (!fs::exists(fs::symlink_status(target))) continue;
    const FolderState before = StateOf(folder_);
    std::string reason = row.reason;
    if (const auto at = reason.find("{}"); at != std::string::npos)
      reason.replace(at, 2, folder_.string());
    EXPECT_EQ(Message(WriteFileAtomically(target.string(), "new")),
              "cannot write \"" + target.string() + "\": " + reason);
    EXPECT_EQ(StateOf(folder_), before);
  }
}

TEST(AtomicFile, DevNullIsRefusedAndStaysADevice) {
  EXPECT_EQ(Message(WriteFileAtomically("/dev/null", "text")),
            "cannot write \"/dev/null\": it is a character device, not a regular file");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// Targets that are replaced: the contents land in `written`, which keeps its
// mode, and the name written to stays what it was (a link stays a link).
struct ReplacedTarget {
  const char* kind;
  std::function<void(const fs::path& folder)> make;
  const char* name;     // what is written
  const char* written;  // the file that receives the text
  fs::perms mode;       // of `written` afterwards; unknown: new, as the umask gives
};

const ReplacedTarget kReplacedTargets[] = {
    {"private file", [](const fs::path& f) { WriteText(f / "r.rtf", "old", fs::perms(0600)); },
     "r.rtf", "r.rtf", fs::perms(0600)},
    {"group-readable file",
     [](const fs::path& f) { WriteText(f / "r.rtf", "old", fs::perms(0640)); }, "r.rtf", "r.rtf",
     fs::perms(0640)},
    {"file shared with the group",
     [](const fs::path& f) { WriteText(f / "r.rtf", "old", fs::perms(0660)); }, "r.rtf", "r.rtf",
     fs::perms(0660)},
    {"relative link",
     [](const fs::path& f) {
       WriteText(f / "r.rtf", "old", fs::perms(0600));
       fs::create_symlink("r.rtf", f / "link");
     },
     "link", "r.rtf", fs::perms(0600)},
    {"chain of links into another folder",
     [](const fs::path& f) {
       fs::create_directory(f / "sub");
       WriteText(f / "sub" / "r.rtf", "old", fs::perms(0640));
       fs::create_symlink("sub/r.rtf", f / "inner");
       fs::create_symlink(f / "inner", f / "link");
     },
     "link", "sub/r.rtf", fs::perms(0640)},
    {"dangling link", [](const fs::path& f) { fs::create_symlink("new.rtf", f / "link"); }, "link",
     "new.rtf", fs::perms::unknown},
};

TEST_F(AtomicFileTest, WritableFilesAndLinksAreReplacedKeepingModeAndLinks) {
  for (const ReplacedTarget& row : kReplacedTargets) {
    SCOPED_TRACE(row.kind);
    fs::remove_all(folder_);
    fs::create_directory(folder_);
    row.make(folder_);
    const fs::path target = folder_ / row.name;
    const auto kindBefore = fs::symlink_status(target).type();
    const bool creates = row.mode == fs::perms::unknown;
    const std::size_t entries = StateOf(folder_).size();
    EXPECT_EQ(Message(WriteFileAtomically(target.string(), "new")), "");
    EXPECT_EQ(Read(folder_ / row.written), "new");
    const mode_t umask = ::umask(0);
    ::umask(umask);
    const fs::perms mode = creates ? fs::perms(0666 & ~umask) : row.mode;
    EXPECT_EQ(fs::status(folder_ / row.written).permissions(), mode);
    EXPECT_EQ(fs::symlink_status(target).type(), kindBefore);
    EXPECT_EQ(StateOf(folder_).size(), entries + (creates ? 1 : 0)) << "no temporary file stays";
  }
}

TEST_F(AtomicFileTest, OwnerAndGroupOfAReplacedFileStay) {
  const fs::path target = folder_ / "theirs.rtf";
  WriteText(target, "old", fs::perms(0664));
  if (::chown(target.c_str(), 4321, 4322) != 0) GTEST_SKIP() << "only root gives files away";
  EXPECT_EQ(Message(WriteFileAtomically(target.string(), "new")), "");
  struct stat status {};
  ASSERT_EQ(::stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, 4321u);
  EXPECT_EQ(status.st_gid, 4322u);
  EXPECT_EQ(status.st_mode & 07777, 0664u);
}

TEST_F(AtomicFileTest, WriteSetReplacesNothingUntilAllAreReady) {
  const fs::path rtf = folder_ / "r.rtf";
  const fs::path html = folder_ / "r.html";
  WriteText(rtf, "old rtf", fs::perms(0644));
  WriteText(html, "old html", fs::perms(0644));
  const FolderState before = StateOf(folder_);
  {
    AtomicWriteSet set;
    EXPECT_EQ(Message(set.Prepare(rtf.string(), "new rtf")), "");
    EXPECT_EQ(Message(set.Prepare(html.string(), "new html")), "");
    EXPECT_EQ(Read(rtf), "old rtf") << "nothing replaced before the commit";
    EXPECT_EQ(Entries(), 4u);
    EXPECT_EQ(Message(set.Prepare((folder_ / "missing" / "r.txt").string(), "x")),
              "cannot write \"" + (folder_ / "missing" / "r.txt").string() +
                  "\": No such file or directory");
  }
  EXPECT_EQ(StateOf(folder_), before) << "a set never committed leaves no trace";

  AtomicWriteSet set;
  EXPECT_EQ(Message(set.Prepare(rtf.string(), "new rtf")), "");
  EXPECT_EQ(Message(set.Prepare(html.string(), "new html")), "");
  set.Abandon();
  EXPECT_EQ(StateOf(folder_), before);
  EXPECT_EQ(Message(set.Commit()), "") << "an abandoned set has nothing left to commit";
  EXPECT_EQ(StateOf(folder_), before);

  EXPECT_EQ(Message(set.Prepare(rtf.string(), "new rtf")), "");
  EXPECT_EQ(Message(set.Prepare(html.string(), "new html")), "");
  EXPECT_EQ(Message(set.Commit()), "");
  EXPECT_EQ(Read(rtf), "new rtf");
  EXPECT_EQ(Read(html), "new html");
  EXPECT_EQ(Entries(), 2u);
}

}  // namespace
}  // namespace horavela

namespace horavela {
namespace {

// A process id that has ended: a child that exits at once, waited for.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST_F(AtomicFileTest, TemporariesLeftByAnEndedWriteGoWithTheNextWrite) {
  const fs::path target = folder_ / "windows.ics";
  const std::string ended = ".windows.ics.tmp-" + std::to_string(EndedProcess()) + "-0-42";
  const std::string living = ".windows.ics.tmp-" + std::to_string(::getpid()) + "-9-42";
  const std::string others = ".other.ics.tmp-" + std::to_string(EndedProcess()) + "-0-42";
  for (const std::string& name : {ended, living, others}) std::ofstream(folder_ / name) << "part";
  EXPECT_EQ(Message(WriteFileAtomically(target.string(), "whole")), "");
  EXPECT_FALSE(fs::exists(folder_ / ended));
  EXPECT_TRUE(fs::exists(folder_ / living)) << "a write still under way is left alone";
  EXPECT_TRUE(fs::exists(folder_ / others)) << "another file's temporaries are not this write's";
}

}  // namespace
}  // namespace horavela
