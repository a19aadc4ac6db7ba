#include <algorithm>
#include <cstdio>
#include <string>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "calendar/civil_calendar.h"
#include "explain/explain_internal.h"
#include "explain/suggested_minute.h"
#include "tradition/minute_sky.h"

namespace horavela {

namespace {

// The sentences of a change within an element's precision margin, one for
// the change ahead of the moment and one for the change behind it: %1 the
// element's name, %2 the clock, %3 the distance, %4 the neighbour's name.
struct MarginWords {
  ChartElement element;
  const char* leaves;
  const char* entered;
};
const MarginWords kMarginWords[] = {
    {ChartElement::kNakshatra,
     "The Moon leaves %1 at %2, %3; a precise ephemeris may already show %4.",
     "The Moon entered %1 at %2, %3; a precise ephemeris may still show %4."},
    {ChartElement::kMoonSign,
     "The Moon leaves %1 at %2, %3; a precise ephemeris may already show %4.",
     "The Moon entered %1 at %2, %3; a precise ephemeris may still show %4."},
    {ChartElement::kYoga, "The yoga %1 ends at %2, %3; a precise ephemeris may already show %4.",
     "The yoga %1 began at %2, %3; a precise ephemeris may still show %4."},
    {ChartElement::kTithi, "The tithi %1 ends at %2, %3; a precise ephemeris may already show %4.",
     "The tithi %1 began at %2, %3; a precise ephemeris may still show %4."},
    {ChartElement::kKarana,
     "The karana %1 ends at %2, %3; a precise ephemeris may already show %4.",
     "The karana %1 began at %2, %3; a precise ephemeris may still show %4."},
    {ChartElement::kLagna,
     "The lagna leaves %1 at %2, %3; a precise ephemeris may already show %4.",
     "The lagna entered %1 at %2, %3; a precise ephemeris may still show %4."},
};

const MarginWords* MarginWordsOf(ChartElement element) {
  for (const MarginWords& words : kMarginWords)
    if (words.element == element) return &words;
  return nullptr;
}

std::string TwoDigits(int value) {
  char text[12];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

Wording MinutesText(std::int64_t minutes) {
  return Worded(minutes == 1 ? "%1 minute" : "%1 minutes", {AsIs(std::to_string(minutes))});
}

// "2 minutes after this moment" and the like.
Wording DistanceText(std::int64_t change, std::int64_t moment) {
  if (change == moment) return Worded("the minute of this moment");
  if (change > moment) return Worded("%1 after this moment", {MinutesText(change - moment)});
  return Worded("%1 before this moment", {MinutesText(moment - change)});
}

}  // namespace

int PrecisionMargin(const std::string& element) {
  const ChartElementFacts* facts = FactsNamed(element);
  return facts ? facts->precisionMinutes : 0;
}

std::string ClockText(const LocalMinute& minute, const LocalMinute& moment) {
  const bool sameDate =
      minute.year == moment.year && minute.month == moment.month && minute.day == moment.day;
  if (!sameDate) return ClockMomentText(minute);
  return TwoDigits(minute.hour) + ":" + TwoDigits(minute.minute) + ClockRunText(minute.repeated);
}

Wording ClockWording(const LocalMinute& minute, const LocalMinute& moment) {
  const bool sameDate =
      minute.year == moment.year && minute.month == moment.month && minute.day == moment.day;
  return sameDate ? AsIs(ClockText(minute, moment)) : MomentWording(minute);
}

namespace explain_detail {

namespace {

constexpr std::int64_t kVerdictReach = 15;

Wording At(const PlaceClock& clock, std::int64_t minute, std::int64_t moment) {
  return ClockWording(clock.At(minute).local, clock.At(moment).local);
}

Wording VerdictName(Verdict verdict) {
  return Worded(NameOf(verdict));
}
}  // namespace

std::vector<Wording> VerdictWarnings(const RunsAround& runs, std::int64_t moment) {
  std::vector<Wording> warnings;
  const std::vector<JudgedRun>& list = runs.runs();
  const std::size_t own = runs.IndexOf(moment);
  if (own == list.size()) return warnings;
  const Verdict word = list[own].judgement->evaluation.ResultWord;
  // The last change of word at or before the moment, within the reach.
  for (std::size_t i = own; i > 0 && list[i].first >= moment - kVerdictReach; --i) {
    const Verdict earlier = list[i - 1].judgement->evaluation.ResultWord;
    if (earlier == word) continue;
    warnings.push_back(
        Worded("The verdict changes from %1 to %2 at %3, %4.",
               {VerdictName(earlier), VerdictName(word), At(runs.clock(), list[i].first, moment),
                DistanceText(list[i].first, moment)}));
    break;
  }
  for (std::size_t i = own + 1; i < list.size() && list[i].first <= moment + kVerdictReach; ++i) {
    const Verdict later = list[i].judgement->evaluation.ResultWord;
    if (later == word) continue;
    warnings.push_back(Worded("The verdict changes to %1 at %2, %3.",
                              {VerdictName(later), At(runs.clock(), list[i].first, moment),
                               DistanceText(list[i].first, moment)}));
    break;
  }
  return warnings;
}

std::vector<Wording> MarginWarnings(const PlaceClock& clock,
                                    const std::vector<ElementAround>& elements,
                                    std::int64_t moment) {
  std::vector<Wording> warnings;
  for (const ElementAround& element : elements) {
    if (!element.chartElement) continue;
    const MarginWords* row = MarginWordsOf(*element.chartElement);
    const int margin = FactsOf(*element.chartElement).precisionMinutes;
    if (!row) continue;
    if (element.ends && *element.ends - moment <= margin) {
      warnings.push_back(Worded(row->leaves, {element.name, At(clock, *element.ends, moment),
                                              DistanceText(*element.ends, moment), element.next}));
    }
    if (element.began && moment - *element.began < margin) {
      warnings.push_back(
          Worded(row->entered, {element.name, At(clock, *element.began, moment),
                                DistanceText(*element.began, moment), element.previous}));
    }
  }
  return warnings;
}

std::vector<Wording> KalamWarnings(const SearchRequest& request, const PlaceClock& clock,
                                   std::int64_t moment) {
  const LocalMinute at = clock.At(moment).local;
  DayRequest day;
  day.year = at.year;
  day.month = at.month;
  day.day = at.day;
  day.where() = request.where();
  day.settings = request.settings;
  const std::optional<DayParts> parts = PartsOfSky(day, SunriseAndSunset(day));
  if (!parts) return {};
  const LocalTime time{at.year, at.month, at.day, at.hour, at.minute, 0};
  std::vector<Wording> warnings;
  // In the order of KalamWord, which names them in each language.
  const Period* kalams[] = {&parts->rahuKalam, &parts->yamaganda, &parts->gulikaKalam};
  for (std::size_t i = 0; i < std::size(kalams); ++i) {
    const Period& kalam = *kalams[i];
    if (time < kalam.from || !(time < kalam.to)) continue;
    auto clock = [](const LocalTime& t) {
      return AsIs(TwoDigits(t.hour) + ":" + TwoDigits(t.minute));
    };
    warnings.push_back(Worded(
        "This moment falls in %1, %2 to %3.",
        {NameWord(static_cast<KalamWord>(i), kalam.name), clock(kalam.from), clock(kalam.to)}));
  }
  return warnings;
}

}  // namespace explain_detail

}  // namespace horavela
