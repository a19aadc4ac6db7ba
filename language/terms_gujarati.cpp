#include "language/term_names.h"

// clang-format off
// Gujarati: the names of ગુણ મેળાપ as Gujarati jyotish texts print them: the
// nadis મધ્ય and અંત્ય and the yoni animals by their Sanskrit names (મેષ, માર્જાર,
// મૂષક) as the Gujarati muhurta pages at jainqq.org (gana and nadi tables for
// ગુરુ-શિષ્ય) give them; the Sun's month in Dhanu or Meena as કમુરતા, the word
// of divyabhaskar.co.in and gujarati.abplive.com; the kinds of eclipse as
// gujarativishwakosh.org writes them (ખગ્રાસ, કંકણાકૃતિ, ખંડગ્રાસ), the hybrid
// one સંકર; the lunar months as Gujarati panchangs print them (જેઠ, ભાદરવો,
// આસો, કારતક, માગશર, મહા, ફાગણ); the kootas as this program's Gujarati catalog
// already writes them; the rest in almanac usage.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "વર્ણ", "વશ્ય", "તારા", "યોનિ", "ગ્રહ મૈત્રી", "ગણ", "ભકૂટ", "નાડી"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "દિન", "ગણ", "માહેન્દ્ર", "સ્ત્રી-દીર્ઘ", "યોનિ",
    "રાશિ", "રાશિ-અધિપતિ", "વશ્ય", "રજ્જુ", "વેધ"};
constexpr std::array<std::string_view, 4> kVarnas = {"બ્રાહ્મણ", "ક્ષત્રિય", "વૈશ્ય", "શૂદ્ર"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "ચતુષ્પદ", "માનવ", "જળચર", "વનચર", "કીટ"};
constexpr std::array<std::string_view, 14> kYonis = {
    "અશ્વ", "ગજ", "મેષ", "સર્પ", "શ્વાન", "માર્જાર", "મૂષક",
    "ગૌ", "મહિષ", "વ્યાઘ્ર", "મૃગ", "વાનર", "નકુલ", "સિંહ"};
constexpr std::array<std::string_view, 3> kGanas = {"દેવ", "મનુષ્ય", "રાક્ષસ"};
constexpr std::array<std::string_view, 3> kNadis = {"આદ્ય", "મધ્ય", "અંત્ય"};
constexpr std::array<std::string_view, 5> kRajjus = {"પાદ", "કટિ", "નાભિ", "કંઠ", "શિર"};
constexpr std::array<std::string_view, 3> kRegards = {"મિત્ર", "સમ", "શત્રુ"};
constexpr std::array<std::string_view, 2> kDoshas = {"નાડી દોષ", "ભકૂટ દોષ"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "કમુરતા", "મળમાસ", "ગુરુ અસ્ત", "શુક્ર અસ્ત", "અધિક માસ", "ક્ષય માસ",
    "ચાતુર્માસ", "હોળાષ્ટક", "પિતૃ પક્ષ", "સૂર્ય ગ્રહણ", "ચંદ્ર ગ્રહણ", "પંચક"};
constexpr std::array<std::string_view, 12> kMasas = {
    "ચૈત્ર", "વૈશાખ", "જેઠ", "અષાઢ", "શ્રાવણ", "ભાદરવો",
    "આસો", "કારતક", "માગશર", "પોષ", "મહા", "ફાગણ"};
constexpr std::array<std::string_view, 4> kEclipses = {"ખગ્રાસ", "કંકણાકૃતિ", "સંકર", "ખંડગ્રાસ"};

}  // namespace

const Table kGujarati = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                         kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
