#pragma once

#include <cstdint>
#include <string_view>

#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"

// The elements of the election chart whose changes are searched for, the
// explanation tells (when each began and ends) and the day lists as periods:
// one catalogue of what each is and how it moves.
namespace horavela {

enum class ChartElement {
  kNakshatra,
  kNakshatraPada,  // the Moon's nakshatra and its pada
  kMoonSign,
  kLagna,  // the ascendant's sign
  kTithi,
  kYoga,
  kKarana,  // changes with every tithi too
};

struct ChartElementFacts {
  ChartElement element;
  std::string_view name;  // as the explanation names it
  int slot;               // its name's slot in the chart
  // The element whose changes hold its changes (a nakshatra changes at some
  // of its padas' changes), itself for the others.
  ChartElement changesWith;
  // Minutes within which it cannot change twice: its shortest span over its
  // fastest motion, 0 where that depends on the place (the lagna). A search
  // samples it this often.
  std::int64_t shortestSpan;
  // Minutes it lasts at most, with a little to spare: how far either side of
  // a moment its ends are looked for.
  std::int64_t longestSpan;
  // The quantity whose crossing of a boundary changes it (degrees of the
  // Moon's or the ascendant's longitude, of the Moon's elongation, in spans
  // of the yoga's sum): its boundaries' spacing and its period (0: it never wraps).
  double grid;
  double turn;
  // Measured margin, in minutes, of the program's theory against a precise
  // ephemeris: a change nearer than this to a moment may fall either side.
  int precisionMinutes;
};

inline constexpr std::int64_t kHourMinutes = 60;
// Moon: nakshatra, pada and sign boundaries lie at least 3°20' apart; 15.4°/day.
inline constexpr std::int64_t kMoonElementSpan = 240;
// Karana: 6° of elongation at up to 14.5°/day; yoga: 13°20' of the sum at up to 16.4°/day.
inline constexpr std::int64_t kPanchangElementSpan = 480;

// The Moon at its slowest: a pada lasts about 7 hours, a tithi or a nakshatra
// about 27, a karana 14, its sign about two and a half days; the lagna stays
// long in one sign only near the poles.
inline constexpr ChartElementFacts kChartElements[] = {
    {ChartElement::kNakshatra, "Nakshatra", kNakshatraSlot, ChartElement::kNakshatraPada,
     kMoonElementSpan, 28 * kHourMinutes, 40.0 / 3.0, 360, 5},
    {ChartElement::kNakshatraPada, "Nakshatra pada", kNakshatraSlot, ChartElement::kNakshatraPada,
     kMoonElementSpan, 8 * kHourMinutes, 10.0 / 3.0, 360, 5},
    {ChartElement::kMoonSign, "Moon sign", kMoonSignSlot, ChartElement::kMoonSign, kMoonElementSpan,
     64 * kHourMinutes, 30, 360, 5},
    {ChartElement::kLagna, "Lagna", kLagnaSlot, ChartElement::kLagna, 0, 32 * kHourMinutes, 30, 360,
     1},
    {ChartElement::kTithi, "Tithi", kTithiSlot, ChartElement::kTithi, kPanchangElementSpan,
     28 * kHourMinutes, 12, 360, 2},
    {ChartElement::kYoga, "Yoga", kYogaSlot, ChartElement::kYoga, kPanchangElementSpan,
     27 * kHourMinutes, 1, 0, 3},
    {ChartElement::kKarana, "Karana", kKaranaSlot, ChartElement::kKarana, kPanchangElementSpan,
     15 * kHourMinutes, 6, 360, 2},
};

constexpr const ChartElementFacts& FactsOf(ChartElement element) {
  return kChartElements[static_cast<int>(element)];
}

// The element named `name` ("Nakshatra"), or null.
const ChartElementFacts* FactsNamed(std::string_view name);

// The widest precision margin of any element, in minutes.
int WidestPrecisionMargin();

// The elements of the chart a factor of a rule set reads, as bits.
enum ElementRead : unsigned {
  kNakshatraRead = 1u << 0,
  kMoonSignRead = 1u << 1,
  kLagnaRead = 1u << 2,
  kTithiRead = 1u << 3,
  kYogaRead = 1u << 4,
  kKaranaRead = 1u << 5,
  kCivilDateRead = 1u << 6,
};
// The sign of one planet, by its index Sun..Saturn.
constexpr unsigned PlanetSignRead(int planet) {
  return 1u << (8 + planet);
}

}  // namespace horavela
