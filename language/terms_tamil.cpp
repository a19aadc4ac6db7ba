#include "language/term_names.h"

// clang-format off
// Tamil: the ten poruthams and the three ganams as the Tamil marriage
// matching pages list them (arogyapayanam.in "முக்கியமான திருமண பொருத்தம்",
// neerodai.com "திருமண பொருத்தம்"); the five rajjus as neerkondar.blogspot.com
// (2013/06, ரஜ்ஜுப் பொருத்தம்) names them, சிரோ, கண்ட, உதர, தொடை, பாத ரஜ்ஜு.
// The kootas keep the words of the Tamil report catalog (ta.tsv); the varnas,
// vashya groups, yoni animals, nadis, planetary regards (நட்பு, சமம், பகை),
// doshas, vetoes (Pitru Paksha as மஹாளய பட்சம்), the lunar months in their
// Sanskrit forms (சைத்ரம் ... பால்குனம், as a Tamil panchangam's சாந்திரமான
// மாதம் line has them) and the kinds of eclipse are almanac usage.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "வர்ணம்", "வசியம்", "தாரை", "யோனி", "கிரக மைத்ரம்", "கணம்", "ராசி", "நாடி"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "தினம்", "கணம்", "மகேந்திரம்", "ஸ்திரீ தீர்க்கம்", "யோனி",
    "ராசி", "ராசி அதிபதி", "வசியம்", "ரஜ்ஜு", "வேதை"};
constexpr std::array<std::string_view, 4> kVarnas = {"பிராமணர்", "க்ஷத்திரியர்", "வைசியர்", "சூத்திரர்"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "சதுஷ்பாதம்", "மானவம்", "ஜலசரம்", "வனசரம்", "கீடம்"};
constexpr std::array<std::string_view, 14> kYonis = {
    "குதிரை", "யானை", "ஆடு", "பாம்பு", "நாய்", "பூனை", "எலி",
    "பசு", "எருமை", "புலி", "மான்", "குரங்கு", "கீரி", "சிங்கம்"};
constexpr std::array<std::string_view, 3> kGanas = {"தேவ கணம்", "மனித கணம்", "ராட்சஸ கணம்"};
constexpr std::array<std::string_view, 3> kNadis = {"ஆதி நாடி", "மத்திய நாடி", "அந்திய நாடி"};
constexpr std::array<std::string_view, 5> kRajjus = {
    "பாத ரஜ்ஜு", "தொடை ரஜ்ஜு", "உதர ரஜ்ஜு", "கண்ட ரஜ்ஜு", "சிரோ ரஜ்ஜு"};
constexpr std::array<std::string_view, 3> kRegards = {"நட்பு", "சமம்", "பகை"};
constexpr std::array<std::string_view, 2> kDoshas = {"நாடி தோஷம்", "ராசி (பகூட) தோஷம்"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "கர மாதம்", "மல மாதம்", "குரு அஸ்தமனம்", "சுக்கிர அஸ்தமனம்", "அதிக மாதம்", "க்ஷய மாதம்",
    "சாதுர்மாஸ்யம்", "ஹோலாஷ்டகம்", "மஹாளய பட்சம்", "சூரிய கிரகணம்", "சந்திர கிரகணம்", "பஞ்சகம்"};
constexpr std::array<std::string_view, 12> kMasas = {
    "சைத்ரம்", "வைசாகம்", "ஜ்யேஷ்டம்", "ஆஷாடம்", "ஸ்ராவணம்", "பாத்ரபதம்",
    "ஆஸ்வயுஜம்", "கார்த்திகம்", "மார்கசீர்ஷம்", "பௌஷ்யம்", "மாகம்", "பால்குனம்"};
constexpr std::array<std::string_view, 4> kEclipses = {"முழு", "வளைய", "கலப்பு", "பகுதி"};

}  // namespace

const Table kTamil = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                      kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
