#include "engine/calculation_settings.h"

#include <array>

namespace horavela {

namespace {

constexpr std::array<SettingChoice<EphemerisSource>, 2> kEphemerides = {{
    {EphemerisSource::Program, "program", "The program's own theories"},
    {EphemerisSource::Swiss, "swiss", "Swiss Ephemeris"},
}};

constexpr std::array<SettingChoice<AyanamsaSystem>, 5> kAyanamsas = {{
    {AyanamsaSystem::Program, "program", "The program's own"},
    {AyanamsaSystem::Lahiri, "lahiri", "Lahiri (Chitrapaksha)"},
    {AyanamsaSystem::Raman, "raman", "Raman"},
    {AyanamsaSystem::Krishnamurti, "krishnamurti", "Krishnamurti (KP)"},
    {AyanamsaSystem::TrueChitra, "true_chitra", "True Chitra"},
}};

constexpr std::array<SettingChoice<SunriseRule>, 2> kSunrises = {{
    {SunriseRule::UpperLimb, "upper_limb", "Upper limb, with refraction"},
    {SunriseRule::DiscCentre, "disc_centre", "Centre of the disc, without refraction"},
}};

constexpr std::array<SettingChoice<TaraCount>, 2> kTaraCounts = {{
    {TaraCount::Program, "program", "As the program counts"},
    {TaraCount::Inclusive, "inclusive", "Inclusive, forward from the birth star"},
}};

}  // namespace

template <>
std::span<const SettingChoice<EphemerisSource>> SettingChoices() {
  return kEphemerides;
}
template <>
std::span<const SettingChoice<AyanamsaSystem>> SettingChoices() {
  return kAyanamsas;
}
template <>
std::span<const SettingChoice<SunriseRule>> SettingChoices() {
  return kSunrises;
}
template <>
std::span<const SettingChoice<TaraCount>> SettingChoices() {
  return kTaraCounts;
}

}  // namespace horavela
