#include "language/term_names.h"

#include "language/catalog.h"

namespace horavela {

namespace term_names {

namespace {

// clang-format off
// The names the program has always printed, English or transliterated.
constexpr std::array<std::string_view, 8> kKootas = {
    "Varna", "Vashya", "Tara", "Yoni", "Graha maitri", "Gana", "Bhakoot", "Nadi"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "Dina", "Gana", "Mahendra", "Stree-deergha", "Yoni",
    "Rasi", "Rasyadhipati", "Vasya", "Rajju", "Vedha"};
constexpr std::array<std::string_view, 4> kVarnas = {"Brahmin", "Kshatriya", "Vaishya", "Shudra"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "Chatushpada", "Manava", "Jalachara", "Vanachara", "Keeta"};
constexpr std::array<std::string_view, 14> kYonis = {
    "Horse", "Elephant", "Sheep", "Serpent", "Dog",    "Cat",      "Rat",
    "Cow",   "Buffalo",  "Tiger", "Deer",    "Monkey", "Mongoose", "Lion"};
constexpr std::array<std::string_view, 3> kGanas = {"Deva", "Manushya", "Rakshasa"};
constexpr std::array<std::string_view, 3> kNadis = {"Adi", "Madhya", "Antya"};
constexpr std::array<std::string_view, 5> kRajjus = {"Pada", "Kati", "Nabhi", "Kanta", "Siro"};
constexpr std::array<std::string_view, 3> kRegards = {"friend", "neutral", "enemy"};
constexpr std::array<std::string_view, 2> kDoshas = {"Nadi dosha", "Bhakoot dosha"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "Kharmas", "Malmas", "Guru asta", "Shukra asta", "Adhika masa", "Kshaya masa",
    "Chaturmas", "Holashtak", "Pitru Paksha", "Solar eclipse", "Lunar eclipse", "Panchaka"};
constexpr std::array<std::string_view, 12> kMasas = {
    "Chaitra", "Vaishakha", "Jyeshtha",     "Ashadha", "Shravana", "Bhadrapada",
    "Ashvina", "Kartika",   "Margashirsha", "Pausha",  "Magha",    "Phalguna"};
constexpr std::array<std::string_view, 4> kEclipses = {"Total", "Annular", "Hybrid", "Partial"};
// clang-format on

}  // namespace

const Table kEnglish = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis, kGanas,   kNadis,
                        kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace term_names

namespace {

const term_names::Table* TableOf(Language language) {
  switch (language) {
    case Language::Hindi:
      return &term_names::kHindi;
    case Language::Tamil:
      return &term_names::kTamil;
    case Language::Marathi:
      return &term_names::kMarathi;
    case Language::Bengali:
      return &term_names::kBengali;
    case Language::Gujarati:
      return &term_names::kGujarati;
    case Language::Telugu:
      return &term_names::kTelugu;
    case Language::Kannada:
      return &term_names::kKannada;
    case Language::Malayalam:
      return &term_names::kMalayalam;
    default:
      return nullptr;
  }
}

std::string_view Entry(const term_names::Table& table, TermSet set, int index) {
  const term_names::Names names = table[static_cast<std::size_t>(set)];
  if (index < 0 || static_cast<std::size_t>(index) >= names.size()) return {};
  return names[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view TermName(TermSet set, int index, Language language) {
  if (const term_names::Table* table = TableOf(language)) {
    if (const std::string_view name = Entry(*table, set, index); !name.empty()) return name;
  }
  const std::string_view english = Entry(term_names::kEnglish, set, index);
  // The kootas' names were in every catalog before these tables: where a
  // table leaves a koota out, the catalog's word stands.
  return set == TermSet::Koota ? Translated(english, language) : english;
}

int TermCount(TermSet set) {
  return static_cast<int>(term_names::kEnglish[static_cast<std::size_t>(set)].size());
}

}  // namespace horavela
