#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "engine/calculation_settings.h"

namespace horavela::cli {

// The calculation settings as the command line names them, one key each
// ("swiss", "lahiri", "disc_centre", "inclusive"); empty for the default.
struct SettingKeys {
  std::string ephemeris;
  std::string ayanamsa;
  std::string sunrise;
  std::string tarabala;
};

// The settings the options named; an unknown key throws RequestError naming
// the option ("--sunrise") and the keys it takes.
CalculationSettings SettingsOfOptions(const SettingKeys& keys);

// The optional "settings" object of an evaluate, search or day request, each
// of its members optional; absent, the defaults. A member that is not one of
// the four, or a key a setting does not take, throws RequestError naming the
// choices.
CalculationSettings ParseSettingsField(const nlohmann::json& request);

// Adds "settings" with every setting's key to an answer, when they are not
// all the defaults: an answer with the defaults is what it always was.
void AddSettings(nlohmann::ordered_json& answer, const CalculationSettings& settings);

}  // namespace horavela::cli
