// The report in another language: its headings and fixed texts come from the
// catalog, every section is translated, and the RTF and HTML carry the
// script so a reader shows it.

#include <gtest/gtest.h>

#include <string>

#include "language/catalog.h"
#include "report/html_writer.h"
#include "report/plain_text_sink.h"
#include "report/report_texts.h"
#include "report/report_writer.h"
#include "report/rtf_writer.h"

namespace horavela {
namespace {

CalculationState TamilSectionsState() {
  CalculationState state;
  state.Input.subject = "Marriage";
  state.Input.election.year = 2011;
  state.Input.election.month = 1;
  state.Input.election.day = 5;
  state.ElectionChart = {Rashi::Vrischika, Nakshatra::Anuradha, Rashi::Dhanus,     Tithi::Panchami,
                         Yoga::Siddhi,     Karana::Bava,        Weekday::Wednesday};
  state.Result.ReportFlags[ResultFlag] = 2;
  for (const FactorSectionText& section : FactorSectionTexts())
    state.Result.ReportFlags[section.slot] = 2;
  return state;
}

// \uN? escapes of `utf8`, as the RTF must hold a heading of an Indian script.
std::string RtfUnits(std::string_view utf8) {
  return EscapeRtf(utf8);
}

TEST(TranslatedReportTest, HindiAndTamilTranslateEveryHeadingAndFixedText) {
  for (Language language : {Language::Hindi, Language::Tamil}) {
    SCOPED_TRACE(std::string(CodeOf(language)));
    for (std::string_view english :
         {kReportTitle, kReportGeneratedBy, kChosenDateHeading, kOverallHeading,
          kTimingNotesHeading, kTimingWarningsHeading, kTimingBetterHeading, kTimingFactorsHeading,
          OverallParagraphs().bad, OverallParagraphs().good, OverallParagraphs().average})
      EXPECT_NE(Translated(english, language), english) << english;
    for (const FactorSectionText& section : FactorSectionTexts()) {
      EXPECT_NE(Translated(section.heading, language), section.heading) << section.heading;
      for (std::string_view paragraph : {section.adverse, section.favourable})
        EXPECT_TRUE(paragraph.empty() || Translated(paragraph, language) != paragraph) << paragraph;
    }
    for (const SectionSubject& subject : SectionSubjects())
      EXPECT_NE(Translated(subject.name, language), subject.name) << subject.name;
  }
}

TEST(TranslatedReportTest, TamilRtfSetsTheTamilHeadingsInTheTamilFont) {
  RtfWriter rtf(Language::Tamil);
  ReportOptions options;
  options.language = Language::Tamil;
  WriteReport(TamilSectionsState(), rtf, options);
  const std::string document = rtf.Document();
  EXPECT_NE(document.find("{\\f1\\fnil\\fcharset0 Noto Sans Tamil;}"), std::string::npos);
  // The title as \uN? units, in a run of the script's font.
  const std::string title = RtfUnits(Translated(kReportTitle, Language::Tamil));
  EXPECT_EQ(title.rfind("\\u3001?", 0), 0u) << title;  // ஹ, U+0BB9
  // Each word a run of its own: spaces and punctuation stay in Arial.
  EXPECT_NE(document.find("{\\f1\\af1 " + RtfUnits("ஹோராவேலா") + "} {\\f1\\af1 "),
            std::string::npos);
  EXPECT_NE(document.find("{\\f1\\af1 " + RtfUnits("நட்சத்திரம்") + "}: {\\f1\\af1 " +
                          RtfUnits("அனுஷம்") + "}"),
            std::string::npos);
  // Bold and size reach the script through its associated attributes.
  EXPECT_NE(document.find("\\b \\rtlch\\fcs1 \\ab \\ltrch\\fcs0 "), std::string::npos);
  EXPECT_NE(document.find("\\fs24 \\afs24 "), std::string::npos);
  // Latin stays in Arial, outside the script's runs.
  EXPECT_NE(document.find("https://horavela.org"), std::string::npos);
  EXPECT_EQ(document.find("Horavela Report"), std::string::npos);
}

// The names after the headings, the date and the particulars are the
// language's own, as its almanacs print them.
TEST(TranslatedReportTest, TamilReportNamesTheElementsAndTheDateInTamil) {
  PlainTextSink text;
  ReportOptions options;
  options.language = Language::Tamil;
  options.particulars = true;
  CalculationState state = TamilSectionsState();
  state.Input.birth = state.Input.election;
  state.Input.name = "Priya";
  state.Input.sex = "Female";
  WriteReport(state, text, options);
  for (const char* line : {"நட்சத்திரம்: அனுஷம்\n", "ராசி: விருச்சிகம்\n", "திதி: பஞ்சமி\n",
                           "கிழமை: புதன்\n", "\n5 ஜனவரி 2011\n", "பிறப்பு 5 ஜனவரி 2011, 00:00 மணி",
                           "\nதிருமணம்\n", "Priya, பெண்"})
    EXPECT_NE(text.text().find(line), std::string::npos) << line << text.text();
  for (const char* english : {"Anuradha", "January", "Born", "Strength of Star", "Female",
                              "Marriage"})
    EXPECT_EQ(text.text().find(english), std::string::npos) << english;
}

TEST(TranslatedReportTest, EnglishRtfAndHtmlNameNoScriptFont) {
  RtfWriter rtf;
  HtmlWriter html;
  WriteReport(TamilSectionsState(), rtf);
  WriteReport(TamilSectionsState(), html);
  EXPECT_NE(rtf.Document().find("{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"),
            std::string::npos);
  EXPECT_EQ(rtf.Document().find("\\f1"), std::string::npos);
  EXPECT_EQ(html.Document().rfind("<!DOCTYPE html>\n<html>\n", 0), 0u);
}

TEST(TranslatedReportTest, HindiHtmlSaysItsLanguageAndAsksForDevanagari) {
  HtmlWriter html(Language::Hindi);
  ReportOptions options;
  options.language = Language::Hindi;
  WriteReport(TamilSectionsState(), html, options);
  const std::string page = html.Document();
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html lang=\"hi\">\n<head>\n<meta charset=\"utf-8\">", 0),
            0u);
  EXPECT_NE(page.find("font-family:'Noto Sans Devanagari',Arial"), std::string::npos);
  EXPECT_NE(page.find("<title>होरावेला मुहूर्त विवरण</title>"), std::string::npos);
  EXPECT_NE(page.find("शुभ"), std::string::npos);
  EXPECT_EQ(page.find("Report"), std::string::npos);
}

}  // namespace
}  // namespace horavela
