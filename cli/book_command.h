#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "book/book.h"

namespace horavela::cli {

// An export grows with the book (about 700 bytes a person, some 5 KiB with
// the longest texts), so the file `import` reads has a limit of its own,
// far above the 1 MiB of a request.
inline constexpr std::size_t kMaxBookFileBytes = std::size_t{256} << 20;

enum class BookAction { kList, kAdd, kExport, kImport };

struct BookOptions {
  BookAction action = BookAction::kList;
  std::string file;      // add: the person (empty: standard input); export: the target
                         // (empty: standard output); import: the book to read
  std::string bookPath;  // empty: the desktop program's book (Book::DefaultPath)
};

// `book`: the people and places book in the JSON form of an export.
// list: the whole book (a book the user may only read is opened read-only
// for list and export); add: one person object; export: the whole book to
// FILE (whole or not at all) or standard output; import: adds an export's
// entries not yet in the book, answering {"added": N, "skipped": M}. A notice
// that a damaged book was set aside goes to `notices`.
// The book a --book option names, the desktop program's when empty.
std::string BookPathOf(const std::string& bookPath);

// The one person of the book called exactly `name` (--person); a
// RequestError when the book cannot be opened, no one or several are called
// so. A notice that a damaged book was set aside goes to `notices`.
book::Person PersonOfBook(const std::string& name, const std::string& bookPath,
                          std::ostream& notices);

int RunBook(const BookOptions& options, std::istream& in, std::ostream& out, std::ostream& notices);

}  // namespace horavela::cli
