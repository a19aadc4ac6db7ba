#include <algorithm>
#include <cstdio>
#include <string>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"
#include "calendar/civil_calendar.h"
#include "explain/explain_internal.h"
#include "explain/suggested_minute.h"

namespace horavela {

namespace {

// The words of a change within an element's precision margin: the
// sentence's subject around the element's name, "The Moon leaves " Ashwini
// "", "The tithi " Dwadasi " ends".
struct MarginWords {
  ChartElement element;
  const char* leaves;
  const char* leavesAfter;
  const char* entered;
  const char* enteredAfter;
};
const MarginWords kMarginWords[] = {
    {ChartElement::kNakshatra, "The Moon leaves ", "", "The Moon entered ", ""},
    {ChartElement::kMoonSign, "The Moon leaves ", "", "The Moon entered ", ""},
    {ChartElement::kYoga, "The yoga ", " ends", "The yoga ", " began"},
    {ChartElement::kTithi, "The tithi ", " ends", "The tithi ", " began"},
    {ChartElement::kKarana, "The karana ", " ends", "The karana ", " began"},
    {ChartElement::kLagna, "The lagna leaves ", "", "The lagna entered ", ""},
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

std::string MinutesText(std::int64_t minutes) {
  return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

// ", 2 minutes after this moment" and the like.
std::string DistanceText(std::int64_t change, std::int64_t moment) {
  if (change == moment) return ", the minute of this moment";
  if (change > moment) return ", " + MinutesText(change - moment) + " after this moment";
  return ", " + MinutesText(moment - change) + " before this moment";
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

namespace explain_detail {

namespace {

constexpr std::int64_t kVerdictReach = 15;

std::string At(const PlaceClock& clock, std::int64_t minute, std::int64_t moment) {
  return ClockText(clock.At(minute).local, clock.At(moment).local);
}

}  // namespace

std::vector<std::string> VerdictWarnings(const RunsAround& runs, std::int64_t moment) {
  std::vector<std::string> warnings;
  const std::vector<JudgedRun>& list = runs.runs();
  const std::size_t own = runs.IndexOf(moment);
  if (own == list.size()) return warnings;
  const Verdict word = list[own].judgement->evaluation.ResultWord;
  // The last change of word at or before the moment, within the reach.
  for (std::size_t i = own; i > 0 && list[i].first >= moment - kVerdictReach; --i) {
    const Verdict earlier = list[i - 1].judgement->evaluation.ResultWord;
    if (earlier == word) continue;
    warnings.push_back("The verdict changes from " + std::string(NameOf(earlier)) + " to " +
                       std::string(NameOf(word)) + " at " +
                       At(runs.clock(), list[i].first, moment) +
                       DistanceText(list[i].first, moment) + ".");
    break;
  }
  for (std::size_t i = own + 1; i < list.size() && list[i].first <= moment + kVerdictReach; ++i) {
    const Verdict later = list[i].judgement->evaluation.ResultWord;
    if (later == word) continue;
    warnings.push_back("The verdict changes to " + std::string(NameOf(later)) + " at " +
                       At(runs.clock(), list[i].first, moment) +
                       DistanceText(list[i].first, moment) + ".");
    break;
  }
  return warnings;
}

std::vector<std::string> MarginWarnings(const PlaceClock& clock,
                                        const std::vector<ElementAround>& elements,
                                        std::int64_t moment) {
  std::vector<std::string> warnings;
  for (const ElementAround& element : elements) {
    if (!element.chartElement) continue;
    const MarginWords* row = MarginWordsOf(*element.chartElement);
    const int margin = FactsOf(*element.chartElement).precisionMinutes;
    if (!row) continue;
    if (element.ends && *element.ends - moment <= margin) {
      warnings.push_back(row->leaves + element.name + row->leavesAfter + " at " +
                         At(clock, *element.ends, moment) + DistanceText(*element.ends, moment) +
                         "; a precise ephemeris may already show " + element.next + ".");
    }
    if (element.began && moment - *element.began < margin) {
      warnings.push_back(row->entered + element.name + row->enteredAfter + " at " +
                         At(clock, *element.began, moment) + DistanceText(*element.began, moment) +
                         "; a precise ephemeris may still show " + element.previous + ".");
    }
  }
  return warnings;
}

std::vector<std::string> KalamWarnings(const SearchRequest& request, const PlaceClock& clock,
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
  std::vector<std::string> warnings;
  for (const Period* kalam : {&parts->rahuKalam, &parts->yamaganda, &parts->gulikaKalam}) {
    if (time < kalam->from || !(time < kalam->to)) continue;
    auto clock = [](const LocalTime& t) { return TwoDigits(t.hour) + ":" + TwoDigits(t.minute); };
    warnings.push_back("This moment falls in " + kalam->name + ", " + clock(kalam->from) + " to " +
                       clock(kalam->to) + ".");
  }
  return warnings;
}

}  // namespace explain_detail

}  // namespace horavela
