#include "language/term_names.h"

// clang-format off
// Malayalam: the three ganas as Malayalam matching pages print them
// (malayalam.webdunia.com's വിവാഹപ്പൊരുത്തങ്ങൾ, sreyasjyothishakendram.blogspot.com
// ഗണങ്ങൾ: ദേവഗണം, മനുഷ്യഗണം, അസുരഗണം) and the yoni animals as webdunia's
// യോനിപ്പൊരുത്തം names them (കുതിര, ആന, ആട്, പാമ്പ്, പട്ടി ...). The kootas keep
// the words of the Malayalam report catalog (ml.tsv); the ten poruthams,
// varnas, vashya groups, nadis, rajjus (ശിരോരജ്ജു ... പാദരജ്ജു), planetary
// regards, doshas, the vetoes (a planet's combustion as മൗഢ്യം), the lunar
// months and the kinds of eclipse are Kerala almanac usage.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "വർണ്ണം", "വശ്യം", "താര", "യോനി", "ഗ്രഹമൈത്രി", "ഗണം", "ഭകൂടം", "നാഡി"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "ദിനം", "ഗണം", "മാഹേന്ദ്രം", "സ്ത്രീദീർഘം", "യോനി",
    "രാശി", "രാശ്യാധിപൻ", "വശ്യം", "രജ്ജു", "വേധം"};
constexpr std::array<std::string_view, 4> kVarnas = {"ബ്രാഹ്മണൻ", "ക്ഷത്രിയൻ", "വൈശ്യൻ", "ശൂദ്രൻ"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "ചതുഷ്പാദം", "മാനവം", "ജലചരം", "വനചരം", "കീടം"};
constexpr std::array<std::string_view, 14> kYonis = {
    "കുതിര", "ആന", "ആട്", "പാമ്പ്", "പട്ടി", "പൂച്ച", "എലി",
    "പശു", "പോത്ത്", "പുലി", "മാൻ", "കുരങ്ങ്", "കീരി", "സിംഹം"};
constexpr std::array<std::string_view, 3> kGanas = {"ദേവഗണം", "മനുഷ്യഗണം", "അസുരഗണം"};
constexpr std::array<std::string_view, 3> kNadis = {"ആദിനാഡി", "മധ്യനാഡി", "അന്ത്യനാഡി"};
constexpr std::array<std::string_view, 5> kRajjus = {
    "പാദരജ്ജു", "കടിരജ്ജു", "നാഭിരജ്ജു", "കണ്ഠരജ്ജു", "ശിരോരജ്ജു"};
constexpr std::array<std::string_view, 3> kRegards = {"മിത്രം", "സമം", "ശത്രു"};
constexpr std::array<std::string_view, 2> kDoshas = {"നാഡീദോഷം", "ഭകൂടദോഷം"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "ഖർമാസം", "മലമാസം", "ഗുരുമൗഢ്യം", "ശുക്രമൗഢ്യം", "അധിമാസം", "ക്ഷയമാസം",
    "ചാതുർമാസ്യം", "ഹോലാഷ്ടകം", "പിതൃപക്ഷം", "സൂര്യഗ്രഹണം", "ചന്ദ്രഗ്രഹണം", "പഞ്ചകം"};
constexpr std::array<std::string_view, 12> kMasas = {
    "ചൈത്രം", "വൈശാഖം", "ജ്യേഷ്ഠം", "ആഷാഢം", "ശ്രാവണം", "ഭാദ്രപദം",
    "ആശ്വിനം", "കാർത്തികം", "മാർഗ്ഗശീർഷം", "പൗഷം", "മാഘം", "ഫാൽഗുനം"};
constexpr std::array<std::string_view, 4> kEclipses = {"പൂർണ്ണ", "വലയ", "സങ്കര", "ഭാഗിക"};

}  // namespace

const Table kMalayalam = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                          kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
