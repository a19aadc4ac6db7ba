#include "cli/day_text.h"

#include <iomanip>
#include <sstream>
#include <utility>

#include "search/local_minute.h"

namespace horavela::cli {

namespace {

constexpr int kLabelWidth = 17;  // "Abhijit muhurta" and two spaces

std::string TimeOrNone(const std::optional<LocalTime>& time) {
  return time ? FormatLocalTime(*time) : std::string("none");
}

void WriteLine(const std::string& label, const std::string& text, std::ostream& out) {
  out << std::left << std::setw(kLabelWidth) << label << text << '\n';
}

void WriteSky(const RiseAndSet& sky, std::ostream& out) {
  WriteLine("Sunrise", TimeOrNone(sky.sunrise), out);
  WriteLine("Sunset", TimeOrNone(sky.sunset), out);
  WriteLine("Next sunrise", TimeOrNone(sky.nextSunrise), out);
  if (sky.polarDay) out << "The Sun does not set: a polar day.\n";
  if (sky.polarNight) out << "The Sun does not rise: a polar night.\n";
}

void WriteSpan(const Period& period, std::ostream& out) {
  WriteLine(period.name, FormatLocalTime(period.from) + " to " + FormatLocalTime(period.to), out);
}

void WriteParts(const DayParts& parts, std::ostream& out) {
  WriteLine("Weekday", parts.weekday, out);
  for (const Period* kalam :
       {&parts.rahuKalam, &parts.yamaganda, &parts.gulikaKalam, &parts.abhijit}) {
    WriteSpan(*kalam, out);
  }
}

// Each period of an element with the time it ends.
void WriteElement(const char* element, const std::vector<Period>& periods, std::ostream& out) {
  out << element << ":\n";
  for (const Period& period : periods) {
    out << "  " << std::left << std::setw(24) << period.name << " until "
        << FormatLocalTime(period.to) << '\n';
  }
}

void WriteElements(const DayElements& elements, std::ostream& out) {
  const std::pair<const char*, const std::vector<Period>*> rows[] = {
      {"Tithi", &elements.tithi},   {"Nakshatra", &elements.nakshatra}, {"Yoga", &elements.yoga},
      {"Karana", &elements.karana}, {"Moon sign", &elements.moonSign},  {"Lagna", &elements.lagna},
  };
  for (const auto& [element, periods] : rows) WriteElement(element, *periods, out);
}

void WriteVerdicts(const std::vector<SearchWindow>& windows, std::ostream& out) {
  out << "Verdicts:\n";
  for (const SearchWindow& window : windows) {
    out << "  " << FormatLocalMinute(window.first) << " to " << FormatLocalMinute(window.last)
        << "  " << window.subject << ": " << window.evaluation().ResultWord << ", total "
        << window.evaluation().TotalScore << '\n';
  }
}

}  // namespace

std::string DayText(const DayRequest& request, const DayAtAGlance& day,
                    const std::vector<std::string>& warnings) {
  std::ostringstream out;
  const std::string date =
      FormatLocalMinute({request.year, request.month, request.day, 0, 0}).substr(0, 10);
  out << "Day " << date << (request.place.city.empty() ? "" : " at " + request.place.city) << '\n';
  WriteSky(day.sky, out);
  if (day.parts) WriteParts(*day.parts, out);
  WriteElements(day.elements, out);
  if (request.verdicts) WriteVerdicts(day.verdicts, out);
  if (!warnings.empty()) out << "Warnings:\n";
  for (const std::string& warning : warnings) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli
