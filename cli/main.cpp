// horavela-cli: the evaluation of the desktop program as a JSON tool.
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/book_command.h"
#include "cli/commands.h"
#include "cli/example_requests.h"
#include "cli/file_options.h"
#include "language/language.h"

namespace {

using namespace horavela::cli;
using horavela::AyanamsaSystem;
using horavela::EphemerisSource;
using horavela::SettingChoice;
using horavela::SettingChoices;
using horavela::SunriseRule;
using horavela::TaraCount;

// Memory held back for the moment the system runs out. Unwinding needs some:
// the JSON values' destructors allocate, and a failure inside one ends the
// program without an answer. Released as the first bad_alloc is thrown.
constexpr std::size_t kReserveBytes = 8 << 20;
char* reserve = nullptr;

void ReleaseReserveAndFail() {
  delete[] reserve;
  reserve = nullptr;
  std::set_new_handler(nullptr);
  throw std::bad_alloc();
}

// --strict and --text, the same on evaluate, search and day.
void AddAnswerFlags(CLI::App& command, AnswerOptions& options) {
  command.add_flag("--strict", options.strict,
                   "Refuse a request with a key the command does not read (exit 2) instead of "
                   "warning of it");
  command.add_flag("--text", options.text,
                   "Write a short summary for a person to read instead of JSON");
}

// --lang CODE: the language of the reports a command writes; an unknown code
// is refused with the codes there are. --digits beside it: the language's own
// digits or the Western ones, in what is written for reading alone.
void AddLanguageOption(CLI::App& command, horavela::Language& language, horavela::Digits& digits,
                       std::string_view what = "the report's headings and fixed texts") {
  std::string codes;
  for (horavela::Language each : horavela::AllLanguages())
    codes.append(codes.empty() ? "" : ", ").append(horavela::CodeOf(each));
  command.add_option_function<std::string>(
      "--lang",
      [&language, codes](const std::string& code) {
        const std::optional<horavela::Language> named = horavela::LanguageNamed(code);
        if (!named)
          throw CLI::ValidationError("--lang",
                                     "unknown language \"" + code + "\"; the codes are " + codes);
        language = *named;
      },
      "The language of " + std::string(what) + " (" + codes +
          "; default en); the JSON stays English");
  command.add_option_function<std::string>(
      "--digits",
      [&digits](const std::string& choice) {
        if (choice == "native") {
          digits = horavela::Digits::Native;
        } else if (choice == "western") {
          digits = horavela::Digits::Western;
        } else {
          throw CLI::ValidationError(
              "--digits", "unknown digits \"" + choice + "\"; they are native or western");
        }
      },
      "native: the --lang language's own digits in " + std::string(what) +
          "; western (default): 0-9. The JSON keeps 0-9");
}

// The command's example request, as `horavela-cli example` prints it.
std::string ExampleFooter(const char* command) {
  return std::string("A whole request (horavela-cli example ") + command + " prints it):\n" +
         std::string(ExampleRequest(command));
}

// The keys a setting takes, its default first: "program (default), swiss".
template <typename Setting>
std::string KeysHelp(const std::string& what) {
  std::string keys;
  for (const SettingChoice<Setting>& choice : SettingChoices<Setting>())
    keys +=
        (keys.empty() ? "" : ", ") + std::string(choice.key) + (keys.empty() ? " (default)" : "");
  return what + ": " + keys;
}

// The calculation settings of a command that reads options; a key the
// setting does not take is the command's own bad request.
void AddSettingOptions(CLI::App& command, SettingKeys& keys) {
  command.add_option("--ephemeris", keys.ephemeris,
                     KeysHelp<EphemerisSource>("Where the Sun and Moon come from"));
  command.add_option("--ayanamsa", keys.ayanamsa, KeysHelp<AyanamsaSystem>("The ayanamsa"));
  command.add_option("--sunrise", keys.sunrise,
                     KeysHelp<SunriseRule>("When the Sun rises and sets"));
  command.add_option("--tarabala", keys.tarabala,
                     KeysHelp<TaraCount>("How tarabala counts from the birth star"));
}

// The options that name a file (their type is "FILE") as the command line gave them.
void CollectFileOptions(CLI::App& app, std::vector<FileOption>& files) {
  for (const CLI::Option* option : app.get_options()) {
    if (option->count() == 0 || option->get_type_name() != "FILE") continue;
    for (const std::string& path : option->results()) files.push_back({option->get_name(), path});
  }
  for (CLI::App* command : app.get_subcommands()) CollectFileOptions(*command, files);
}

std::vector<FileOption> FileOptionsGiven(CLI::App& app) {
  std::vector<FileOption> files;
  CollectFileOptions(app, files);
  return files;
}

int Run(int argc, char** argv) {
  CLI::App app{"Horavela electional astrology: evaluate a moment for an undertaking (JSON)",
               "horavela-cli"};
  app.require_subcommand(1);

  EvaluateOptions evaluate;
  CLI::App* evaluateCommand = app.add_subcommand(
      "evaluate", "Evaluate one JSON request (or JSON Lines with --batch); answer in JSON");
  evaluateCommand->add_option("FILE", evaluate.inputFile, "Request file (default: standard input)")
      ->type_name("FILE");
  evaluateCommand->add_flag("--batch", evaluate.batch,
                            "Read one request per line and answer one JSON object per line");
  bool noExplain = false;
  evaluateCommand->add_flag("--no-explain", noExplain,
                            "Leave out the explanation (window, elements, warnings, nearest "
                            "better moments)");
  evaluateCommand->add_option("--rtf", evaluate.rtfFile, "Also write the report as RTF to FILE")
      ->type_name("FILE");
  evaluateCommand->add_option("--html", evaluate.htmlFile, "Also write the report as HTML to FILE")
      ->type_name("FILE");
  evaluateCommand->add_flag("--full-report", evaluate.fullReport,
                            "Write the report as the desktop program saves it: for whom, when and "
                            "where, true sentences for sections the verdict denies, timing notes");
  AddLanguageOption(*evaluateCommand, evaluate.reportLanguage, evaluate.digits);
  AddAnswerFlags(*evaluateCommand, evaluate.answer);
  evaluateCommand->footer(ExampleFooter("evaluate"));

  std::string searchFile;
  SearchFiles searchFiles;
  CLI::App* searchCommand = app.add_subcommand(
      "search", "Find the windows of minutes whose evaluation reaches a result word (JSON)");
  searchCommand->add_option("FILE", searchFile, "Request file (default: standard input)")
      ->type_name("FILE");
  searchCommand
      ->add_option("--csv", searchFiles.csv, "Also write the listed windows as CSV to FILE")
      ->type_name("FILE");
  searchCommand
      ->add_option("--ics", searchFiles.ics,
                   "Also write the listed windows as iCalendar events to FILE")
      ->type_name("FILE");
  AnswerOptions searchAnswer;
  AddAnswerFlags(*searchCommand, searchAnswer);
  AddLanguageOption(*searchCommand, searchAnswer.textLanguage, searchAnswer.textDigits,
                    "the --text summary's labels, verdicts and veto lines");
  searchCommand->footer(
      "A place with \"tz\" instead of \"zone\" and \"dst\" follows that zone minute by minute:\n"
      "clock minutes skipped by a spring-forward change do not exist (a window judged alike\n"
      "across them is one window), and minutes the clocks run through twice are judged in\n"
      "both runs, written with the offset of their run (\"2024-11-03T01:09-05:00\").\n\n" +
      ExampleFooter("search"));

  std::string dayFile;
  CLI::App* dayCommand = app.add_subcommand(
      "day", "The day at a glance at one place: sunrise, kalams, elements, chart (JSON)");
  dayCommand->add_option("FILE", dayFile, "Request file (default: standard input)")
      ->type_name("FILE");
  AnswerOptions dayAnswer;
  AddAnswerFlags(*dayCommand, dayAnswer);
  AddLanguageOption(*dayCommand, dayAnswer.textLanguage, dayAnswer.textDigits,
                    "the --text summary's labels and the elements' names");
  dayCommand->footer(ExampleFooter("day"));

  std::string matchFile;
  CLI::App* matchCommand = app.add_subcommand(
      "match", "Match a couple: the 36 points of guna milan, doshas, poruthams, Manglik (JSON)");
  matchCommand->add_option("FILE", matchFile, "Request file (default: standard input)")
      ->type_name("FILE");
  AnswerOptions matchAnswer;
  AddAnswerFlags(*matchCommand, matchAnswer);
  MatchFiles matchFiles;
  matchCommand
      ->add_option("--rtf", matchFiles.rtfFile, "Also write the match report as RTF to FILE")
      ->type_name("FILE");
  matchCommand
      ->add_option("--html", matchFiles.htmlFile, "Also write the match report as HTML to FILE")
      ->type_name("FILE");
  AddLanguageOption(*matchCommand, matchFiles.language, matchFiles.digits);
  matchCommand->footer(
      "Request: {\"groom\": {\"name\", \"birth\": MOMENT}, \"bride\": {\"name\", \"birth\": "
      "MOMENT}},\na MOMENT as evaluate's \"birth\" (with \"zone\" and \"dst\", or \"tz\").");

  std::string exampleOf;
  CLI::App* exampleCommand = app.add_subcommand(
      "example", "Print a valid request of evaluate, search or day to start from (JSON)");
  exampleCommand->add_option("COMMAND", exampleOf, "evaluate, search or day")
      ->required()
      ->check(CLI::IsMember({"evaluate", "search", "day"}));

  AlmanacOptions almanac;
  CLI::App* almanacCommand = app.add_subcommand(
      "almanac",
      "The periods the tradition begins nothing auspicious in, over a range of days "
      "at a city of the atlas (JSON)");
  almanacCommand->add_option("--from", almanac.from, "First day, YYYY-MM-DD (local)")->required();
  almanacCommand->add_option("--to", almanac.to, "Last day, YYYY-MM-DD, at most 10 years on")
      ->required();
  almanacCommand
      ->add_option("--place", almanac.place,
                   "A city of the offline atlas (horavela-cli places finds it), on its tz zone; "
                   "\"NAME, STATE\" or \"NAME, COUNTRY\" where the name is not enough")
      ->required();
  almanacCommand->add_flag("--regional", almanac.regional,
                           "Also list the regional vetoes, Holashtak and Pitru Paksha");
  almanacCommand
      ->add_option("--months", almanac.months,
                   "How lunar months are named (Pitru Paksha's month): amanta or purnimanta")
      ->capture_default_str()
      ->check(CLI::IsMember({"amanta", "purnimanta"}));
  AddSettingOptions(*almanacCommand, almanac.settings);
  almanacCommand->add_flag("--text", almanac.text,
                           "Write one line per period for a person to read instead of JSON");
  AddLanguageOption(*almanacCommand, almanac.language, almanac.digits, "the --text lines");
  almanacCommand->footer(
      "Each period: {\"veto\", \"name\", \"from\", \"to\", \"reason\"}, whole (it may begin "
      "before\nthe range and end after it), its minutes on the place's clock.");

  MonthOptions month;
  CLI::App* monthCommand = app.add_subcommand(
      "month",
      "A month on one page at a city of the atlas: sunrise, sunset, tithi and nakshatra at "
      "sunrise, Rahu kalam and the vetoes of each day (JSON)");
  monthCommand->add_option("--year", month.year, "The year, 1901-2050")->required();
  monthCommand->add_option("--month", month.month, "The month, 1-12")->required();
  monthCommand
      ->add_option("--place", month.place,
                   "A city of the offline atlas, on its tz zone, as almanac takes it")
      ->required();
  monthCommand->add_flag("--regional", month.regional,
                         "Also mark the regional vetoes, Holashtak and Pitru Paksha");
  AddSettingOptions(*monthCommand, month.settings);
  monthCommand->add_flag("--text", month.text,
                         "Write a table, one line per day, for a person to read instead of JSON");
  AddLanguageOption(*monthCommand, month.language, month.digits,
                    "the --text table's headings and the elements' names");
  monthCommand->add_option("--person", month.person,
                           "A person of the book, by name: mark their chandrashtama days");
  monthCommand->add_option("--book", month.bookPath,
                           "The book's file (default: the desktop program's book)");
  monthCommand->add_option("--subject", month.subject,
                           "With --person: each day's best window (Good) for this undertaking");

  PlacesOptions places;
  CLI::App* placesCommand = app.add_subcommand(
      "places", "Find cities in the offline atlas, most populous first, with their tz zone (JSON)");
  placesCommand->add_option("QUERY", places.query, "First letters of the city's name")->required();
  placesCommand->add_option("--limit", places.limit, "At most this many cities (1-1000)")
      ->capture_default_str();

  CLI::App* subjectsCommand =
      app.add_subcommand("subjects", "List the 34 subject texts, one per line, in dispatch order");
  CLI::App* zonesCommand = app.add_subcommand(
      "zones", "List the 71 time zones: text, hour caption, minute caption (tab-separated)");

  BookOptions book;
  CLI::App* bookCommand =
      app.add_subcommand("book", "The book of people and places: list, add, export, import (JSON)");
  bookCommand->require_subcommand(1);
  bookCommand->fallthrough();
  bookCommand
      ->add_option("--book", book.bookPath, "The book's file (default: the desktop program's book)")
      ->type_name("FILE");
  bookCommand->add_subcommand("list", "Write the whole book (JSON)");
  CLI::App* bookAdd = bookCommand->add_subcommand("add", "Add one person (a JSON object)");
  bookAdd->add_option("FILE", book.file, "The person (default: standard input)")->type_name("FILE");
  CLI::App* bookExport =
      bookCommand->add_subcommand("export", "Write the whole book to FILE or standard output");
  bookExport->add_option("FILE", book.file, "Write it to FILE (default: standard output)")
      ->type_name("FILE");
  CLI::App* bookImport = bookCommand->add_subcommand(
      "import", "Add an export's people and places not yet in the book");
  bookImport->add_option("FILE", book.file, "The export to read")->required()->type_name("FILE");
  bookCommand->footer(
      "Form: {\"people\": [{\"name\", \"sex\", \"birth\": MOMENT, \"note\"}], "
      "\"places\": [PLACE, ...]}.\n"
      "A person already in the book (same name, sex and birth) is skipped, a place likewise.");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help and version end well; any other command-line mistake is a bad request.
    return app.exit(e) == 0 ? kExitOk : kExitBadRequest;
  }

  if (const int status = RefuseBadFileOptions(FileOptionsGiven(app), std::cout); status != kExitOk)
    return status;
  evaluate.explain = !noExplain;
  if (*evaluateCommand) return RunEvaluate(evaluate, std::cin, std::cout);
  if (*searchCommand) return RunSearch(searchFile, std::cin, std::cout, searchFiles, searchAnswer);
  if (*dayCommand) return RunDay(dayFile, std::cin, std::cout, dayAnswer);
  if (*matchCommand) return RunMatch(matchFile, std::cin, std::cout, matchAnswer, matchFiles);
  if (*exampleCommand) return PrintExample(exampleOf, std::cout);
  if (*almanacCommand) return RunAlmanac(almanac, std::cout);
  if (*monthCommand) return RunMonth(month, std::cout);
  if (*placesCommand) return ListPlaces(places, std::cout);
  if (*subjectsCommand) return ListSubjects(std::cout);
  if (*zonesCommand) return ListZones(std::cout);
  if (*bookCommand) {
    book.action = *bookAdd      ? BookAction::kAdd
                  : *bookExport ? BookAction::kExport
                  : *bookImport ? BookAction::kImport
                                : BookAction::kList;
    return RunBook(book, std::cin, std::cout, std::cerr);
  }
  return kExitBadRequest;
}

// An answer cut short by a full disk or a closed pipe must not pass for a
// whole one.
int CheckOutput(int status) {
  std::cout.flush();
  if (std::cout) return status;
  std::cerr << "horavela-cli: the output could not be written\n";
  return kExitFailure;
}

}  // namespace

int main(int argc, char** argv) {
  int status = kExitFailure;
  try {
    reserve = new char[kReserveBytes];
    std::set_new_handler(ReleaseReserveAndFail);
    status = Run(argc, argv);
  } catch (const std::bad_alloc&) {
    status = AnswerOutOfMemory(std::cout);
  } catch (const std::exception& e) {
    std::cerr << "horavela-cli: " << e.what() << '\n';
  }
  return CheckOutput(status);
}
