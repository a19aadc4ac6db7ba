#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace horavela::cli {

enum class BookAction { kList, kAdd, kExport, kImport };

struct BookOptions {
  BookAction action = BookAction::kList;
  std::string file;      // add: the person (empty: standard input); export: the target
                         // (empty: standard output); import: the book to read
  std::string bookPath;  // empty: the desktop program's book (Book::DefaultPath)
};

// `book`: the people and places book in the JSON form of an export.
// list: the whole book; add: one person object; export: the whole book to
// FILE (whole or not at all) or standard output; import: adds an export's
// entries not yet in the book, answering {"added": N, "skipped": M}. A notice
// that a damaged book was set aside goes to `notices`.
int RunBook(const BookOptions& options, std::istream& in, std::ostream& out, std::ostream& notices);

}  // namespace horavela::cli
