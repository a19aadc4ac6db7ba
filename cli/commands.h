#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "cli/settings_entry.h"
#include "language/digits.h"
#include "language/language.h"

namespace horavela::cli {

// Exit statuses of the tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;     // a file could not be read or written
inline constexpr int kExitBadRequest = 2;  // the request or the command line is not valid

// A request, or a line of a batch, longer than this is refused: no request
// needs a thousandth of it, and reading on would only fill memory.
inline constexpr std::size_t kMaxRequestBytes = 1048576;
inline constexpr char kRequestTooLarge[] = "request: larger than 1 MiB";
inline constexpr char kOutOfMemory[] = "request: out of memory";

// {"error": kOutOfMemory}, written without allocating anything; kExitFailure.
inline int AnswerOutOfMemory(std::ostream& out) {
  out << "{\"error\": \"" << kOutOfMemory << "\"}\n";
  out.flush();
  return kExitFailure;
}

// How `evaluate`, `search` and `day` read a request and answer it.
struct AnswerOptions {
  bool strict = false;  // a key the command does not read is refused, not warned of
  bool text = false;    // a short summary for a person to read instead of JSON
  // The summary's language where the command takes --lang (day, search); the JSON
  // stays English.
  Language textLanguage = Language::English;
  Digits textDigits = Digits::Western;  // of the --text summary
};

struct EvaluateOptions {
  std::string inputFile;  // empty: standard input
  bool batch = false;     // JSON Lines in, one response per line out
  std::string rtfFile;    // empty: no RTF report
  std::string htmlFile;   // empty: no HTML report
  bool explain = true;    // false: no "explanation" in the answer
  // The report as the desktop program saves it: particulars, only true
  // sentences where a section would contradict its factor, timing notes.
  bool fullReport = false;
  // The language of the RTF and HTML reports; the JSON stays English.
  Language reportLanguage = Language::English;
  Digits digits = Digits::Western;  // of the reports and the --text summary
  AnswerOptions answer;
};

// `evaluate`: answers one request (or every line with `batch`) on `out`.
int RunEvaluate(const EvaluateOptions& options, std::istream& in, std::ostream& out);

// Files `search` also writes, each whole or not at all; empty: none.
struct SearchFiles {
  std::string csv;  // the listed windows as CSV
  std::string ics;  // the listed windows as iCalendar events
};

// `search`: the windows of minutes whose evaluation reaches a result word,
// for one subject or all ("*"), between two local minutes at one place.
// With `files`, the listed windows are also written there, all or none of
// the files.
int RunSearch(const std::string& inputFile, std::istream& in, std::ostream& out,
              const SearchFiles& files = {}, const AnswerOptions& options = {});

// `day`: the day at a glance at one place (sunrise and sunset, the kalams,
// horas and choghadiyas, the elements' periods, the chart of a moment and,
// with a subject, the day's verdicts), in JSON.
int RunDay(const std::string& inputFile, std::istream& in, std::ostream& out,
           const AnswerOptions& options = {});

// The one-page match report, as RTF and as HTML (empty: not written).
struct MatchFiles {
  std::string rtfFile;
  std::string htmlFile;
  Language language = Language::English;  // of the report's headings and fixed words
  Digits digits = Digits::Western;        // of the reports and the --text table
};

// `match`: a couple's guna milan (36 points), doshas, poruthams and Manglik
// check from {"groom": {"name", "birth"}, "bride": {...}}, in JSON or, with
// `options.text`, as a table; the report also to `files`.
int RunMatch(const std::string& inputFile, std::istream& in, std::ostream& out,
             const AnswerOptions& options = {}, const MatchFiles& files = {});

// `example`: a valid request of `evaluate`, `search` or `day` to start from,
// the very text the README and the manual page show.
int PrintExample(const std::string& command, std::ostream& out);

// The whole request text from `inputFile`, or from `in` when it is empty,
// reading no more than one byte past `limit`. kExitOk, or with `error` set
// kExitFailure when it cannot be read (a folder included, on standard input
// too) and kExitBadRequest when it is too large.
int ReadRequestText(const std::string& inputFile, std::istream& in, std::string& text,
                    std::string& error, std::size_t limit = kMaxRequestBytes);

struct AlmanacOptions {
  std::string from;                       // as typed: "YYYY-MM-DD", a civil date at the place
  std::string to;                         // as typed, the last day of the range
  std::string place;                      // a city of the atlas: "Madurai" or "Hyderabad, Pakistan"
  bool regional = false;                  // also Holashtak and Pitru Paksha
  std::string months = "amanta";          // or "purnimanta": how Pitru Paksha's month is named
  bool text = false;                      // a line per period instead of JSON
  SettingKeys settings;                   // as typed; empty: the default
  Language language = Language::English;  // of the --text lines
  Digits digits = Digits::Western;        // of the --text lines
};

// `almanac`: the tradition's veto periods overlapping a range of whole days
// (at most ten years) at a city of the atlas, on its tz zone's clock, as
// {"place", "from", "to", "vetoes"}; a bad date, range or place is a bad
// request.
int RunAlmanac(const AlmanacOptions& options, std::ostream& out);

struct MonthOptions {
  int year = 0;
  int month = 0;
  std::string place;                      // a city of the atlas, as `almanac` takes it
  bool regional = false;                  // also Holashtak and Pitru Paksha
  bool text = false;                      // a line per day instead of JSON
  SettingKeys settings;                   // as typed; empty: the default
  Language language = Language::English;  // of the --text table
  Digits digits = Digits::Western;        // of the --text table
  std::string person;                     // a person of the book, by name: their chandrashtama days
  std::string bookPath;                   // empty: the desktop program's book
  std::string subject;                    // with a person: each day's best window ("Good") for it
};

// `month`: one entry per civil day of a month at a city of the atlas, on its
// tz zone's clock: sunrise and sunset, the tithi and nakshatra at sunrise
// with their ends, Rahu kalam and the vetoes in force that day; with a
// person of the book their chandrashtama, and with a subject too the day's
// best window. A bad month, year, place, person or subject is a bad request.
int RunMonth(const MonthOptions& options, std::ostream& out);

struct PlacesOptions {
  std::string query;         // first letters of a city's name (or of one of its words)
  std::string limit = "20";  // as typed: checked by ListPlaces
};

// `places`: the cities of the offline gazetteer matching a query, most
// populous first, as a JSON array of {name, state, country, latitude,
// longitude, time_zone, population}; an empty query or a limit that is not a
// whole number from 1 to 1000 is a bad request.
int ListPlaces(const PlacesOptions& options, std::ostream& out);

// `subjects`: the 34 subject texts, one per line, in dispatch order.
int ListSubjects(std::ostream& out);

// `zones`: the 71 time zone rows, each as text, hour caption and minute
// caption separated by tabs (the texts themselves contain commas).
int ListZones(std::ostream& out);

}  // namespace horavela::cli
