#pragma once

#include <optional>
#include <string>
#include <vector>

#include "atlas/local_minute.h"
#include "engine/evaluation_input.h"
#include "engine/planet_ephemeris.h"
#include "language/language.h"
#include "language/wording.h"
#include "search/muhurta_finder.h"

// Why one evaluated moment reads as it does and how long it holds: the run of
// minutes with the same whole evaluation around it, when each element of the
// chart began and ends, what the user should beware of, and the nearest
// moments that read better. Everything comes from the finder's own judge, so
// a window's edges are the minutes where evaluate says something else.
namespace horavela {

// How far the explanation looks on each side of the moment.
inline constexpr std::int64_t kExplainReachMinutes = 7 * 1440;

// A run of minutes with one evaluation; `to` is its last minute.
struct ExplainedWindow {
  LocalMinute from;
  LocalMinute to;
  Verdict verdict = Verdict::None;
  int total = 0;
  int factors = 0;
  std::int64_t minutes = 0;
};

// One element of the chart at the moment: "Nakshatra", "Ashwini", the first
// minute that shows it and the first minute that shows the next; nothing
// where the change lies beyond the search's reach.
struct ElementSpan {
  std::string element;
  std::string name;
  std::optional<LocalMinute> began;
  std::optional<LocalMinute> ends;
};

struct BetterMoment {
  // Where to move: the window's minute nearest to the moment that stands
  // clear of its edges (SuggestedMinute).
  LocalMinute minute;
  ExplainedWindow window;
};

// One factor of the rule set in plain words: its verdict as the report shows
// it, its points, and what decided it ("Tithi: Trayodashi, which this
// undertaking counts as unfavourable").
struct FactorInWords {
  std::string verdict;
  int points = 0;
  std::string line;
  Factor factor = Factor::None;
  // The line as said, for any language: `line` is its English.
  Wording said;
};

struct Explanation {
  ExplainedWindow window;
  std::vector<ElementSpan> elements;
  // What the user should beware of, in English (as the JSON answer gives
  // it), and the same sentences as said, for any language. AddWarning keeps
  // the two together.
  std::vector<std::string> warnings;
  std::vector<Wording> warningsSaid;
  // For "Bad" and "Average": the nearest better minutes on each side within
  // kExplainReachMinutes. For "Good": the best window of the civil day, when
  // it is better than the moment's own.
  std::optional<BetterMoment> before;
  std::optional<BetterMoment> after;
  std::optional<BetterMoment> bestOfDay;
  // Set when the search looked and found nothing better.
  bool noneBetter = false;
  // The rule set's factors, in the report's order.
  std::vector<FactorInWords> factors;
};

// The explanation of `input`'s election moment. `electionZone`, when set, is
// the tz-database zone the election place follows; otherwise the place's
// captions hold throughout.
Explanation ExplainMoment(const EvaluationInput& input, const FollowedZone& electionZone,
                          PlanetEphemeris& ephemeris);

// Adds a warning to both of `explanation`'s lists.
void AddWarning(Explanation& explanation, Wording warning);

// The warnings in `language`.
std::vector<std::string> WarningsIn(const Explanation& explanation, Language language);

// The pieces, each testable alone.

// Precision margins of the program's theories against a precise ephemeris, in
// minutes, by element name ("Nakshatra" 5, "Moon sign" 5, "Yoga" 3, "Tithi" 2,
// "Karana" 2, "Lagna" 1); 0 for an element without one.
int PrecisionMargin(const std::string& element);

// "HH:MM" on `moment`'s own date, "HH:MM on D Month YYYY" on another.
std::string ClockText(const LocalMinute& minute, const LocalMinute& moment);
// The same as a wording, the other date's month named in the reader's language.
Wording ClockWording(const LocalMinute& minute, const LocalMinute& moment);

}  // namespace horavela
