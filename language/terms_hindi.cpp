#include "language/term_names.h"

// clang-format off
// Hindi: the names of guna milan as Hindi matching pages print them: the
// kootas, the four varnas, the vashya groups and the three ganas as
// astrogurusanjay.com/matchmaking.html and astrobix.com (Ashtakoot Milan)
// write them; the yoni animals and nadis as Hindi almanacs' milan tables
// (beforeprint.in, "अष्टकूट मिलान"); the veto seasons as Hindi panchangs
// name them (खरमास, मलमास, होलाष्टक), the lunar months and the kinds of
// eclipse (खग्रास, खण्डग्रास) as their grahan pages print them.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "वर्ण", "वश्य", "तारा", "योनि", "ग्रह मैत्री", "गण", "भकूट", "नाड़ी"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "दिन", "गण", "माहेन्द्र", "स्त्री-दीर्घ", "योनि",
    "राशि", "राशि-अधिपति", "वश्य", "रज्जु", "वेध"};
constexpr std::array<std::string_view, 4> kVarnas = {"ब्राह्मण", "क्षत्रिय", "वैश्य", "शूद्र"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "चतुष्पद", "मानव", "जलचर", "वनचर", "कीट"};
constexpr std::array<std::string_view, 14> kYonis = {
    "अश्व", "गज", "मेष", "सर्प", "श्वान", "मार्जार", "मूषक",
    "गौ", "महिष", "व्याघ्र", "मृग", "वानर", "नकुल", "सिंह"};
constexpr std::array<std::string_view, 3> kGanas = {"देव", "मनुष्य", "राक्षस"};
constexpr std::array<std::string_view, 3> kNadis = {"आदि", "मध्य", "अन्त्य"};
constexpr std::array<std::string_view, 5> kRajjus = {"पाद", "कटि", "नाभि", "कण्ठ", "शिर"};
constexpr std::array<std::string_view, 3> kRegards = {"मित्र", "सम", "शत्रु"};
constexpr std::array<std::string_view, 2> kDoshas = {"नाड़ी दोष", "भकूट दोष"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "खरमास", "मलमास", "गुरु अस्त", "शुक्र अस्त", "अधिक मास", "क्षय मास",
    "चातुर्मास", "होलाष्टक", "पितृ पक्ष", "सूर्य ग्रहण", "चन्द्र ग्रहण", "पंचक"};
constexpr std::array<std::string_view, 12> kMasas = {
    "चैत्र", "वैशाख", "ज्येष्ठ", "आषाढ़", "श्रावण", "भाद्रपद",
    "आश्विन", "कार्तिक", "मार्गशीर्ष", "पौष", "माघ", "फाल्गुन"};
constexpr std::array<std::string_view, 4> kEclipses = {"खग्रास", "कंकणाकृति", "संकर", "खण्डग्रास"};

}  // namespace

const Table kHindi = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                      kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
