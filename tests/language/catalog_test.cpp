// The sentence catalogs: lookup with its English fallback, the placeholder
// formatter, the TSV form with its escapes, and every shipped file's fitness.

#include "language/catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "language/catalog_files.h"

namespace horavela {
namespace {

struct FormatCase {
  std::string_view pattern;
  std::string expected;
};

TEST(CatalogTest, FormattedFillsPlaceholdersInTheirOwnOrder) {
  const FormatCase cases[] = {
      {"%1 and %2", "Asha and Ravi"},
      {"%2 में से %1 मिले", "Ravi में से Asha मिले"},  // the translation reorders
      {"%1, %1 again", "Asha, Asha again"},
      {"100% sure, %3 missing", "100% sure, %3 missing"},  // stray % and no third argument
      {"%", "%"},
      {"", ""},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(Formatted(c.pattern, {"Asha", "Ravi"}), c.expected) << c.pattern;
}

TEST(CatalogTest, TranslatedFallsBackToTheEnglish) {
  EXPECT_EQ(Translated("Timing notes", Language::English), "Timing notes");
  EXPECT_EQ(Translated("Timing notes", Language::Tamil), "நேரக் குறிப்புகள்");
  EXPECT_EQ(Translated("Timing notes", Language::Hindi), "समय संबंधी टिप्पणियाँ");
  EXPECT_EQ(Translated("A sentence no catalog holds", Language::Tamil),
            "A sentence no catalog holds");
  // A heading keeps the trailing space that the element's name follows.
  EXPECT_EQ(Translated("Nakshatra: ", Language::Tamil), "நட்சத்திரம்: ");
}

TEST(CatalogTest, ParsesLinesWithEscapesAndSkipsCommentsAndBlanks) {
  const ParsedCatalog parsed = ParseCatalog(
      "# a comment\n"
      "\n"
      "Two\\nlines\tइरण्डु\\nवरि\r\n"
      "A\\ttab and \\\\ back\tx\\ty \\\\ z\n"
      "no tab here\n"
      "\tno English\n"
      "Kept \\q as written\tq");
  ASSERT_EQ(parsed.entries.size(), 3u);
  EXPECT_EQ(parsed.entries[0].english, "Two\nlines");
  EXPECT_EQ(parsed.entries[0].translation, "इरण्डु\nवरि");
  EXPECT_EQ(parsed.entries[1].english, "A\ttab and \\ back");
  EXPECT_EQ(parsed.entries[1].translation, "x\ty \\ z");
  EXPECT_EQ(parsed.entries[2].english, "Kept \\q as written");
  EXPECT_EQ(parsed.malformedLines, (std::vector<int>{5, 6}));
}

TEST(CatalogTest, PlaceholdersOfCountsEachOccurrence) {
  EXPECT_EQ(PlaceholdersOf("%2 of %1, %1"), (std::vector<int>{1, 1, 2}));
  EXPECT_EQ(PlaceholdersOf("100% and %0"), std::vector<int>{});
}

// What ships: every line parses, no English twice, and each translation keeps
// exactly the placeholders of its English (the build checks it too).
TEST(CatalogTest, EveryShippedCatalogIsWellFormed) {
  for (Language language : AllLanguages()) {
    EXPECT_TRUE(ParseCatalog(CatalogFileText(CodeOf(language))).malformedLines.empty())
        << CodeOf(language);
    const std::span<const CatalogEntry> entries = CatalogOf(language);
    std::vector<std::string_view> seen;
    for (const CatalogEntry& entry : entries) {
      EXPECT_EQ(PlaceholdersOf(entry.english), PlaceholdersOf(entry.translation))
          << CodeOf(language) << ": " << entry.english;
      EXPECT_EQ(std::count(seen.begin(), seen.end(), entry.english), 0)
          << CodeOf(language) << " twice: " << entry.english;
      seen.push_back(entry.english);
    }
  }
  EXPECT_TRUE(CatalogOf(Language::English).empty());
  EXPECT_FALSE(CatalogOf(Language::Tamil).empty());
  EXPECT_FALSE(CatalogOf(Language::Hindi).empty());
}

}  // namespace
}  // namespace horavela
