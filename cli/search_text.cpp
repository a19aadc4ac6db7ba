#include "cli/search_text.h"

#include <sstream>

#include "atlas/local_minute.h"

namespace horavela::cli {

namespace {

void WriteWindow(const SearchWindow& window, std::ostream& out) {
  out << "  " << FormatLocalMinute(window.first) << " to " << FormatLocalMinute(window.last) << "  "
      << NameOf(window.evaluation().ResultWord) << ", total " << window.evaluation().TotalScore;
  if (const Evaluation* partner = window.partnerEvaluation())
    out << "; partner " << NameOf(partner->ResultWord) << ", total " << partner->TotalScore;
  out << ", " << window.minutes << " min\n";
}

}  // namespace

std::string SearchText(const SearchResult& result, const std::vector<SearchWindow>& windows,
                       const std::vector<std::string>& warnings,
                       const std::vector<std::string>& vetoes) {
  std::ostringstream out;
  out << windows.size() << (windows.size() == 1 ? " window" : " windows") << " listed, "
      << result.minutesScanned << " minutes scanned"
      << (result.truncated ? "; more reached the result word than max_windows lists" : "") << '\n';
  const std::string* subject = nullptr;
  for (const std::size_t index : result.best) {
    if (index >= windows.size()) continue;
    const SearchWindow& window = windows[index];
    if (subject == nullptr || *subject != window.subject) {
      subject = &window.subject;
      out << "Best windows for " << window.subject << ":\n";
    }
    WriteWindow(window, out);
  }
  if (!vetoes.empty()) out << "Vetoes the tradition observes in the range:\n";
  for (const std::string& line : vetoes) out << "  " << line << '\n';
  if (!warnings.empty()) out << "Warnings:\n";
  for (const std::string& warning : warnings) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli
