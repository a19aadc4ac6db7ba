#include "cli/book_command.h"

#include <QCoreApplication>
#include <cctype>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "book/book.h"
#include "book/book_json.h"
#include "cli/commands.h"
#include "cli/response_writer.h"
#include "json/json_reader.h"
#include "report/atomic_file.h"

namespace horavela::cli {

namespace {

using nlohmann::ordered_json;

// The desktop program's name (app/main.cpp), under which Qt finds its data
// folder: the command line then opens the same book by default.
constexpr char kApplicationName[] = "Horavela";

struct Answer {
  ordered_json json;
  int status = kExitOk;
};

Answer Error(const std::string& message, int status) {
  return {ErrorResponse(message), status};
}

std::string BookPath(const BookOptions& options) {
  return BookPathOf(options.bookPath);
}

// "The book ... cannot be opened: ..." as the rest of a "--book: " message.
std::string AfterField(std::string message) {
  if (!message.empty()) message[0] = static_cast<char>(std::tolower(message[0]));
  return message;
}

// What `add` and `import` bring: read and checked before the book is opened,
// so a request that is not valid leaves no trace.
struct Entries {
  std::vector<book::Person> people;
  std::vector<book::Place> places;
  std::string error;
};

Entries ReadEntries(BookAction action, const std::string& text) {
  if (action == BookAction::kImport) {
    Result<book::BookEntries> parsed = book::ParseBookJson(text);
    if (!parsed) return {{}, {}, ProblemText(parsed.error())};
    return {std::move(parsed->people), std::move(parsed->places), {}};
  }
  Result<book::Person> parsed = book::ParsePersonJson(text);
  if (!parsed) return {{}, {}, ProblemText(parsed.error())};
  return {{std::move(*parsed)}, {}, {}};
}

Answer Import(book::Book& book, const Entries& entries) {
  const Result<book::ImportCount> count = book.Import(entries.people, entries.places);
  if (!count) return Error("--book: " + ProblemText(count.error()), kExitFailure);
  return {ordered_json{{"added", count->added}, {"skipped", count->skipped}}, kExitOk};
}

// The whole book to FILE: the answer counts what was written.
Answer Export(const book::Book& book, const std::string& file) {
  const auto people = book.People();
  const auto places = book.Places();
  if (const Result<void> written = WriteFileAtomically(file, book::BookJson(people, places) + "\n");
      !written)
    return Error("export: the book was not written: " + written.error().message, kExitFailure);
  return {ordered_json{{"people", people.size()}, {"places", places.size()}}, kExitOk};
}

bool ReadsInput(BookAction action) {
  return action == BookAction::kAdd || action == BookAction::kImport;
}

int Write(std::ostream& out, const std::string& text, int status) {
  out << text << '\n';
  out.flush();
  return out ? status : kExitFailure;
}

int Run(const BookOptions& options, std::istream& in, std::ostream& out, std::ostream& notices) {
  Entries entries;
  if (ReadsInput(options.action)) {
    std::string text;
    std::string error;
    const std::size_t limit =
        options.action == BookAction::kImport ? kMaxBookFileBytes : kMaxRequestBytes;
    if (const int status = ReadRequestText(options.file, in, text, error, limit); status != kExitOk)
      return Write(out, Serialize(ErrorResponse(error), true), status);
    entries = ReadEntries(options.action, text);
    if (!entries.error.empty())
      return Write(out, Serialize(ErrorResponse(entries.error), true), kExitBadRequest);
  }
  std::string notice;
  const Result<std::unique_ptr<book::Book>> opened =
      ReadsInput(options.action) ? book::Book::Open(BookPath(options), &notice)
                                 : book::Book::OpenForReading(BookPath(options), &notice);
  if (!notice.empty()) notices << "horavela-cli: " << notice << std::endl;
  if (!opened) {
    return Write(out,
                 Serialize(ErrorResponse("--book: " + AfterField(opened.error().message)), true),
                 kExitFailure);
  }
  book::Book* book = opened->get();
  const bool toOutput = options.action == BookAction::kList ||
                        (options.action == BookAction::kExport && options.file.empty());
  if (toOutput) return Write(out, book::BookJson(book->People(), book->Places()), kExitOk);
  const Answer answer =
      options.action == BookAction::kExport ? Export(*book, options.file) : Import(*book, entries);
  return Write(out, Serialize(answer.json, true), answer.status);
}

}  // namespace

std::string BookPathOf(const std::string& bookPath) {
  if (!bookPath.empty()) return bookPath;
  if (QCoreApplication::applicationName().isEmpty())
    QCoreApplication::setApplicationName(kApplicationName);
  return book::Book::DefaultPath();
}

book::Person PersonOfBook(const std::string& name, const std::string& bookPath,
                          std::ostream& notices) {
  std::string notice;
  const Result<std::unique_ptr<book::Book>> opened =
      book::Book::OpenForReading(BookPathOf(bookPath), &notice);
  if (!notice.empty()) notices << "horavela-cli: " << notice << std::endl;
  if (!opened) throw RequestError("--book: " + AfterField(opened.error().message));
  std::vector<book::Person> named = (*opened)->People(name);
  std::erase_if(named, [&](const book::Person& person) { return person.name != name; });
  if (named.empty()) throw RequestError("--person: no one in the book is called \"" + name + "\"");
  if (named.size() > 1)
    throw RequestError("--person: " + std::to_string(named.size()) +
                       " people in the book are called \"" + name + "\"; rename one in the book");
  return named.front();
}

int RunBook(const BookOptions& options, std::istream& in, std::ostream& out,
            std::ostream& notices) {
  try {
    return Run(options, in, out, notices);
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli
