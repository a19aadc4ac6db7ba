#include "language/term_names.h"

// clang-format off
// Kannada: the kootas as the report's catalog names them; the varnas, vashya
// groups, yoni animals, ganas, nadis, poruthams and rajju parts in the
// Sanskrit forms Kannada panchangas' matching tables use (almanac usage);
// the vetoes as Kannada panchangas name them: ಪಂಚಕ and the setting of Jupiter
// and Venus (karunaduvani.com "ವಿವಾಹ ಮುಹೂರ್ತ– ಕೆಲವು ವಿಚಾರಗಳು" and
// m-kannada.webdunia.com write ಗುರು/ಶುಕ್ರ ಅಸ್ತ; the panchangas' own heading
// is ಮೌಢ್ಯ); the lunar months (ಚೈತ್ರ ... ಫಾಲ್ಗುಣ) and the kinds of eclipse
// (ಖಗ್ರಾಸ, ಕಂಕಣ, ಖಂಡಗ್ರಾಸ) as their grahana pages print them.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "ವರ್ಣ", "ವಶ್ಯ", "ತಾರಾ", "ಯೋನಿ", "ಗ್ರಹಮೈತ್ರಿ", "ಗಣ", "ಭಕೂಟ", "ನಾಡಿ"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "ದಿನ", "ಗಣ", "ಮಾಹೇಂದ್ರ", "ಸ್ತ್ರೀದೀರ್ಘ", "ಯೋನಿ",
    "ರಾಶಿ", "ರಾಶ್ಯಧಿಪತಿ", "ವಶ್ಯ", "ರಜ್ಜು", "ವೇಧ"};
constexpr std::array<std::string_view, 4> kVarnas = {"ಬ್ರಾಹ್ಮಣ", "ಕ್ಷತ್ರಿಯ", "ವೈಶ್ಯ", "ಶೂದ್ರ"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "ಚತುಷ್ಪಾದ", "ಮಾನವ", "ಜಲಚರ", "ವನಚರ", "ಕೀಟ"};
constexpr std::array<std::string_view, 14> kYonis = {
    "ಅಶ್ವ", "ಗಜ", "ಮೇಷ", "ಸರ್ಪ", "ಶ್ವಾನ", "ಮಾರ್ಜಾಲ", "ಮೂಷಿಕ",
    "ಗೋವು", "ಮಹಿಷ", "ವ್ಯಾಘ್ರ", "ಮೃಗ", "ವಾನರ", "ನಕುಲ", "ಸಿಂಹ"};
constexpr std::array<std::string_view, 3> kGanas = {"ದೇವ ಗಣ", "ಮನುಷ್ಯ ಗಣ", "ರಾಕ್ಷಸ ಗಣ"};
constexpr std::array<std::string_view, 3> kNadis = {"ಆದಿ ನಾಡಿ", "ಮಧ್ಯ ನಾಡಿ", "ಅಂತ್ಯ ನಾಡಿ"};
constexpr std::array<std::string_view, 5> kRajjus = {
    "ಪಾದ ರಜ್ಜು", "ಕಟಿ ರಜ್ಜು", "ನಾಭಿ ರಜ್ಜು", "ಕಂಠ ರಜ್ಜು", "ಶಿರೋ ರಜ್ಜು"};
constexpr std::array<std::string_view, 3> kRegards = {"ಮಿತ್ರ", "ಸಮ", "ಶತ್ರು"};
constexpr std::array<std::string_view, 2> kDoshas = {"ನಾಡಿ ದೋಷ", "ಭಕೂಟ ದೋಷ"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "ಖರಮಾಸ", "ಮಲಮಾಸ", "ಗುರು ಮೌಢ್ಯ", "ಶುಕ್ರ ಮೌಢ್ಯ", "ಅಧಿಕ ಮಾಸ", "ಕ್ಷಯ ಮಾಸ",
    "ಚಾತುರ್ಮಾಸ್ಯ", "ಹೋಳಾಷ್ಟಕ", "ಪಿತೃ ಪಕ್ಷ", "ಸೂರ್ಯ ಗ್ರಹಣ", "ಚಂದ್ರ ಗ್ರಹಣ", "ಪಂಚಕ"};
constexpr std::array<std::string_view, 12> kMasas = {
    "ಚೈತ್ರ", "ವೈಶಾಖ", "ಜ್ಯೇಷ್ಠ", "ಆಷಾಢ", "ಶ್ರಾವಣ", "ಭಾದ್ರಪದ",
    "ಆಶ್ವಯುಜ", "ಕಾರ್ತಿಕ", "ಮಾರ್ಗಶಿರ", "ಪುಷ್ಯ", "ಮಾಘ", "ಫಾಲ್ಗುಣ"};
constexpr std::array<std::string_view, 4> kEclipses = {"ಖಗ್ರಾಸ", "ಕಂಕಣ", "ಮಿಶ್ರ", "ಖಂಡಗ್ರಾಸ"};

}  // namespace

const Table kKannada = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                        kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
