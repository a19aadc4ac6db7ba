#include "report/report_particulars.h"

#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "calendar/civil_calendar.h"
#include "language/catalog.h"
#include "language/wording.h"
#include "report/program_identity.h"

namespace horavela {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The parts that have something to say, trimmed, joined by ", ".
std::string JoinFilled(std::initializer_list<std::string_view> parts) {
  std::string joined;
  for (std::string_view part : parts) {
    part = Trimmed(part);
    if (part.empty()) continue;
    if (!joined.empty()) joined += ", ";
    joined += part;
  }
  return joined;
}

// "2 March 1996"; a month the input checks would refuse keeps its number.
std::string DateText(const MomentEntry& moment, Language language) {
  return TextOf(CivilDateOf(moment.year, moment.month, moment.day), language);
}

std::string TimeText(const MomentEntry& moment) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", moment.hour, moment.minute);
  return text;
}

// "18°58' N", held together by a no-break space so a line never ends
// between the angle and its side.
std::string Angle(int degrees, int minutes, char side) {
  char text[32];
  std::snprintf(text, sizeof text, "%d°%d'\u00A0%c", degrees, minutes, side);
  return text;
}

// "(18°58' N, 72°50' E, UTC+05:30)"
std::string PositionText(const PlaceEntry& place) {
  const int offset = UtcOffsetOfZoneCaptions(place.zoneHours, place.zoneMinutes, place.dst);
  std::string text = "(";
  text += Angle(place.latitudeDegrees, place.latitudeMinutes, place.north ? 'N' : 'S');
  text += ", ";
  text += Angle(place.longitudeDegrees, place.longitudeMinutes, place.east ? 'E' : 'W');
  text += ", ";
  text += FormatUtcOffset(offset);
  text += ')';
  return text;
}

}  // namespace

std::string MomentLine(std::string_view which, const MomentEntry& moment, Language language) {
  std::string line =
      Formatted(Translated("%1 %2 at %3", language),
                {Translated(which, language), DateText(moment, language), TimeText(moment)});
  const PlaceEntry& place = moment.place;
  const std::string where = JoinFilled({place.city, place.state, place.country});
  if (!where.empty()) line += Formatted(Translated(" in %1", language), {where});
  line += ' ';
  line += PositionText(place);
  return line;
}

namespace {

// A setting in the line: its caption in a phrase that makes it read as prose
// ("sunrise by the %1"); the captions of sunrise and tarabala are no names and
// go lower case there.
struct SettingPhrase {
  const char* pattern;
  bool lowerCase;
};
constexpr SettingPhrase kEphemerisPhrase{"%1", false};
constexpr SettingPhrase kAyanamsaPhrase{"%1 ayanamsa", false};
constexpr SettingPhrase kSunrisePhrase{"sunrise by the %1", true};
constexpr SettingPhrase kTaraPhrase{"tarabala counted %1", true};

template <typename Setting>
void AddPhrase(std::string& line, Setting value, const SettingPhrase& phrase, Language language) {
  if (value == Setting{}) return;
  std::string caption(Translated(ChoiceOf(value).caption, language));
  // Only an ASCII capital changes; the scripts have no case.
  if (phrase.lowerCase && !caption.empty())
    caption[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[0])));
  if (!line.empty()) line += "; ";
  line += Formatted(Translated(phrase.pattern, language), {caption});
}

}  // namespace

std::string SettingsInWords(const CalculationSettings& settings, Language language) {
  std::string line;
  AddPhrase(line, settings.ephemeris, kEphemerisPhrase, language);
  AddPhrase(line, settings.ayanamsa, kAyanamsaPhrase, language);
  AddPhrase(line, settings.sunrise, kSunrisePhrase, language);
  AddPhrase(line, settings.tarabala, kTaraPhrase, language);
  return line;
}

std::vector<std::string> ReportParticulars(const EvaluationInput& input, Language language) {
  std::vector<std::string> lines;
  // The sex is kept as the requests write it ("Male", "Female") and said in the language.
  const std::string person = JoinFilled({input.name, Translated(input.sex, language)});
  if (!person.empty())
    lines.push_back(Formatted(Translated("Prepared for %1", language), {person}));
  lines.push_back(MomentLine("Born", input.birth, language));
  lines.push_back(MomentLine("Election", input.election, language));
  if (const std::string settings = SettingsInWords(input.settings, language); !settings.empty())
    lines.push_back(Formatted(Translated("Calculation: %1", language), {settings}));
  std::string program(kProgramName);
  program += ' ';
  program += kProgramVersion;
  lines.push_back(std::move(program));
  return lines;
}

}  // namespace horavela
