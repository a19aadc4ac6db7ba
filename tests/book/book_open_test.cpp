#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "book/book.h"
#include "book_samples.h"

namespace horavela::book {
namespace {

// "<book>.damaged-YYYYMMDD-HHMMSS" (no std::regex: the sanitized build's
// compiler warns inside it).
bool IsDamagedName(const std::string& name, const std::string& book) {
  const std::string lead = book + ".damaged-";
  if (name.size() != lead.size() + 15 || name.rfind(lead, 0) != 0) return false;
  for (std::size_t i = 0; i < 15; ++i) {
    const char c = name[lead.size() + i];
    if (i == 8 ? c != '-' : (c < '0' || c > '9')) return false;
  }
  return true;
}

using testing::Asha;
using testing::BookTest;
using testing::kFirstBook;
using testing::OpenOrSay;
using testing::ReadBytes;
using testing::RunSql;
using testing::Said;
using testing::WriteBytes;

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST_F(BookTest, AFirstVersionBookIsUpgradedWithItsPeopleKept) {
  RunSql(BookPath(), kFirstBook);
  auto book = OpenBook(BookPath());
  ASSERT_NE(book, nullptr);
  EXPECT_EQ(book->SchemaVersion(), 2);
  EXPECT_EQ(notice_, "");
  const std::vector<Person> people = book->People();
  ASSERT_EQ(people.size(), 1u);
  EXPECT_EQ(people[0].id, 7);
  EXPECT_EQ(people[0].name, "Ravi");
  EXPECT_EQ(people[0].birth.hour, 23);
  EXPECT_EQ(people[0].birth.place.city, "Chennai");
  EXPECT_EQ(people[0].note, "");
  // The upgraded book holds what the first one could not.
  Person asha = Asha();
  EXPECT_EQ(Said(book->SavePerson(asha)), "");
  Place place = testing::London();
  EXPECT_EQ(Said(book->SavePlace(place)), "");
  book.reset();
  EXPECT_EQ(OpenBook(BookPath())->People().size(), 2u);
}

// A book with one person, its bytes.
std::string BookBytes(const std::string& path) {
  {
    std::string error;
    std::unique_ptr<Book> book = OpenOrSay(path, error);
    Person asha = Asha();
    EXPECT_EQ(Said(book->SavePerson(asha)), "");
  }
  const std::string bytes = ReadBytes(path);
  std::filesystem::remove(path);
  return bytes;
}

TEST_F(BookTest, ADamagedFileIsKeptAsideAndAFreshBookBegun) {
  const std::string whole = BookBytes(BookPath());
  ASSERT_GT(whole.size(), 8192u);
  std::string overwrittenPages = whole;
  overwrittenPages.replace(4096, 4096, std::string(4096, '\xA5'));
  struct Row {
    std::string bytes;
    std::string reason;
  };
  const Row rows[] = {
      {"notes typed over the book\n", "it is not an SQLite database"},
      {std::string(4096, '\x5a'), "it is not an SQLite database"},
      {overwrittenPages, "SQLite finds it damaged"},
  };
  for (const Row& row : rows) {
    std::filesystem::remove_all(Folder());
    std::filesystem::create_directory(Folder());
    WriteBytes(BookPath(), row.bytes);
    auto book = OpenBook(BookPath());
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->People().empty());
    Person asha = Asha();
    EXPECT_EQ(Said(book->SavePerson(asha)), "");
    const auto files = FilesIn(Folder());
    ASSERT_EQ(files.size(), 2u);
    const std::string aside = files[1].string();
    EXPECT_TRUE(IsDamagedName(aside, BookPath())) << aside;
    EXPECT_EQ(ReadBytes(aside), row.bytes);
    EXPECT_EQ(notice_, "The book " + BookPath() + " could not be read (" + row.reason +
                           "); it was kept as " + aside + " and a new, empty book begun.");
  }
}

TEST_F(BookTest, ADamagedBookNeverOverwritesOneSetAsideBefore) {
  for (const std::string& bytes : {std::string(600, 'a'), std::string(700, 'b')}) {
    WriteBytes(BookPath(), bytes);
    OpenBook(BookPath());
  }
  // Within one second both want the same name; the second takes another.
  std::vector<std::string> kept;
  for (const auto& file : FilesIn(Folder())) {
    if (file.string() != BookPath()) kept.push_back(ReadBytes(file));
  }
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(kept, (std::vector<std::string>{std::string(600, 'a'), std::string(700, 'b')}));
}

TEST_F(BookTest, ADatabaseOfAnotherProgramIsSetAsideNotUsed) {
  RunSql(BookPath(), {"CREATE TABLE invoices (number INTEGER)"});
  auto book = OpenBook(BookPath());
  ASSERT_NE(book, nullptr);
  EXPECT_NE(notice_.find("it holds tables of another program"), std::string::npos) << notice_;
  EXPECT_EQ(FilesIn(Folder()).size(), 2u);
}

TEST_F(BookTest, ABookOfANewerVersionIsRefusedAndLeftUntouched) {
  RunSql(BookPath(), {"CREATE TABLE people (id INTEGER PRIMARY KEY, name TEXT, colour TEXT)",
                      "PRAGMA user_version = 3"});
  const std::string before = ReadBytes(BookPath());
  std::string error;
  std::string notice;
  EXPECT_EQ(OpenOrSay(BookPath(), error, &notice), nullptr);
  EXPECT_EQ(error, "The book " + BookPath() +
                       " cannot be opened: it was written by a newer Horavela (book version 3; "
                       "this one knows up to version 2). It is left as it is: open it with "
                       "that newer version");
  EXPECT_EQ(notice, "");
  EXPECT_EQ(ReadBytes(BookPath()), before);
  EXPECT_EQ(FilesIn(Folder()).size(), 1u);
}

TEST_F(BookTest, AFolderThatCannotHoldTheBookIsNamedAndNothingIsMade) {
  WriteBytes(Folder() / "not-a-folder", "a plain file");
  struct Row {
    std::string path;
    std::string reason;
  };
  const Row rows[] = {
      {(Folder() / "not-a-folder" / "book.sqlite").string(),
       "the folder " + (Folder() / "not-a-folder").string() + " cannot be made"},
      {Folder().string(), Folder().string() + " is a folder, not a book"},
  };
  for (const Row& row : rows) {
    std::string error;
    EXPECT_EQ(OpenOrSay(row.path, error), nullptr);
    EXPECT_EQ(error, "The book " + row.path + " cannot be opened: " + row.reason);
  }
  EXPECT_EQ(FilesIn(Folder()).size(), 1u);
}

TEST_F(BookTest, WithoutPermissionTheBookIsRefusedAndLeftAsItIs) {
  if (geteuid() == 0) GTEST_SKIP() << "the super-user reads and writes anything";
  namespace fs = std::filesystem;
  const auto locked = Folder() / "locked";
  fs::create_directory(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string unreadable = (Folder() / "unreadable.sqlite").string();
  const std::string readOnly = (Folder() / "read-only.sqlite").string();
  WriteBytes(unreadable, "");
  WriteBytes(readOnly, "");
  fs::permissions(unreadable, fs::perms::none);
  fs::permissions(readOnly, fs::perms::owner_read);
  struct Row {
    std::string path;
    std::string reason;
  };
  const Row rows[] = {
      {(locked / "book.sqlite").string(), "the folder " + locked.string() + " is not writable"},
      {unreadable, unreadable + " cannot be read (permission denied)"},
      {readOnly, readOnly + " cannot be written (permission denied)"},
  };
  for (const Row& row : rows) {
    std::string error;
    EXPECT_EQ(OpenOrSay(row.path, error), nullptr);
    EXPECT_EQ(error, "The book " + row.path + " cannot be opened: " + row.reason);
  }
  fs::permissions(locked, fs::perms::owner_all);
  fs::permissions(unreadable, fs::perms::owner_all);
  EXPECT_EQ(FilesIn(locked).size(), 0u);
  EXPECT_EQ(ReadBytes(unreadable), "");
  EXPECT_EQ(ReadBytes(readOnly), "");
}

TEST_F(BookTest, ABookThatMayOnlyBeReadIsOpenedReadOnlyToBeListed) {
  if (geteuid() == 0) GTEST_SKIP() << "the super-user reads and writes anything";
  {
    auto book = OpenBook(BookPath());
    Person asha = Asha();
    ASSERT_EQ(Said(book->SavePerson(asha)), "");
  }
  std::filesystem::permissions(BookPath(), std::filesystem::perms::owner_read);
  const std::string before = ReadBytes(BookPath());
  std::string error;
  EXPECT_EQ(OpenOrSay(BookPath(), error), nullptr);
  Result<std::unique_ptr<Book>> opened = Book::OpenForReading(BookPath());
  ASSERT_TRUE(opened) << opened.error().message;
  std::unique_ptr<Book> book = std::move(*opened);
  ASSERT_EQ(book->People().size(), 1u);
  EXPECT_EQ(book->People()[0].name, "Asha");
  Person another = Asha();
  EXPECT_NE(Said(book->SavePerson(another)), "");
  book.reset();
  EXPECT_EQ(ReadBytes(BookPath()), before);
}

TEST_F(BookTest, AnUpgradeThatFailsHalfwayLeavesTheFirstVersionBook) {
  std::vector<std::string> statements = kFirstBook;
  statements.push_back("CREATE TABLE places (name TEXT)");  // the upgrade's second step fails
  RunSql(BookPath(), statements);
  const std::string before = ReadBytes(BookPath());
  std::string error;
  EXPECT_EQ(OpenOrSay(BookPath(), error), nullptr);
  EXPECT_EQ(error.rfind("The book " + BookPath() +
                            " cannot be opened: it could not be upgraded from version 1: ",
                        0),
            0u)
      << error;
  EXPECT_EQ(ReadBytes(BookPath()), before);  // no note column, still version 1
}

TEST_F(BookTest, TwoBooksOpenAtOnceEachKeepTheirOwnConnection) {
  auto first = OpenBook(BookPath());
  auto second = OpenBook((Folder() / "other.sqlite").string());
  Person asha = Asha();
  ASSERT_EQ(Said(first->SavePerson(asha)), "");
  EXPECT_EQ(first->People().size(), 1u);
  EXPECT_TRUE(second->People().empty());
}

}  // namespace
}  // namespace horavela::book
