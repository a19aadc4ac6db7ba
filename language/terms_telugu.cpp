#include "language/term_names.h"

// clang-format off
// Telugu: the kootas as the report's catalog names them; the varnas, vashya
// groups, yoni animals and nadis as the Telugu ashta koota pages print them
// (telugusourabham.blogspot.com "అష్ట కూటములు చూచు విధానం": శూద్ర, క్షత్రియ,
// మానవ, శ్వానము, వానరము, ఆది, మధ్య; medhadakshinamurtyjyotishanilayam
// .blogspot.com "vivaha pontana": ఆది నాడి, అంత్య నాడి), in today's -ం form.
// The setting of Jupiter and Venus as Telugu panchangams call it, మౌఢ్యమి
// (manahindu-dharmam.blogspot.com "గురుమౌఢ్యమి", telugu.asianetnews.com);
// the poruthams, rajju parts, other vetoes, lunar months (చైత్రం ...
// ఫాల్గుణం) and kinds of eclipse in almanac usage.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "వర్ణం", "వశ్యం", "తార", "యోని", "గ్రహ మైత్రి", "గణం", "భకూటం", "నాడి"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "దిన", "గణ", "మాహేంద్ర", "స్త్రీ దీర్ఘ", "యోని",
    "రాశి", "రాశ్యధిపతి", "వశ్య", "రజ్జు", "వేధ"};
constexpr std::array<std::string_view, 4> kVarnas = {"బ్రాహ్మణ", "క్షత్రియ", "వైశ్య", "శూద్ర"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "చతుష్పాద", "మానవ", "జలచర", "వనచర", "కీటక"};
constexpr std::array<std::string_view, 14> kYonis = {
    "అశ్వం", "గజం", "మేషం", "సర్పం", "శ్వానం", "మార్జాలం", "మూషికం",
    "గోవు", "మహిషం", "వ్యాఘ్రం", "మృగం", "వానరం", "నకులం", "సింహం"};
constexpr std::array<std::string_view, 3> kGanas = {"దేవ గణం", "మనుష్య గణం", "రాక్షస గణం"};
constexpr std::array<std::string_view, 3> kNadis = {"ఆది నాడి", "మధ్య నాడి", "అంత్య నాడి"};
constexpr std::array<std::string_view, 5> kRajjus = {
    "పాద రజ్జు", "కటి రజ్జు", "నాభి రజ్జు", "కంఠ రజ్జు", "శిరో రజ్జు"};
constexpr std::array<std::string_view, 3> kRegards = {"మిత్రుడు", "సముడు", "శత్రువు"};
constexpr std::array<std::string_view, 2> kDoshas = {"నాడి దోషం", "భకూట దోషం"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "ఖరమాసం", "మలమాసం", "గురు మౌఢ్యమి", "శుక్ర మౌఢ్యమి", "అధిక మాసం", "క్షయ మాసం",
    "చాతుర్మాస్యం", "హోళాష్టకం", "పితృ పక్షం", "సూర్య గ్రహణం", "చంద్ర గ్రహణం", "పంచకం"};
constexpr std::array<std::string_view, 12> kMasas = {
    "చైత్రం", "వైశాఖం", "జ్యేష్ఠం", "ఆషాఢం", "శ్రావణం", "భాద్రపదం",
    "ఆశ్వయుజం", "కార్తీకం", "మార్గశిరం", "పుష్యం", "మాఘం", "ఫాల్గుణం"};
constexpr std::array<std::string_view, 4> kEclipses = {"సంపూర్ణ", "కంకణాకార", "మిశ్రమ", "పాక్షిక"};

}  // namespace

const Table kTelugu = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                       kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
