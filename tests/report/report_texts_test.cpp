#include "report/report_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace horavela {
namespace {

// The fixed opening sentence of each paragraph, written out again here so a
// slip in the text table shows up. Empty: the paragraph itself is empty.
struct Opening {
  ReportSlot slot;
  const char* adverse;
  const char* favourable;
};

const Opening kOpenings[] = {
    {TaraFlag,
     "Under the malefic effects of Tarabala, prime importance should be laid on the native's "
     "health.",
     "Under the favorable effects of Tarabala, the native will be wealth and will experience all "
     "sorts of enjoyments and pleasures in life."},
    {ChandraFlag,
     "Under the unfavorable effects of Chandrabala, the native will be devoid of mental strength "
     "and longevity.",
     "The Moon (Chandra) is said to be the Queen of the solar family."},
    {NakshatraFlag,
     "Just like the effects of auspicious nakshatras, the adverse effects of the inauspicious "
     "nakshatras also need to be taken into consideration.",
     "Nakshatras and Elections are closely interrelated."},
    {TithiFlag, "Inauspicious Tithi brings about all kind of financial as well as personal losses.",
     "Time the most powerful factor in the accomplishment of any work."},
    {WeekdayFlag, "Works started on the inauspicious days never yield good and beneficial results.",
     "It is very important to consider the day of the week before starting off any new venture or "
     "business or any work."},
    {MonthFlag,
     "All kind of ventures and undertakings during the inauspicious Hindu months bring about great "
     "hardships in the life of the person concerned.",
     "New works or undertakings during the auspicious Hindu months bring about unprecedented "
     "benefits to the person concerned."},
    {LagnaFlag,
     "Under the unfavorable effects of lagnas, the native is liable to suffer from financial as "
     "well as personal losses.",
     "People under the strong influence of the birth ascendant or the lagnas are generally very "
     "quick and direct."},
    {RashiFlag,
     "The malefic effects produced by the combination of the different planets result in a number "
     "of obstacles and hindrances in your path to success.",
     "Rashi or the zodiac astrology plays an important role in selecting the most auspicious time "
     "for starting off new works and ventures."},
    {KaranaFlag,
     "Under the effect of the inauspicious karanas, no good work or rituals should be performed.",
     "Karana is an important component of Election which is very often neglected in actual "
     "practice."},
    {YogaFlag,
     "Under the effects of unfavorable birth yogas, nothing seems to work smooth and fine for the "
     "native.",
     "Under the effects of favorable birth yoga, the native is known to excel in all works related "
     "to the field of commerce and communication."},
    {SiddhaFlag,
     "Under the unfavorable effects of this particular yoga, it is advisable to avoid all kind of "
     "auspicious works as it will bring about all kind of misfortunes, worries and despairs.",
     "Siddha Yoga is one of the most benefic yoga."},
    {SarvarthaFlag, "", "As the name implies, this Yoga is favorable under all circumstances."},
    {MrityuFlag, "As the name itself implies, Mrityu Yoga is an inauspicious yoga in itself.", ""},
    {DaghdaFlag, "Daghda Yoga is an inauspicious yoga in itself.", ""},
    {YamaghataFlag,
     "Like the Mrityu and the Daghda, the Yamaghata yoga is also a malefic yoga in itself.", ""},
    {TripushkarFlag, "",
     "Under the favorable effects of this yoga, the native is likely to inherit ancestral property "
     "and wealth."},
    {DvipushkarFlag, "The effects of this yoga will have a tendency to repeat itself twice.", ""},
    {SaraswatiFlag,
     "Under the unfavorable effects of Saraswati yoga, it is advisable to avoid all kind of "
     "auspicious works as it will bring about all kind of misfortunes, worries and despairs.",
     "Under the favorable effects of this particular yoga, the native is free to go ahead and take "
     "up all kinds work and ventures related to education and knowledge, as success is always "
     "there for them on the cards."},
    {AmritaFlag, "",
     "After the Siddha yoga, the Amrita Siddhi yoga is the next most auspicious yoga."},
};

// Sentences after the opening one: full stops that end a sentence.
int FurtherSentences(std::string_view paragraph, std::string_view opening) {
  int count = 0;
  const std::string_view rest = paragraph.substr(opening.size());
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '.' && (i + 1 == rest.size() || rest[i + 1] == ' ')) ++count;
  }
  return count;
}

void CheckParagraph(std::string_view paragraph, std::string_view opening, bool standsAlone) {
  if (opening.empty()) {
    EXPECT_TRUE(paragraph.empty()) << paragraph;
    return;
  }
  EXPECT_TRUE(paragraph.starts_with(opening)) << paragraph;
  EXPECT_GE(paragraph.size(), 170u) << paragraph;
  EXPECT_LE(paragraph.size(), 400u) << paragraph;
  EXPECT_EQ(paragraph.find('\n'), std::string_view::npos) << "one unbroken text: " << paragraph;
  EXPECT_EQ(paragraph.find("  "), std::string_view::npos) << paragraph;
  for (char c : paragraph) EXPECT_LT(static_cast<unsigned char>(c), 0x80u) << paragraph;
  if (standsAlone) {
    EXPECT_EQ(paragraph, opening);
  } else {
    const int further = FurtherSentences(paragraph, opening);
    EXPECT_GE(further, 2) << paragraph;
    EXPECT_LE(further, 4) << paragraph;
    EXPECT_EQ(paragraph[opening.size()], ' ') << paragraph;
  }
}

TEST(ReportTexts, FactorParagraphsOpenWithTheirSentenceAndFitTheLength) {
  const auto& sections = FactorSectionTexts();
  ASSERT_EQ(std::size(kOpenings), sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    SCOPED_TRACE(sections[i].heading);
    EXPECT_EQ(sections[i].slot, kOpenings[i].slot);
    const bool adverseAlone = kOpenings[i].slot == SiddhaFlag || kOpenings[i].slot == SaraswatiFlag;
    CheckParagraph(sections[i].adverse, kOpenings[i].adverse, adverseAlone);
    CheckParagraph(sections[i].favourable, kOpenings[i].favourable, false);
  }
}

TEST(ReportTexts, OverallParagraphs) {
  const OverallTexts& texts = OverallParagraphs();
  CheckParagraph(texts.bad, "Bad Elections are the inauspicious moments.", false);
  CheckParagraph(texts.good, "Election means auspicious.", false);
  CheckParagraph(texts.average,
                 "Under the average effects of Election, you will find yourself in quite a stable "
                 "position.",
                 false);
}

TEST(ReportTexts, DvipushkarCallsTheYogaInauspiciousAndWarnsAgainstJourneys) {
  const auto& sections = FactorSectionTexts();
  const std::string_view text = sections[16].adverse;
  EXPECT_EQ(sections[16].slot, DvipushkarFlag);
  EXPECT_NE(text.find("inauspicious"), std::string_view::npos);
  EXPECT_NE(text.find("long journeys"), std::string_view::npos);
}

TEST(ReportTexts, EverySelectorSlotHasOneSection) {
  bool seen[kReportFlagCount] = {};
  for (const auto& section : FactorSectionTexts()) {
    ASSERT_GT(section.slot, ResultFlag);
    ASSERT_LT(section.slot, kReportFlagCount);
    EXPECT_FALSE(seen[section.slot]) << section.heading;
    seen[section.slot] = true;
  }
}

}  // namespace
}  // namespace horavela
