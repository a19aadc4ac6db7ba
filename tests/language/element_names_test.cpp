#include "language/element_names.h"
#include "language/term_names.h"

#include "language/day_part_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace horavela {
namespace {

// One list of names: how many elements it has, and the name of the element
// at an index in a language.
struct Kind {
  const char* name;
  int count;
  std::string_view (*nameOf)(int index, Language language);
};

template <typename E>
std::string_view Named(int index, Language language) {
  return NameOf(FromIndex<E>(index), language);
}

std::string_view SignShort(int index, Language language) {
  return SignAbbreviationOf(FromIndex<Rashi>(index), language);
}

template <TermSet set>
std::string_view Term(int index, Language language) {
  return TermName(set, index, language);
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      {"nakshatra", 27, Named<Nakshatra>},
      {"rashi", 12, Named<Rashi>},
      {"tithi", 16, Named<Tithi>},
      {"paksha", 2, Named<Paksha>},
      {"yoga", 27, Named<Yoga>},
      {"karana", 11, Named<Karana>},
      {"weekday", 7, Named<Weekday>},
      {"planet", 9, Named<Planet>},
      {"kalam", 3, Named<KalamWord>},
      {"tithi group", 5, Named<TithiGroup>},
      // The day's parts and the drawn chart's signs.
      {"choghadiya", 7, Named<Choghadiya>},
      {"gowri", 8, Named<Gowri>},
      {"sign abbreviation", 12, SignShort},
      // The terms of marriage matching and the vetoes.
      {"koota", 8, Term<TermSet::Koota>},
      {"porutham", 10, Term<TermSet::Porutham>},
      {"varna", 4, Term<TermSet::Varna>},
      {"vashya", 5, Term<TermSet::Vashya>},
      {"yoni", 14, Term<TermSet::Yoni>},
      {"gana", 3, Term<TermSet::Gana>},
      {"nadi", 3, Term<TermSet::Nadi>},
      {"rajju", 5, Term<TermSet::Rajju>},
      {"regard", 3, Term<TermSet::Regard>},
      {"dosha", 2, Term<TermSet::Dosha>},
      {"veto", 12, Term<TermSet::Veto>},
      {"masa", 12, Term<TermSet::Masa>},
      {"eclipse", 4, Term<TermSet::Eclipse>},
  };
  return kinds;
}

const Kind* KindNamed(const std::string& name) {
  for (const Kind& kind : Kinds()) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

// Whether `text` is well-formed UTF-8: no stray continuation byte, no
// truncated sequence, no overlong form, no surrogate, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80         ? 0
                      : lead >> 5 == 0x6  ? 1
                      : lead >> 4 == 0xE  ? 2
                      : lead >> 3 == 0x1E ? 3
                                          : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) return false;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next >> 6 != 0x2) return false;
      code = code << 6 | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (code < kLeast[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

// A row of the golden spellings, as a published almanac or reference prints
// the name.
struct GoldenRow {
  std::string code, kind;
  int position = 0;
  std::string name, source;
};

std::vector<GoldenRow> GoldenRows(const char* name = "element_names_golden.tsv") {
  std::ifstream file(std::string(HORAVELA_SOURCE_DIR "/tests/language/data/") + name);
  std::vector<GoldenRow> rows;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    GoldenRow row;
    std::string position;
    std::getline(in, row.code, '\t');
    std::getline(in, row.kind, '\t');
    std::getline(in, position, '\t');
    std::getline(in, row.name, '\t');
    std::getline(in, row.source);
    row.position = std::stoi(position);
    rows.push_back(row);
  }
  return rows;
}

// Each golden row's name is what our table gives for its language, kind and
// place, and the row names where the spelling was published.
void ExpectPublishedSpellings(const std::vector<GoldenRow>& rows) {
  for (const GoldenRow& row : rows) {
    const auto language = LanguageNamed(row.code);
    const Kind* kind = KindNamed(row.kind);
    ASSERT_TRUE(language && kind) << row.code << " " << row.kind;
    ASSERT_GE(row.position, 1);
    ASSERT_LE(row.position, kind->count);
    EXPECT_FALSE(row.source.empty()) << row.name;
    EXPECT_EQ(kind->nameOf(row.position - 1, *language), row.name)
        << row.code << " " << row.kind << " " << row.position << " (" << row.source << ")";
  }
}

TEST(ElementNames, SpellEachNameAsItsPublishedSourcePrintsIt) {
  const auto rows = GoldenRows();
  ASSERT_GE(rows.size(), 60u);
  ExpectPublishedSpellings(rows);
  std::set<std::string> languages;
  for (const GoldenRow& row : rows) languages.insert(row.code);
  EXPECT_EQ(languages.size(), 8u) << "every language but English has golden spellings";
}

// The choghadiyas and Gowri parts as the almanacs and references that
// publish them print them (the sign abbreviations have no published list).
TEST(ElementNames, SpellEachDayPartAsItsPublishedSourcePrintsIt) {
  const auto rows = GoldenRows("day_part_names_golden.tsv");
  ASSERT_GE(rows.size(), 12u);
  ExpectPublishedSpellings(rows);
}

TEST(ElementNames, EveryNameIsNonEmptyUtf8AndDistinctWithinItsList) {
  for (const Language language : AllLanguages()) {
    for (const Kind& kind : Kinds()) {
      std::set<std::string_view> seen;
      for (int index = 0; index < kind.count; ++index) {
        const std::string_view name = kind.nameOf(index, language);
        const std::string where = std::string(CodeOf(language)) + " " + kind.name + " " +
                                  std::to_string(index + 1) + " '" + std::string(name) + "'";
        EXPECT_FALSE(name.empty()) << where;
        EXPECT_TRUE(IsUtf8(name)) << where;
        EXPECT_TRUE(seen.insert(name).second) << where << " twice";
      }
      EXPECT_TRUE(kind.nameOf(kind.count, language).empty()) << "None has no name";
    }
  }
}

template <typename E>
void ExpectEnglishIsTheEngines(int count) {
  for (int index = 0; index < count; ++index) {
    const E value = FromIndex<E>(index);
    EXPECT_EQ(NameOf(value, Language::English), NameOf(value)) << index;
  }
}

TEST(ElementNames, EnglishIsExactlyTheNameThePagesAlwaysPrinted) {
  ExpectEnglishIsTheEngines<Nakshatra>(27);
  ExpectEnglishIsTheEngines<Rashi>(12);
  ExpectEnglishIsTheEngines<Tithi>(16);
  ExpectEnglishIsTheEngines<Paksha>(2);
  ExpectEnglishIsTheEngines<Yoga>(27);
  ExpectEnglishIsTheEngines<Karana>(11);
  ExpectEnglishIsTheEngines<Weekday>(7);
  ExpectEnglishIsTheEngines<Planet>(9);
  // The kalams as the Day page labels them.
  EXPECT_EQ(NameOf(KalamWord::RahuKalam, Language::English), "Rahu kalam");
  EXPECT_EQ(NameOf(KalamWord::Yamaganda, Language::English), "Yamaganda");
  EXPECT_EQ(NameOf(KalamWord::GulikaKalam, Language::English), "Gulika kalam");
  // The day's parts as the Day page always wrote them, the signs as the charts.
  EXPECT_EQ(NameOf(Choghadiya::Udveg, Language::English), "Udveg");
  EXPECT_EQ(NameOf(Gowri::Visham, Language::English), "Visham");
  for (int index = 0; index < 12; ++index)
    EXPECT_EQ(SignShort(index, Language::English), AbbreviationOf(FromIndex<Rashi>(index)));
}

TEST(ElementNames, UtfCheckRejectsBrokenSequences) {
  EXPECT_TRUE(IsUtf8("ரோகிணி"));
  EXPECT_FALSE(IsUtf8("\xE0\xAE"));      // truncated
  EXPECT_FALSE(IsUtf8("\xC0\xAF"));      // overlong '/'
  EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(IsUtf8("\x80"));          // stray continuation
}

}  // namespace
}  // namespace horavela

namespace horavela {
namespace {

// A chart of Anuradha in Vrishcika with Dhanus rising: its rows in English
// are the engine's own, in Tamil and Hindi the almanacs' words.
TEST(ElementNames, ChartRowsInEachLanguage) {
  const Chart chart{Rashi::Vrischika, Nakshatra::Anuradha, Rashi::Dhanus,     Tithi::Panchami,
                    Yoga::Siddhi,     Karana::Bava,        Weekday::Wednesday};
  for (int slot = 0; slot <= kChartSlotCount; ++slot)
    EXPECT_EQ(ChartText(chart, slot, Language::English), ChartText(chart, slot)) << slot;
  struct Row {
    int slot;
    Language language;
    std::string_view name;
  };
  const Row rows[] = {
      {kNakshatraSlot, Language::Tamil, "அனுஷம்"}, {kMoonSignSlot, Language::Tamil, "விருச்சிகம்"},
      {kLagnaSlot, Language::Hindi, "धनु"},        {kNakshatraLordSlot, Language::Hindi, "शनि"},
      {kWeekdaySlot, Language::Tamil, "புதன்"},    {kChartSlotCount, Language::Tamil, ""},
  };
  for (const Row& row : rows)
    EXPECT_EQ(ChartText(chart, row.slot, row.language), row.name) << row.slot;
}

// The civil months, named through the catalog; none outside the year.
TEST(ElementNames, CivilMonthsNamedInTheLanguage) {
  struct Row {
    std::string_view got;
    std::string_view want;
  };
  const Row rows[] = {
      {GregorianMonthName(3, Language::Hindi), "मार्च"},
      {GregorianMonthName(13, Language::Hindi), ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.got, row.want);
}

}  // namespace
}  // namespace horavela
