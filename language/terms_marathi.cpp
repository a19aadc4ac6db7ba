#include "language/term_names.h"

// clang-format off
// Marathi: the kootas as this catalog already writes them (ग्रहमैत्री, भकूट),
// which is how Marathi patrika-milan pages list them (marathi.matrubharti.com,
// "पत्रिका मिलन": वर्ण, वश्य, तारा, योनी, ग्रह मैत्री, गण, नाडी; the nadis
// आद्य, मध्य, अंत्य and the देव, मनुष्य, राक्षस गण). The varnas, vashya
// groups, yoni animals, rajju parts and regards in almanac usage; the
// poruthams, a south Indian count, transliterated as the catalog's पोरुत्तम
// and रज्जू are. The veto seasons, the lunar months and the eclipses
// (खग्रास, खंडग्रास, कंकणाकृती) as Marathi almanacs such as Kalnirnay print them.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "वर्ण", "वश्य", "तारा", "योनी", "ग्रहमैत्री", "गण", "भकूट", "नाडी"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "दिन", "गण", "माहेंद्र", "स्त्री-दीर्घ", "योनी",
    "राशी", "राशी-अधिपती", "वश्य", "रज्जू", "वेध"};
constexpr std::array<std::string_view, 4> kVarnas = {"ब्राह्मण", "क्षत्रिय", "वैश्य", "शूद्र"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "चतुष्पद", "मानव", "जलचर", "वनचर", "कीटक"};
constexpr std::array<std::string_view, 14> kYonis = {
    "अश्व", "गज", "मेष", "सर्प", "श्वान", "मार्जार", "मूषक",
    "गो", "महिष", "व्याघ्र", "मृग", "वानर", "नकुल", "सिंह"};
constexpr std::array<std::string_view, 3> kGanas = {"देव", "मनुष्य", "राक्षस"};
constexpr std::array<std::string_view, 3> kNadis = {"आद्य", "मध्य", "अंत्य"};
constexpr std::array<std::string_view, 5> kRajjus = {"पाद", "कटी", "नाभी", "कंठ", "शिर"};
constexpr std::array<std::string_view, 3> kRegards = {"मित्र", "सम", "शत्रू"};
constexpr std::array<std::string_view, 2> kDoshas = {"नाडी दोष", "भकूट दोष"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "खरमास", "मलमास", "गुरू अस्त", "शुक्र अस्त", "अधिक मास", "क्षय मास",
    "चातुर्मास", "होलाष्टक", "पितृपक्ष", "सूर्यग्रहण", "चंद्रग्रहण", "पंचक"};
constexpr std::array<std::string_view, 12> kMasas = {
    "चैत्र", "वैशाख", "ज्येष्ठ", "आषाढ", "श्रावण", "भाद्रपद",
    "आश्विन", "कार्तिक", "मार्गशीर्ष", "पौष", "माघ", "फाल्गुन"};
constexpr std::array<std::string_view, 4> kEclipses = {"खग्रास", "कंकणाकृती", "संकरित", "खंडग्रास"};

}  // namespace

const Table kMarathi = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis, kGanas,   kNadis,
                        kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
