#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace horavela {

// How the program computes and counts, for users whose almanac works another
// way. The default of each is the program's own way, and with all defaults
// every result is what it always was.

// Where the tropical longitudes of the Sun, the Moon and the ascendant come from.
enum class EphemerisSource : std::uint8_t {
  Program,  // the program's own theories (ELP-2000/82 terms, the panchang's series)
  Swiss     // Swiss Ephemeris: its data files where installed, else its Moshier theory
};

// The ayanamsa that makes them sidereal.
enum class AyanamsaSystem : std::uint8_t {
  Program,       // each element's own polynomial (the Moon's, the ascendant's, the panchang's)
  Lahiri,        // Chitrapaksha, of the Indian Astronomical Ephemeris
  Raman,         // B. V. Raman's
  Krishnamurti,  // K. S. Krishnamurti's (KP)
  TrueChitra     // Spica (Chitra) held at 180 degrees of the sidereal zodiac
};

// When the Sun rises and sets.
enum class SunriseRule : std::uint8_t {
  UpperLimb,  // the upper limb on the horizon, with 34' of standard refraction
  DiscCentre  // the centre of the disc on the geometric horizon, no refraction
};

// How tarabala counts from the birth star to the day's.
enum class TaraCount : std::uint8_t {
  Program,   // the distance between the two stars, either way, in nines
  Inclusive  // forward from the birth star, the birth star counted as the first
};

struct CalculationSettings {
  EphemerisSource ephemeris = EphemerisSource::Program;
  AyanamsaSystem ayanamsa = AyanamsaSystem::Program;
  SunriseRule sunrise = SunriseRule::UpperLimb;
  TaraCount tarabala = TaraCount::Program;

  bool operator==(const CalculationSettings&) const = default;
};

inline bool IsDefault(const CalculationSettings& settings) {
  return settings == CalculationSettings{};
}

// One choice of a setting: its value, the key the command-line tool and the
// saved preferences use, and the caption the user reads.
template <typename Setting>
struct SettingChoice {
  Setting value;
  std::string_view key;
  std::string_view caption;
};

// Every choice of a setting, the default first.
template <typename Setting>
std::span<const SettingChoice<Setting>> SettingChoices();
template <>
std::span<const SettingChoice<EphemerisSource>> SettingChoices();
template <>
std::span<const SettingChoice<AyanamsaSystem>> SettingChoices();
template <>
std::span<const SettingChoice<SunriseRule>> SettingChoices();
template <>
std::span<const SettingChoice<TaraCount>> SettingChoices();

template <typename Setting>
const SettingChoice<Setting>& ChoiceOf(Setting value) {
  for (const SettingChoice<Setting>& choice : SettingChoices<Setting>())
    if (choice.value == value) return choice;
  return SettingChoices<Setting>().front();
}

template <typename Setting>
std::optional<Setting> SettingFromKey(std::string_view key) {
  for (const SettingChoice<Setting>& choice : SettingChoices<Setting>())
    if (choice.key == key) return choice.value;
  return std::nullopt;
}

}  // namespace horavela
