#include "cli/day_text.h"

#include <iomanip>
#include <sstream>
#include <string_view>
#include <utility>

#include "atlas/local_minute.h"

namespace horavela::cli {

namespace {

constexpr int kLabelWidth = 17;  // "Abhijit muhurta" and two spaces

std::string TimeOrNone(const std::optional<LocalTime>& time, bool clockChanges) {
  return time ? FormatDayTime(*time, clockChanges) : std::string("none");
}

void WriteLine(const std::string& label, const std::string& text, std::ostream& out) {
  out << std::left << std::setw(kLabelWidth) << label << text << '\n';
}

void WriteSky(const RiseAndSet& sky, std::ostream& out) {
  WriteLine("Sunrise", TimeOrNone(sky.sunrise, sky.clockChanges), out);
  WriteLine("Sunset", TimeOrNone(sky.sunset, sky.clockChanges), out);
  WriteLine("Next sunrise", TimeOrNone(sky.nextSunrise, sky.clockChanges), out);
  // What a day without the ordinary sunrise, sunset and next sunrise lacks.
  static const std::pair<std::string_view, const char*> kPolarLines[] = {
      {"day", "The Sun does not set: a polar day."},
      {"night", "The Sun does not rise: a polar night."},
      {"no_sunset", "The Sun rises and does not set again this day: no kalams."},
      {"no_sunrise", "The Sun sets without having risen this day: no kalams."},
      {"no_next_sunrise", "The Sun does not rise again the next day: the night has no parts."},
  };
  for (const auto& [kind, line] : kPolarLines) {
    if (PolarKind(sky) == kind) out << line << '\n';
  }
}

void WriteSpan(const Period& period, bool clockChanges, std::ostream& out) {
  WriteLine(
      period.name,
      FormatDayTime(period.from, clockChanges) + " to " + FormatDayTime(period.to, clockChanges),
      out);
}

void WriteParts(const DayParts& parts, bool clockChanges, std::ostream& out) {
  WriteLine("Weekday", parts.weekday, out);
  for (const Period* kalam : {&parts.rahuKalam, &parts.yamaganda, &parts.gulikaKalam}) {
    WriteSpan(*kalam, clockChanges, out);
  }
  Period abhijit = parts.abhijit;
  // Almanacs leave Abhijit out on a Wednesday; its times still stand.
  if (!parts.abhijitObserved) abhijit.name += " (not observed on a Wednesday)";
  WriteSpan(abhijit, clockChanges, out);
}

// The durmuhurtas, the night's kalams, the named muhurtas, Varjyam and Amrit
// kalam, and the Gowri panchangam's parts with the times they end.
void WriteMuhurtas(const DayMuhurtas& muhurtas, bool clockChanges, std::ostream& out) {
  for (Period durmuhurta : muhurtas.durmuhurtam) {
    durmuhurta.name = "Durmuhurtam";
    WriteSpan(durmuhurta, clockChanges, out);
  }
  static const char* const kNightLabels[] = {"Rahu kalam night", "Yamaganda night", "Gulika night"};
  for (std::size_t i = 0; i < muhurtas.nightKalams.size(); ++i) {
    Period kalam = muhurtas.nightKalams[i];
    kalam.name = kNightLabels[i];
    WriteSpan(kalam, clockChanges, out);
  }
  for (const Period& named : muhurtas.named) WriteSpan(named, clockChanges, out);
  // Varjyam and Amrit kalam with the nakshatra each belongs to.
  for (const auto& [label, periods] :
       {std::pair{"Varjyam", &muhurtas.varjyam}, std::pair{"Amrit kalam", &muhurtas.amritKalam}}) {
    for (const Period& kalam : *periods) {
      WriteLine(label,
                FormatDayTime(kalam.from, clockChanges) + " to " +
                    FormatDayTime(kalam.to, clockChanges) + " (" + kalam.name + ")",
                out);
    }
  }
  out << "Gowri panchangam:\n";
  for (const Period& part : muhurtas.gowri) {
    out << "  " << std::left << std::setw(24) << part.name << " until "
        << FormatDayTime(part.to, clockChanges) << '\n';
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
        << "  " << window.subject << ": " << NameOf(window.evaluation().ResultWord) << ", total "
        << window.evaluation().TotalScore << '\n';
  }
}

// "Tarabala  05:10 to 13:02  Rohini: Sampat, Favourable".
void WriteStrengths(const char* label, const std::vector<StrengthPeriod>& periods,
                    std::ostream& out) {
  for (const StrengthPeriod& strength : periods) {
    const Period& period = strength.period;
    WriteLine(label,
              FormatLocalTime(period.from) + " to " + FormatLocalTime(period.to) + "  " +
                  period.name + ": " + (strength.tara.empty() ? "" : strength.tara + ", ") +
                  std::string(NameOf(strength.verdict)),
              out);
  }
}

void WritePerson(const PersonDay& person, std::ostream& out) {
  out << "For " << (person.name.empty() ? std::string("the person") : person.name)
      << " (birth star " << person.birthStar << ", birth Moon sign " << person.birthMoonSign
      << "):\n";
  WriteStrengths("Tarabala", person.tarabala, out);
  WriteStrengths("Chandrabala", person.chandrabala, out);
  for (const Period& span : person.chandrashtama)
    WriteLine(
        "Chandrashtama",
        FormatLocalTime(span.from) + " to " + FormatLocalTime(span.to) + " (" + span.name + ")",
        out);
  if (person.chandrashtama.empty()) WriteLine("Chandrashtama", "not this day", out);
}

}  // namespace

std::string DayText(const DayRequest& request, const DayAtAGlance& day,
                    const std::vector<std::string>& warnings,
                    const std::vector<std::string>& vetoes) {
  std::ostringstream out;
  const std::string date =
      FormatLocalMinute({request.year, request.month, request.day, 0, 0}).substr(0, 10);
  out << "Day " << date << (request.place.city.empty() ? "" : " at " + request.place.city) << '\n';
  WriteSky(day.sky, out);
  if (day.parts) WriteParts(*day.parts, day.sky.clockChanges, out);
  if (day.muhurtas) WriteMuhurtas(*day.muhurtas, day.sky.clockChanges, out);
  WriteElements(day.elements, out);
  if (request.verdicts && !request.verdicts->subjects.empty()) WriteVerdicts(day.verdicts, out);
  if (day.person) WritePerson(*day.person, out);
  out << (vetoes.empty() ? "No veto of the tradition is in force that day.\n"
                         : "Vetoes the tradition observes that day:\n");
  for (const std::string& line : vetoes) out << "  " << line << '\n';
  if (!warnings.empty()) out << "Warnings:\n";
  for (const std::string& warning : warnings) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli
