#include "cli/day_text.h"

#include <sstream>
#include <string_view>
#include <tuple>
#include <utility>

#include "atlas/local_minute.h"
#include "language/element_names.h"
#include "report/utf8.h"

namespace horavela::cli {

namespace {

constexpr int kLabelWidth = 17;   // "Abhijit muhurta" and two spaces
constexpr int kPeriodWidth = 24;  // "Poorva Phalguni pada 1" and two spaces

// What every part of the summary writes with: the stream and the words of
// its language. Columns are padded by display width, so Devanagari and Tamil
// labels line up as Latin ones do.
struct Page {
  std::ostream& out;
  Words say;
};

std::string TimeOrNone(const std::optional<LocalTime>& time, bool clockChanges, const Words& say) {
  return time ? FormatDayTime(*time, clockChanges) : std::string(say("none"));
}

void WriteLine(std::string_view label, const std::string& text, Page& page) {
  page.out << PaddedTo(page.say(label), kLabelWidth) << text << '\n';
}

std::string Span(const LocalTime& from, const LocalTime& to, bool clockChanges, const Words& say) {
  return Formatted(say("%1 to %2"),
                   {FormatDayTime(from, clockChanges), FormatDayTime(to, clockChanges)});
}

void WriteSky(const RiseAndSet& sky, Page& page) {
  WriteLine("Sunrise", TimeOrNone(sky.sunrise, sky.clockChanges, page.say), page);
  WriteLine("Sunset", TimeOrNone(sky.sunset, sky.clockChanges, page.say), page);
  WriteLine("Next sunrise", TimeOrNone(sky.nextSunrise, sky.clockChanges, page.say), page);
  // What a day without the ordinary sunrise, sunset and next sunrise lacks.
  static const std::pair<std::string_view, const char*> kPolarLines[] = {
      {"day", "The Sun does not set: a polar day."},
      {"night", "The Sun does not rise: a polar night."},
      {"no_sunset", "The Sun rises and does not set again this day: no kalams."},
      {"no_sunrise", "The Sun sets without having risen this day: no kalams."},
      {"no_next_sunrise", "The Sun does not rise again the next day: the night has no parts."},
  };
  for (const auto& [kind, line] : kPolarLines) {
    if (PolarKind(sky) == kind) page.out << page.say(line) << '\n';
  }
}

// A kalam or muhurta from its start to its end, under its name.
void WriteSpan(std::string_view name, const Period& period, bool clockChanges, Page& page) {
  WriteLine(name, Span(period.from, period.to, clockChanges, page.say), page);
}

void WriteParts(const DayParts& parts, bool clockChanges, Page& page) {
  const Language language = page.say.language;
  WriteLine("Weekday",
            language == Language::English ? parts.weekday
                                          : std::string(NameOf(parts.weekdayValue, language)),
            page);
  for (const Period* kalam : {&parts.rahuKalam, &parts.yamaganda, &parts.gulikaKalam}) {
    WriteSpan(NameOf(*kalam, language), *kalam, clockChanges, page);
  }
  std::string abhijit = NameOf(parts.abhijit, language);
  // Almanacs leave Abhijit out on a Wednesday; its times still stand.
  if (!parts.abhijitObserved) abhijit += page.say(" (not observed on a Wednesday)");
  WriteSpan(abhijit, parts.abhijit, clockChanges, page);
}

// The durmuhurtas, the night's kalams, the named muhurtas, Varjyam and Amrit
// kalam, and the Gowri panchangam's parts with the times they end.
void WriteMuhurtas(const DayMuhurtas& muhurtas, bool clockChanges, Page& page) {
  const Words& say = page.say;
  for (const Period& durmuhurta : muhurtas.durmuhurtam)
    WriteSpan("Durmuhurtam", durmuhurta, clockChanges, page);
  static const char* const kNightLabels[] = {"Rahu kalam night", "Yamaganda night", "Gulika night"};
  for (std::size_t i = 0; i < muhurtas.nightKalams.size(); ++i)
    WriteSpan(kNightLabels[i], muhurtas.nightKalams[i], clockChanges, page);
  for (const Period& named : muhurtas.named)
    WriteSpan(NameOf(named, say.language), named, clockChanges, page);
  // Varjyam and Amrit kalam with the nakshatra each belongs to.
  for (const auto& [label, periods] :
       {std::pair{"Varjyam", &muhurtas.varjyam}, std::pair{"Amrit kalam", &muhurtas.amritKalam}}) {
    for (const Period& kalam : *periods) {
      WriteLine(
          label,
          Span(kalam.from, kalam.to, clockChanges, say) + " (" + NameOf(kalam, say.language) + ")",
          page);
    }
  }
  page.out << say("Gowri panchangam:") << '\n';
  for (const Period& part : muhurtas.gowri) {
    page.out << "  " << PaddedTo(NameOf(part, say.language), kPeriodWidth) << say(" until ")
             << FormatDayTime(part.to, clockChanges) << '\n';
  }
}

// Each period of an element with the time it ends.
void WriteElement(std::string_view heading, const std::vector<Period>& periods, Page& page) {
  page.out << page.say(heading) << '\n';
  for (const Period& period : periods) {
    page.out << "  " << PaddedTo(NameOf(period, page.say.language), kPeriodWidth)
             << page.say(" until ") << FormatLocalTime(period.to) << '\n';
  }
}

void WriteElements(const DayElements& elements, Page& page) {
  const std::pair<const char*, const std::vector<Period>*> rows[] = {
      {"Tithi:", &elements.tithi},        {"Nakshatra:", &elements.nakshatra},
      {"Yoga:", &elements.yoga},          {"Karana:", &elements.karana},
      {"Moon sign:", &elements.moonSign}, {"Lagna:", &elements.lagna},
  };
  for (const auto& [heading, periods] : rows) WriteElement(heading, *periods, page);
}

void WriteVerdicts(const std::vector<SearchWindow>& windows, Page& page) {
  const Words& say = page.say;
  page.out << say("Verdicts:") << '\n';
  for (const SearchWindow& window : windows) {
    page.out << "  "
             << Formatted(say("%1 to %2"),
                          {FormatLocalMinute(window.first), FormatLocalMinute(window.last)})
             << "  " << say(window.subject) << ": "
             << Formatted(say("%1, total %2"), {say(NameOf(window.evaluation().ResultWord)),
                                                std::to_string(window.evaluation().TotalScore)})
             << '\n';
  }
}

// The tara of a tarabala stretch in `language`; empty for chandrabala.
std::string TaraIn(const StrengthPeriod& strength, Language language) {
  if (language == Language::English) return strength.tara;
  return NameOf(strength.taraTerm, language);
}

// "Tarabala  05:10 to 13:02  Rohini: Sampat, Favourable".
void WriteStrengths(const char* label, const std::vector<StrengthPeriod>& periods, Page& page) {
  const Words& say = page.say;
  for (const StrengthPeriod& strength : periods) {
    const Period& period = strength.period;
    WriteLine(
        label,
        Formatted(say("%1 to %2"), {FormatLocalTime(period.from), FormatLocalTime(period.to)}) +
            "  " + NameOf(period, say.language) + ": " +
            (strength.tara.empty() ? "" : TaraIn(strength, say.language) + ", ") +
            std::string(say(NameOf(strength.verdict))),
        page);
  }
}

void WritePerson(const PersonDay& person, Page& page) {
  const Words& say = page.say;
  const Language language = say.language;
  page.out << Formatted(say("For %1 (birth star %2, birth Moon sign %3):"),
                        {person.name.empty() ? say("the person") : person.name,
                         NameOf(person.birthStarValue, language),
                         NameOf(person.birthMoonSignValue, language)})
           << '\n';
  WriteStrengths("Tarabala", person.tarabala, page);
  WriteStrengths("Chandrabala", person.chandrabala, page);
  for (const Period& span : person.chandrashtama)
    WriteLine("Chandrashtama",
              Formatted(say("%1 to %2"), {FormatLocalTime(span.from), FormatLocalTime(span.to)}) +
                  " (" + NameOf(span, language) + ")",
              page);
  if (person.chandrashtama.empty())
    WriteLine("Chandrashtama", std::string(say("not this day")), page);
}

}  // namespace

std::string DayText(const DayRequest& request, const DayAtAGlance& day,
                    const std::vector<std::string>& warnings,
                    const std::vector<std::string>& vetoes, Language language) {
  std::ostringstream out;
  Page page{out, Words{language}};
  const Words& say = page.say;
  const std::string date =
      FormatLocalMinute({request.year, request.month, request.day, 0, 0}).substr(0, 10);
  out << Formatted(say("Day %1"), {date})
      << (request.place.city.empty() ? "" : Formatted(say(" at %1"), {request.place.city})) << '\n';
  WriteSky(day.sky, page);
  if (day.parts) WriteParts(*day.parts, day.sky.clockChanges, page);
  if (day.muhurtas) WriteMuhurtas(*day.muhurtas, day.sky.clockChanges, page);
  WriteElements(day.elements, page);
  if (request.verdicts && !request.verdicts->subjects.empty()) WriteVerdicts(day.verdicts, page);
  if (day.person) WritePerson(*day.person, page);
  out << say(vetoes.empty() ? "No veto of the tradition is in force that day."
                            : "Vetoes the tradition observes that day:")
      << '\n';
  for (const std::string& line : vetoes) out << "  " << line << '\n';
  if (!warnings.empty()) out << say("Warnings:") << '\n';
  for (const std::string& warning : warnings) out << "  " << warning << '\n';
  return out.str();
}

}  // namespace horavela::cli
