#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation_state.h"

// Panchanga shuddhi: what the classical muhurta texts require of a moment's
// five limbs (nakshatra, tithi, weekday, yoga, karana) for an undertaking.
// A second opinion beside the program's own rule sets, never instead of them:
// the two may disagree, and both are shown.
namespace horavela {

enum class ShuddhiLimb : std::uint8_t { Nakshatra, Tithi, Weekday, Yoga, Karana };
inline constexpr int kShuddhiLimbCount = 5;

// The limbs a moment fails, one bit each (LimbBit); 0 when it passes.
using ShuddhiFailures = std::uint8_t;
constexpr ShuddhiFailures LimbBit(ShuddhiLimb limb) {
  return static_cast<ShuddhiFailures>(1u << static_cast<int>(limb));
}

// "nakshatra", "tithi", "weekday", "yoga", "karana": the limb's key in JSON
// and its word in sentences.
std::string_view KeyOf(ShuddhiLimb limb);

// Whether the classical texts give the undertaking (a subject's exact text)
// requirements of the five limbs.
bool HasShuddhi(std::string_view subject);

// The limbs of the election moment in `state` (its chart, paksha and the
// weekday judged) that the subject's requirements reject; 0 for a subject
// without any.
ShuddhiFailures ShuddhiFailuresOf(std::string_view subject, const CalculationState& state);

// The classical list that rejects a limb's value.
enum class ShuddhiList : std::uint8_t {
  GivenNakshatras,         // the nakshatras given the undertaking: the value is not among them
  NewMoon,                 // the new Moon, avoided by every undertaking
  RiktaTithis,             // the empty tithis (Chaturthi, Navami, Chaturdashi)
  AvoidedTithis,           // avoided for the undertaking in both fortnights
  AvoidedFortnightTithis,  // avoided for the undertaking in the value's fortnight only
  AvoidedWeekdays,
  AlwaysAvoidedYogas,  // avoided by every auspicious work
  AvoidedYogas,
  Bhadra,  // Vishti karana, avoided by every undertaking
  AvoidedKaranas,
};

// Why a limb fails, as data for a sentence in the reader's language: the
// limb, its value (the field of `limb`; a tithi with its fortnight; the other
// fields None) and the list that rejects it.
struct ShuddhiReason {
  ShuddhiLimb limb = ShuddhiLimb::Nakshatra;
  ShuddhiList list = ShuddhiList::GivenNakshatras;
  Nakshatra nakshatra = Nakshatra::None;
  Tithi tithi = Tithi::None;
  Paksha paksha = Paksha::None;
  Weekday weekday = Weekday::None;
  Yoga yoga = Yoga::None;
  Karana karana = Karana::None;
  // The undertaking as a sentence names it ("a marriage").
  std::string_view undertaking;
  bool operator==(const ShuddhiReason&) const = default;
};

// One reason per failed limb, in limb order; none for a subject without
// requirements.
std::vector<ShuddhiReason> ShuddhiReasons(std::string_view subject, const CalculationState& state);

}  // namespace horavela
