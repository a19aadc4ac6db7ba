#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluation_input.h"
#include "language/language.h"

namespace horavela {

// The lines that say for whom, when and where a report was prepared, and by
// which version of the program: "Prepared for Asha Rao, Female", "Born 2 March
// 1996 at 07:05 in Mumbai, Maharashtra, India (18°58' N, 72°50' E, UTC+05:30)",
// the same for the election, then "Horavela 1.80". Blank name, sex or place
// parts are left out; a line with nothing to say is left out altogether.
// When the input's calculation settings are not the defaults, a line naming
// those that differ goes before the program's version. The words and the
// months are `language`'s; the settings' captions stay English.
std::vector<std::string> ReportParticulars(const EvaluationInput& input,
                                           Language language = Language::English);

// "Born 2 March 1996 at 07:05 in Mumbai, Maharashtra, India (18°58' N,
// 72°50' E, UTC+05:30)" for `which` "Born": one line of the particulars;
// `which` is translated with the rest of the line.
std::string MomentLine(std::string_view which, const MomentEntry& moment,
                       Language language = Language::English);

// "Swiss Ephemeris; Lahiri (Chitrapaksha) ayanamsa; sunrise by the centre of
// the disc, without refraction": the settings that differ from the defaults,
// in the order of the preferences; empty when none does. In `language`, each
// setting's phrase and caption as the sentence catalog says them.
std::string SettingsInWords(const CalculationSettings& settings,
                            Language language = Language::English);

}  // namespace horavela
