#include "book/book_problem_text.h"

#include <cstddef>
#include <string_view>
#include <utility>

namespace horavela::book {

namespace {

using nlohmann::json;

// The words for each key of a path, as the book dialog and the wizard name
// the fields.
constexpr std::pair<std::string_view, std::string_view> kFieldWords[] = {
    {"name", "name"},
    {"sex", "sex"},
    {"note", "note"},
    {"birth", "birth"},
    {"year", "year"},
    {"month", "month"},
    {"day", "day"},
    {"hour", "hour"},
    {"minute", "minute"},
    {"second", "second"},
    {"latitude", "latitude"},
    {"longitude", "longitude"},
    {"degrees", "degrees"},
    {"minutes", "minutes"},
    {"north", "north box"},
    {"east", "east box"},
    {"zone", "time zone"},
    {"hours", "hours"},
    {"dst", "daylight-saving box"},
    {"tz", "time zone name"},
    {"city", "city"},
    {"state", "state"},
    {"country", "country"},
    {"people", "list of people"},
    {"places", "list of places"},
};

std::string_view WordsFor(std::string_view key) {
  for (const auto& [name, words] : kFieldWords) {
    if (name == key) return words;
  }
  return key;
}

// "birth.latitude.degrees" as "the birth latitude degrees".
std::string FieldWords(std::string_view path) {
  std::string words = "the";
  while (!path.empty()) {
    const std::size_t dot = path.find('.');
    words += " ";
    words += WordsFor(path.substr(0, dot));
    path = dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
  }
  return words;
}

// The entry a path begins with: "people[1]" gives the list, 1 and the rest.
struct EntryAt {
  std::string list;
  std::size_t index = 0;
  std::string rest;
};

bool SplitEntry(const std::string& path, EntryAt& entry) {
  const std::size_t open = path.find('[');
  const std::size_t close = path.find(']');
  if (open == std::string::npos || close == std::string::npos || close < open) return false;
  entry.list = path.substr(0, open);
  try {
    entry.index = std::stoul(path.substr(open + 1, close - open - 1));
  } catch (const std::exception&) {
    return false;
  }
  entry.rest = close + 2 <= path.size() ? path.substr(close + 2) : std::string();
  return true;
}

// The entry's name (a person's) or city (a place's), when the book gives one.
std::string EntryName(const json* document, const EntryAt& entry) {
  if (document == nullptr || !document->is_object()) return {};
  const auto list = document->find(entry.list);
  if (list == document->end() || !list->is_array() || entry.index >= list->size()) return {};
  const json& item = (*list)[entry.index];
  const char* key = entry.list == "people" ? "name" : "city";
  if (!item.is_object() || !item.contains(key) || !(*item.find(key)).is_string()) return {};
  const std::string name = item[key].get<std::string>();
  if (name.find_first_not_of(" \t\r\n") == std::string::npos) return {};
  const std::string echoed = messages::Echo(name);  // quoted, cut short, escaped
  return echoed.substr(1, echoed.size() - 2);
}

// Most messages begin with a verb and follow the field's name ("must be
// between 1 and 12"); the others ("unknown time zone ...") stand after a colon.
bool BeginsWithVerb(std::string_view message) {
  for (std::string_view verb : {"is ", "must ", "has ", "holds ", "does "}) {
    if (message.substr(0, verb.size()) == verb) return true;
  }
  return false;
}

std::string Said(const std::string& subject, const std::string& message) {
  return subject + (BeginsWithVerb(message) ? " " : ": ") + message + ".";
}

std::string Capitalized(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

}  // namespace

std::string BookProblemSentence(const Problem& problem, const json* document) {
  EntryAt entry;
  if (!SplitEntry(problem.path, entry)) {
    if (problem.path != "request") return Said(FieldWords(problem.path), problem.message);
    return (BeginsWithVerb(problem.message) ? "it " : "it is ") + problem.message + ".";
  }
  std::string sentence =
      (entry.list == "people" ? "Entry " : "Place ") + std::to_string(entry.index + 1);
  if (const std::string name = EntryName(document, entry); !name.empty())
    sentence += " (" + name + ")";
  sentence += ": ";
  // "February 30 1990 does not exist" says which field by itself.
  if (problem.rule == Rule::NoSuchDate) return sentence + Capitalized(problem.message) + ".";
  return sentence + Said(entry.rest.empty() ? "it" : FieldWords(entry.rest), problem.message);
}

}  // namespace horavela::book
