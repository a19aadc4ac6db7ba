#include "language/day_part_names.h"

// clang-format off
// Kannada. No published Kannada list of choghadiyas or Gowri parts was
// found in the references searched: their Sanskrit names in Kannada script
// (ಉದ್ವೇಗ, ಚರ, ...; ಉದ್ಯೋಗ, ಅಮೃತ, ...), the almanac form. Signs shortened to
// their first two syllables.
namespace horavela::day_part_names {

const Table kKannada = {
    {{"ಉದ್ವೇಗ", "ಚರ", "ಲಾಭ", "ಅಮೃತ", "ಕಾಲ", "ಶುಭ", "ರೋಗ"}},
    {{"ಉದ್ಯೋಗ", "ಅಮೃತ", "ರೋಗ", "ಲಾಭ", "ಧನ", "ಸುಖ", "ಚೋರ", "ವಿಷ"}},
    {{"ಮೇಷ", "ವೃಷ", "ಮಿಥು", "ಕರ್ಕ", "ಸಿಂಹ", "ಕನ್ಯಾ", "ತುಲಾ", "ವೃಶ್ಚಿ", "ಧನು", "ಮಕ", "ಕುಂಭ", "ಮೀನ"}},
};

}  // namespace horavela::day_part_names
// clang-format on
