#pragma once

#include "engine/calculation_settings.h"

class QSettings;

namespace horavela::app {

// Calls visit(name, setting) for each setting of `settings`, in the order the
// Preferences show them; `name` is the setting's key in the saved preferences.
template <typename Settings, typename Visit>
void ForEachSetting(Settings& settings, Visit&& visit) {
  visit("ephemeris", settings.ephemeris);
  visit("ayanamsa", settings.ayanamsa);
  visit("sunrise", settings.sunrise);
  visit("tarabala", settings.tarabala);
}

// The calculation settings chosen in Edit > Preferences, kept between
// sessions as the keys of their choices.
void RememberCalculationSettings(QSettings& saved, const CalculationSettings& settings);

// What was kept; each setting never kept, or kept as no choice the program
// knows (a settings file edited by hand, a choice of a later version), is
// its default.
CalculationSettings RecallCalculationSettings(QSettings& saved);

}  // namespace horavela::app
