#include "cli/search_text.h"

#include <sstream>

#include "atlas/local_minute.h"
#include "language/catalog.h"

namespace horavela::cli {

namespace {

// "  2025-02-14T10:30 to 2025-02-14T11:05  Good, total 4; partner Good, total 3, 35 min"
void WriteWindow(const SearchWindow& window, const Words& say, std::ostream& out) {
  const Evaluation& own = window.evaluation();
  std::string verdict =
      Formatted(say("%1, total %2"), {say(NameOf(own.ResultWord)), std::to_string(own.TotalScore)});
  if (const Evaluation* partner = window.partnerEvaluation()) {
    const std::string theirs =
        Formatted(say("%1, total %2"),
                  {say(NameOf(partner->ResultWord)), std::to_string(partner->TotalScore)});
    verdict = Formatted(say("%1; partner %2"), {verdict, theirs});
  }
  out << "  "
      << Formatted(say("%1 to %2  %3, %4 min"),
                   {FormatLocalMinute(window.first), FormatLocalMinute(window.last), verdict,
                    std::to_string(window.minutes)})
      << '\n';
}

// "12 windows listed, 4320 minutes scanned", with the singular and the note
// that max_windows cut the list short as whole sentences of their own.
std::string CountLine(const SearchResult& result, std::size_t listed, const Words& say) {
  const bool one = listed == 1;
  const char* pattern =
      result.truncated
          ? (one ? "%1 window listed, %2 minutes scanned; more reached the result word than "
                   "max_windows lists"
                 : "%1 windows listed, %2 minutes scanned; more reached the result word than "
                   "max_windows lists")
          : (one ? "%1 window listed, %2 minutes scanned"
                 : "%1 windows listed, %2 minutes scanned");
  return Formatted(say(pattern), {std::to_string(listed), std::to_string(result.minutesScanned)});
}

}  // namespace

std::string SearchText(const SearchResult& result, const std::vector<SearchWindow>& windows,
                       const std::vector<std::string>& warnings,
                       const std::vector<std::string>& vetoes, Language language) {
  const Words say{language};
  std::ostringstream out;
  out << CountLine(result, windows.size(), say) << '\n';
  const std::string* subject = nullptr;
  for (const std::size_t index : result.best) {
    if (index >= windows.size()) continue;
    const SearchWindow& window = windows[index];
    if (subject == nullptr || *subject != window.subject) {
      subject = &window.subject;
      out << Formatted(say("Best windows for %1:"), {say(window.subject)}) << '\n';
    }
    WriteWindow(window, say, out);
  }
  if (!vetoes.empty()) out << say("Vetoes the tradition observes in the range:") << '\n';
  for (const std::string& line : vetoes) out << "  " << line << '\n';
  if (!warnings.empty()) out << say("Warnings:") << '\n';
  for (const std::string& warning : warnings) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli
