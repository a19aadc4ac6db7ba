#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "match_report/match_report.h"
#include "report/html_writer.h"
#include "report/plain_text_sink.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"

namespace horavela {
namespace {

using namespace matching;

BirthSigns Signs(int star, int pada, int sign) {
  BirthSigns signs;
  signs.moon = {FromIndex<Nakshatra>(star - 1), pada, FromIndex<Rashi>(sign - 1), 10};
  return signs;
}

std::size_t Count(std::string_view text, std::string_view what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string_view::npos;
       at = text.find(what, at + what.size()))
    ++n;
  return n;
}

// Rows of tests/matching/data/guna_milan_rows.tsv (worked by hand from the
// published tables): every koota's points as the report prints them, and the
// band of the total, on both sides of the "good" edge at 25.
struct KnownCouple {
  int groom[3];  // star, pada, sign from 1
  int bride[3];
  std::array<const char*, kKootaCount> points;
  const char* total;
};
constexpr KnownCouple kCouples[] = {
    {{1, 1, 1}, {1, 2, 1}, {"1", "2", "3", "4", "5", "6", "7", "0"}, "Total 28 of 36: good"},
    {{1, 1, 1},
     {17, 1, 8},
     {"0", "1", "1.5", "3", "5", "6", "0", "8"},
     "Total 24.5 of 36: average"},
    {{13, 1, 6},
     {24, 1, 11},
     {"1", "2", "1.5", "0", "4", "1", "0", "0"},
     "Total 9.5 of 36: not recommended"},
};

TEST(MatchReport, EveryKootaRowWithItsPointsAndTheBand) {
  for (const KnownCouple& c : kCouples) {
    const Match match = MatchCouple(Signs(c.groom[0], c.groom[1], c.groom[2]),
                                    Signs(c.bride[0], c.bride[1], c.bride[2]));
    PlainTextSink text;
    WriteMatchReport({{"Ravi", {}}, {"Asha", {}}, {}}, match, text);
    // Without cells the table is one line a row, tab-separated: koota,
    // groom, bride, points, of, reason.
    for (int k = 0; k < kKootaCount; ++k) {
      const Koota koota = static_cast<Koota>(k);
      const std::string row = "\n" + std::string(NameOf(koota)) + "\t";
      const std::size_t at = text.text().find(row);
      ASSERT_NE(at, std::string::npos) << NameOf(koota);
      const std::string line = text.text().substr(at + 1, text.text().find('\n', at + 1) - at - 1);
      const std::string points =
          "\t" + std::string(c.points[k]) + "\t" + PointsText(MaxHalvesOf(koota)) + "\t";
      EXPECT_NE(line.find(points), std::string::npos) << line;
    }
    EXPECT_NE(text.text().find(c.total), std::string::npos) << text.text();
  }
}

TEST(MatchReport, NamesBothPeopleTheDoshasPoruthamsAndManglik) {
  const Match match = MatchCouple(Signs(8, 1, 4), Signs(17, 2, 8));  // both Madhya nadi
  PlainTextSink text;
  WriteMatchReport({{"Ravi", {}}, {"Asha", {}}, {}}, match, text);
  for (const char* part : {"Groom: Ravi\n", "Bride: Asha\n", "Birth star Pushya, pada 1",
                           "Birth star Anuradha, pada 2; Moon in ", "Nadi dosha", "Bhakoot dosha",
                           "Rajju (deciding)\t", "Vedha (deciding)\t", "Manglik"}) {
    EXPECT_NE(text.text().find(part), std::string::npos) << part << "\n" << text.text();
  }
}

// In Hindi the reasons, the kootas', poruthams' and classes' names are Hindi,
// and no English reason is left.
TEST(MatchReport, HindiReportSaysTheReasonsInHindi) {
  const Match match = MatchCouple(Signs(8, 1, 4), Signs(17, 2, 8));  // both Madhya nadi
  PlainTextSink text;
  WriteMatchReport({{"Ravi", {}}, {"Asha", {}}, {}}, match, text, Language::Hindi);
  for (const char* part : {"नाड़ी: दोनों मध्य, 8 में से 0", "नाड़ी दोष: दोनों मध्य", "ग्रह मैत्री\t", "रज्जु",
                           "वेध: पुष्य और अनुराधा", "मांगलिक"}) {
    EXPECT_NE(text.text().find(part), std::string::npos) << part << "\n" << text.text();
  }
  for (const char* english : {"groom ", "bride ", " of 8", "matched", "Nadi", "Manglik"})
    EXPECT_EQ(text.text().find(english), std::string::npos) << english << "\n" << text.text();
}

// One composition into both writers: the RTF's braces balance and its table
// rows close; the HTML's tables and rows close, one row a koota or porutham
// and a header each.
TEST(MatchReport, RtfAndHtmlAreWellFormed) {
  const Match match = MatchCouple(Signs(13, 1, 6), Signs(24, 1, 11));
  RtfWriter rtf;
  HtmlWriter html;
  TeeSink both{&rtf, &html};
  WriteMatchReport({{"R{a}vi \\", {}}, {"<Asha> & Co", {}}, {}}, match, both);

  const std::string doc = rtf.Document();
  int depth = 0;
  for (std::size_t i = 0; i < doc.size(); ++i) {
    if (doc[i] == '\\') {
      ++i;
      continue;
    }
    depth += doc[i] == '{' ? 1 : doc[i] == '}' ? -1 : 0;
    ASSERT_GE(depth, 0);
  }
  EXPECT_EQ(depth, 0);
  const std::size_t rows = 1 + kKootaCount + 1 + kPoruthamCount;
  EXPECT_EQ(Count(doc, "\\trowd"), rows);
  EXPECT_EQ(Count(doc, "\\row\r\n"), rows);
  EXPECT_EQ(Count(doc, "\\cell "), 6 * (1 + kKootaCount) + 3 * (1 + kPoruthamCount));

  const std::string page = html.Document();
  EXPECT_EQ(Count(page, "<table>"), 2u);
  EXPECT_EQ(Count(page, "</table>"), 2u);
  EXPECT_EQ(Count(page, "<tr>"), rows);
  EXPECT_EQ(Count(page, "</tr>"), rows);
  EXPECT_EQ(Count(page, "<p"), Count(page, "</p>"));
  EXPECT_NE(page.find("&lt;Asha&gt; &amp; Co"), std::string::npos);
  EXPECT_EQ(page.find("<Asha>"), std::string::npos);
}

}  // namespace
}  // namespace horavela
