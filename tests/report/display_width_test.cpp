// Columns of Latin, Devanagari and Tamil text line up when padded by the
// width a reader sees: marks on a letter (vowel signs, virama, nukta,
// accents, joiners) take no column.

#include <gtest/gtest.h>

#include <string>

#include "report/utf8.h"

namespace horavela {
namespace {

TEST(DisplayWidthTest, CountsTheColumnsOfMixedScripts) {
  struct Row {
    const char* text;
    int width;
  };
  const Row rows[] = {
      {"", 0},
      {"Rahu kalam", 10},
      {"राहुकाल", 4},      // र ह क ल; ा and ु sit on them
      {"द्वितीया", 4},     // द व त य; the virama and vowel signs join them
      {"அனுஷம்", 4},       // அ ன ஷ ம; ு and ் are marks
      {"திருவாதிரை", 5},  // தி ரு வா தி ரை: ை is a mark too
      {"Tithi: तिथि", 9},
      {"cafe\u0301", 4},  // a combining accent
      {"क्\u200Dष", 2},    // a zero-width joiner
      {"\xE0\xA4", 2},    // broken bytes read as U+FFFD, one column each
  };
  for (const Row& row : rows) EXPECT_EQ(DisplayWidth(row.text), row.width) << row.text;
}

TEST(DisplayWidthTest, PadsToTheSameColumnWhateverTheScript) {
  for (const char* text : {"Koota", "वर्ण", "வர்ணம்"}) {
    const std::string padded = PaddedTo(text, 14);
    EXPECT_EQ(DisplayWidth(padded), 14) << text;
    EXPECT_EQ(padded.rfind(text, 0), 0u);
  }
  // A wider text is left as it is, as std::setw leaves it.
  EXPECT_EQ(PaddedTo("Poorva Bhadrapada", 5), "Poorva Bhadrapada");
}

}  // namespace
}  // namespace horavela
