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

// One sentence per failed limb, naming its value and what is required:
// "Bharani is not one of the nakshatras the classical texts give a marriage".
std::vector<std::string> ShuddhiReasons(std::string_view subject, const CalculationState& state);

}  // namespace horavela
