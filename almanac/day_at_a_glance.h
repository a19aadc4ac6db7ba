#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/period_names.h"
#include "engine/calculation_state.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "search/muhurta_finder.h"

// The day at a glance: what an almanac shows beside a judged moment, in the
// program's own numbers. Sunrise and sunset come from Swiss Ephemeris; the
// elements from the same theories the verdicts use, so their start and end
// minutes agree with what the judge says at each minute.
namespace horavela {

// A local clock time at the place, to the second, and where it is known the
// offset from universal time in force at that instant: the sky's times and
// the day's parts carry it, which tells the two passes of a repeated hour
// apart and places a time on a date the clocks skipped into.
struct LocalTime {
  LocalTime() = default;
  LocalTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
            std::optional<int> utcOffsetSeconds = std::nullopt)
      : year(year),
        month(month),
        day(day),
        hour(hour),
        minute(minute),
        second(second),
        utcOffsetSeconds(utcOffsetSeconds) {}

  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  std::optional<int> utcOffsetSeconds;  // east of Greenwich positive
  // Set only for a time the clocks ran through twice: which run it is.
  std::optional<ClockRun> repeated = std::nullopt;

  // Ordered and equal by the clock reading, a repeated time's second run
  // after its first; the offset alone does not tell two times apart.
  std::strong_ordering operator<=>(const LocalTime& other) const;
  bool operator==(const LocalTime& other) const { return (*this <=> other) == 0; }
};

// "2025-01-03T07:12:05"; in an hour the clocks repeat, with the offset of
// its run: "2024-11-03T01:09:00-05:00".
std::string FormatLocalTime(const LocalTime& time);
// "2011-12-31T07:01:18+14:00": the same with the offset in force, where known.
std::string FormatLocalTimeWithOffset(const LocalTime& time);
// A time of the sky or of the day's parts: with the offset in force on a day
// whose clock changes (a time in a repeated hour or beside a skipped one then
// names its instant), as the plain clock otherwise.
std::string FormatDayTime(const LocalTime& time, bool clockChanges);

// A named stretch of local clock time: a kalam, a hora, a tithi, ... Its
// name in English, and what it is as a value (`term`), which names it in
// any other language; a stretch made up on the way (a verdict's) has only
// the English.
struct Period {
  std::string name;
  LocalTime from;
  LocalTime to;
  PeriodName term = {};
};

// `period` as `language` names it: its English name in English and where
// it has no term.
std::string NameOf(const Period& period, Language language);

// The day's place is the request's place (ZonedPlace), as a search's is.
struct DayRequest : ZonedPlace {
  int year = 2000;  // the civil date at the place
  int month = 1;
  int day = 1;
  // The moment of the chart: noon of the date unless set.
  std::optional<LocalMinute> chartMoment;
  // When set, a person (name, sex, birth) whose strengths the day shows;
  // with subjects too, the day's verdict band: the finder's windows of the
  // day, every result word (the place and range are the day's).
  std::optional<SearchRequest> verdicts;
  // How the Sun's times and every element of the day are computed; the
  // verdict band follows them too.
  CalculationSettings settings;
};

// Sunrise (the Sun's upper limb with standard refraction, height 0), the
// sunset that ends its daytime (even after midnight), the sunrise after that
// sunset, moonrise and moonset, local clock time with the offset in force.
// Nothing where the body does not rise or set that day; polarDay / polarNight
// say why for the Sun when it does neither.
struct RiseAndSet {
  std::optional<LocalTime> sunrise;
  std::optional<LocalTime> sunset;
  std::optional<LocalTime> nextSunrise;
  // The sunset that began the night ending at this sunrise (the day at a
  // glance's own sky only: its dawn muhurtas are parts of that night).
  std::optional<LocalTime> previousSunset;
  std::optional<LocalTime> moonrise;
  std::optional<LocalTime> moonset;
  bool polarDay = false;
  bool polarNight = false;
  // The clock's offset changes between the instant before the civil day's
  // midnight and the last of the Sun's times: a change of daylight saving, or
  // a date the clocks skipped (Apia's 30 December 2011) just before this one.
  bool clockChanges = false;
};

// Where the Sun's turns around the date are not an ordinary day's: "day" or
// "night" (it neither rises nor sets), "no_sunset" (it rises and does not set
// again), "no_sunrise" (it sets on a date it did not rise, so its daytime
// began on an earlier date), "no_next_sunrise" (the night after the sunset
// lasts past the next date); empty on an ordinary day.
std::string_view PolarKind(const RiseAndSet& sky);

// The parts of the almanac's day, from sunrise to the next sunrise, divided
// in real (universal) time and read on the clock in force at each instant.
struct DayParts {
  std::string weekday;  // of the sunrise that begins the day, on its own clock
  Weekday weekdayValue = Weekday::None;
  Period rahuKalam;
  Period yamaganda;
  Period gulikaKalam;
  Period abhijit;
  // Almanacs do not observe Abhijit muhurta on a Wednesday: its times are
  // kept, but it is no help that day.
  bool abhijitObserved = true;
  // 24: 12 of the daytime, 12 of the night; only the daytime's 12 when the
  // night after the sunset has no end on the next date (polar night begins).
  std::vector<Period> hora;
  std::vector<Period> choghadiya;  // 16: 8 of the daytime, 8 of the night (or 8)
};

// The day's muhurtas beyond the kalams, from the same sunrise, sunset and
// next sunrise. The daytime and the night each hold 15 muhurtas and 30
// ghatis; the night, like the daytime, 8 kalam parts. Night parts are kept
// only where the night ends on the next date (the vectors then hold fewer).
struct DayMuhurtas {
  // The weekday's inauspicious muhurtas: "Muhurta 14 of the day",
  // "Muhurta 7 of the night", in time order.
  std::vector<Period> durmuhurtam;
  // "Rahu kalam", "Yamaganda", "Gulika kalam" of the night, in that order.
  std::vector<Period> nightKalams;
  // In time order, those there are of "Vijaya muhurta", "Godhuli",
  // "Sayahna sandhya", "Pradosh", "Nishita kaal", and "Brahma muhurta" and
  // "Pratah sandhya" of the dawn before the day's own sunrise (none without
  // the sunset before it).
  std::vector<Period> named;
  // Gowri panchangam (Nalla Neram): 8 parts of the daytime, 8 of the night.
  std::vector<Period> gowri;
  // Varjyam (tyajyam) and Amrit kalam of the nakshatras, those that begin
  // from sunrise to the next sunrise (to the day's end without one), in
  // time order, each named for its nakshatra: none, one or two of each.
  std::vector<Period> varjyam;
  std::vector<Period> amritKalam;
};

// Each element's periods over the civil day and over sunrise to the next
// sunrise: the first starts before and the last ends after where that is so.
// Names as the charts of an evaluation write them (tithi with its paksha,
// nakshatra with its pada): "Dwadasi (Shukla)", "Ammavasai (Krishna)";
// "Pushya pada 2", one period per pada. Each period runs from the first
// minute the judge's chart shows it to the minute the next one begins.
struct DayElements {
  std::vector<Period> tithi;
  std::vector<Period> nakshatra;
  std::vector<Period> yoga;
  std::vector<Period> karana;
  std::vector<Period> moonSign;
  std::vector<Period> lagna;
};

// One body of the chart of the moment, sidereal with the program's ayanamsa.
struct ChartBody {
  std::string body;        // "Lagna", "Sun", ..., "Saturn", "Rahu", "Ketu"
  double longitude = 0;    // degrees, 0 to 360
  std::string sign;        // as the charts write it
  std::string degreeText;  // "16°11'" within the sign
  std::string nakshatra;
  int pada = 1;  // 1 to 4
  bool retrograde = false;
  // The same as values: the body's planet (None for the Lagna), its sign
  // and its nakshatra.
  Planet planet = Planet::None;
  Rashi rashi = Rashi::None;
  Nakshatra star = Nakshatra::None;
};

// A stretch of the day read against a person's birth Moon: one nakshatra for
// tarabala (the tara it is, counted as the settings say), one Moon sign for
// chandrabala (no tara).
struct StrengthPeriod {
  Period period;     // named for the day's nakshatra or Moon sign
  std::string tara;  // "Sampat", ...; empty for chandrabala
  Word verdict = Word::None;
  PeriodName taraTerm = {};  // the tara as a value
};

// The day as a person lives it, from their birth star and birth Moon sign as
// an evaluation computes them.
struct PersonDay {
  std::string name;
  std::string birthStar;      // "Rohini"
  std::string birthMoonSign;  // as the charts write it
  Nakshatra birthStarValue = Nakshatra::None;
  Rashi birthMoonSignValue = Rashi::None;
  // Each whole nakshatra and each Moon sign of the day's elements.
  std::vector<StrengthPeriod> tarabala;
  std::vector<StrengthPeriod> chandrabala;
  // The Moon in the eighth sign from the birth Moon, each stretch that
  // touches the civil day, whole (it may begin the day before or end after).
  std::vector<Period> chandrashtama;
};

struct DayAtAGlance {
  RiseAndSet sky;
  std::optional<DayParts> parts;        // none without a sunrise and its sunset
  std::optional<DayMuhurtas> muhurtas;  // likewise
  DayElements elements;
  LocalMinute chartMoment;
  std::vector<ChartBody> chart;  // Lagna, the seven planets, Rahu, Ketu
  std::vector<SearchWindow> verdicts;
  std::optional<PersonDay> person;  // with the request's person
};

// The pieces, each testable alone.
RiseAndSet SunAndMoonRiseAndSet(const DayRequest& request);
// The same without the Moon, for the kalams of many days.
RiseAndSet SunriseAndSunset(const DayRequest& request);
// The parts of a day from its sunrise, sunset and next sunrise (none when the
// night has no end) on `clock`'s clock: each time's own offset where it
// carries one, else the one in force. The weekday is that of the sunrise.
DayParts PartsOfDay(const DayRequest& clock, const LocalTime& sunrise, const LocalTime& sunset,
                    const std::optional<LocalTime>& nextSunrise);
// The same from the sky's times; none without a sunrise and its sunset.
std::optional<DayParts> PartsOfSky(const DayRequest& clock, const RiseAndSet& sky);
// The muhurtas of a day as PartsOfDay takes its parts, and from the sky.
DayMuhurtas MuhurtasOfDay(const DayRequest& clock, const LocalTime& sunrise,
                          const LocalTime& sunset, const std::optional<LocalTime>& nextSunrise,
                          const std::optional<LocalTime>& previousSunset = std::nullopt);
std::optional<DayMuhurtas> MuhurtasOfSky(const DayRequest& clock, const RiseAndSet& sky);
DayElements ElementsOfDay(const DayRequest& request, const LocalTime& until,
                          PlanetEphemeris& ephemeris);
// The tithis alone over the same stretch as the elements, however many days
// that is: a month's cells.
std::vector<Period> TithisOver(const DayRequest& request, const LocalTime& until,
                               PlanetEphemeris& ephemeris);
// The nakshatras whole (not by pada) over the same stretch as the elements.
std::vector<Period> NakshatrasOfDay(const DayRequest& request, const LocalTime& until,
                                    PlanetEphemeris& ephemeris);
// Adds to `muhurtas` the Varjyam and Amrit kalam of `nakshatras` (whole, as
// NakshatrasOfDay gives them) that begin from `from` up to `to`.
void AddVarjyamAndAmrit(const DayRequest& clock, const std::vector<Period>& nakshatras,
                        const LocalTime& from, const LocalTime& to, DayMuhurtas& muhurtas);
// The Moon's signs over the same stretch as the elements: a month's
// chandrashtama.
std::vector<Period> MoonSignsOver(const DayRequest& request, const LocalTime& until,
                                  PlanetEphemeris& ephemeris);
// The sign eighth from `birthMoon`, counted forward with the birth sign as
// the first (Mesha's is Vrischika, Meena's Thula).
Rashi EighthSignFrom(Rashi birthMoon);
// Those of `moonSigns` (named as the charts write signs) in the sign eighth
// from `birthMoon` that touch [from, to), whole.
std::vector<Period> ChandrashtamaOver(Rashi birthMoon, const std::vector<Period>& moonSigns,
                                      const LocalTime& from, const LocalTime& to);
// The person's birth chart as the evaluation computes it, with `settings`.
CalculationState BirthOf(const SearchRequest& person, const CalculationSettings& settings);
// The person's day from the day's whole nakshatras and Moon signs.
PersonDay PersonOfDay(const DayRequest& request, const std::vector<Period>& nakshatras,
                      const std::vector<Period>& moonSigns);
std::vector<ChartBody> ChartOfMoment(const DayRequest& request, const LocalMinute& moment,
                                     PlanetEphemeris& ephemeris);

// Everything of one day.
DayAtAGlance ComputeDay(const DayRequest& request, PlanetEphemeris& ephemeris);

}  // namespace horavela
