#include <gtest/gtest.h>

#include <string>

#include "report/html_writer.h"
#include "report/picture_rtf.h"
#include "report/plain_text_sink.h"
#include "report/png_image.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"
#include "support/recording_sink.h"

namespace horavela {
namespace {

TEST(RtfEscape, SpecialAndNonAsciiCharacters) {
  const std::pair<const char*, const char*> rows[] = {
      {"a{b}c", "a\\{b\\}c"},
      {"C:\\path", "C:\\\\path"},
      {"Z\xC3\xBCrich", "Z\\u252?rich"},            // u with diaeresis, U+00FC
      {"\xE2\x80\x93", "\\u8211?"},                 // en dash, U+2013
      {"\xE6\x9D\xB1", "\\u26481?"},                // U+6771
      {"\xEF\xBF\xBD", "\\u-3?"},                   // U+FFFD: signed 16-bit
      {"\xF0\x9F\x8C\x9E", "\\u-10180?\\u-8418?"},  // U+1F31E as a surrogate pair
      {"one\ntwo", "one\\par\r\ntwo"},
      {"one\r\ntwo", "one\\par\r\ntwo"},
      {"\xFF", "\\u-3?"},            // not UTF-8
      {"\xC3", "\\u-3?"},            // cut short
      {"\xC0\xAF", "\\u-3?\\u-3?"},  // overlong slash
  };
  for (const auto& [in, out] : rows) EXPECT_EQ(EscapeRtf(in), out) << in;
}

TEST(RtfWriter, DocumentStructureAndFormatting) {
  RtfWriter rtf;
  rtf.SetAlignment(Alignment::Center);
  rtf.SetBold(true);
  rtf.SetColor(PaletteColor::Purple);
  rtf.SetFontSize(12);
  rtf.InsertText("Title {x}\n");
  rtf.SetBold(false);
  rtf.SetColor(PaletteColor::Green);
  rtf.InsertText("Good");
  const std::string doc = rtf.Document();
  EXPECT_TRUE(doc.starts_with("{\\rtf1\\ansi"));
  EXPECT_TRUE(doc.ends_with("}\r\n"));
  EXPECT_NE(doc.find("{\\fonttbl{\\f0"), std::string::npos);
  EXPECT_NE(doc.find("{\\colortbl ;\\red0\\green0\\blue0;\\red0\\green0\\blue128;"
                     "\\red0\\green128\\blue0;\\red128\\green0\\blue0;"
                     "\\red128\\green0\\blue128;\\red0\\green0\\blue255;}"),
            std::string::npos);
  EXPECT_NE(doc.find("\\qc \\b \\cf5 \\fs24 Title \\{x\\}\\par\r\n\\b0 \\cf3 Good"),
            std::string::npos)
      << doc;
  // Braces balance, escaped ones aside.
  int depth = 0;
  for (std::size_t i = 0; i < doc.size(); ++i) {
    if (doc[i] == '\\') {
      ++i;
      continue;
    }
    if (doc[i] == '{') ++depth;
    if (doc[i] == '}') --depth;
    ASSERT_GE(depth, 0);
  }
  EXPECT_EQ(depth, 0);
}

TEST(RtfWriter, ColourIndexes) {
  const std::pair<PaletteColor, int> rows[] = {
      {PaletteColor::Black, 1},   {PaletteColor::DarkBlue, 2}, {PaletteColor::Green, 3},
      {PaletteColor::DarkRed, 4}, {PaletteColor::Purple, 5},   {PaletteColor::Blue, 6}};
  for (const auto& [color, index] : rows) EXPECT_EQ(RtfColorIndex(color), index);
}

TEST(RtfWriter, PictureAndClear) {
  RtfWriter rtf;
  const Bitmap dot{1, 1, {0xFFFF8000}};
  rtf.InsertText("A");
  rtf.InsertPicture(dot);
  rtf.InsertText("B");
  EXPECT_NE(rtf.Document().find("A" + PictureToRtf(dot) + "B"), std::string::npos);
  rtf.Clear();
  rtf.InsertText("C");
  const std::string doc = rtf.Document();
  EXPECT_EQ(doc.find("\\pict"), std::string::npos);
  EXPECT_EQ(doc.find("A"), doc.find("Arial"));
}

TEST(HtmlWriter, ParagraphsRunsAndEscaping) {
  HtmlWriter html;
  html.SetAlignment(Alignment::Center);
  html.SetBold(true);
  html.SetColor(PaletteColor::DarkRed);
  html.SetFontSize(12);
  html.InsertText("Tithi: <a & \"b\">\n");
  html.SetBold(false);
  html.SetColor(PaletteColor::Black);
  html.InsertText("text\n\nlast");
  const std::string doc = html.Document();
  EXPECT_TRUE(doc.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(doc.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(doc.find("<p style=\"text-align:center\"><span style=\"color:#800000;font-weight:bold;"
                     "font-size:12pt\">Tithi: &lt;a &amp; &quot;b&quot;&gt;</span></p>\n"),
            std::string::npos)
      << doc;
  EXPECT_NE(doc.find("<span style=\"color:#000000;font-size:12pt\">text</span></p>\n"
                     "<p style=\"text-align:center\"><br></p>\n"
                     "<p style=\"text-align:center\"><span style=\"color:#000000;font-size:12pt\">"
                     "last</span></p>\n</body>"),
            std::string::npos)
      << doc;
  html.Clear();
  EXPECT_EQ(html.Document().find("Tithi"), std::string::npos);
}

TEST(HtmlWriter, PictureIsAPngDataUri) {
  HtmlWriter html;
  html.InsertPicture(Bitmap{2, 1, {0xFF000000, 0xFFFFFFFF}});
  const std::string doc = html.Document();
  const std::string png = EncodePng(Bitmap{2, 1, {0xFF000000, 0xFFFFFFFF}});
  EXPECT_NE(
      doc.find("<img src=\"data:image/png;base64," + Base64(png) + "\" width=\"2\" height=\"1\""),
      std::string::npos)
      << doc;
}

TEST(Png, ChunksChecksumsAndPixels) {
  const Bitmap picture{2, 2, {0xFFFF0000, 0x8000FF00, 0xFF0000FF, 0x00FFFFFF}};
  const std::string png = EncodePng(picture);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  // IHDR of a 2x2 RGBA picture and its CRC (computed independently with zlib.crc32).
  const std::string ihdr("\x00\x00\x00\x0dIHDR\x00\x00\x00\x02\x00\x00\x00\x02\x08\x06\x00\x00\x00",
                         21);
  EXPECT_EQ(png.substr(8, 21), ihdr);
  EXPECT_EQ(png.substr(29, 4), std::string("\x72\xb6\x0d\x24", 4));
  // The image data: stored deflate block holding both rows with filter bytes.
  const std::string raw(
      "\x00\xff\x00\x00\xff\x00\xff\x00\x80"
      "\x00\x00\x00\xff\xff\xff\xff\xff\x00",
      18);
  EXPECT_NE(png.find(raw), std::string::npos);
  EXPECT_TRUE(png.ends_with(std::string("\x00\x00\x00\x00IEND\xae\x42\x60\x82", 12)));
  EXPECT_TRUE(EncodePng(Bitmap{}).empty());
}

TEST(Base64, KnownVectors) {
  const std::pair<const char*, const char*> rows[] = {
      {"", ""}, {"M", "TQ=="}, {"Ma", "TWE="}, {"Man", "TWFu"}, {"foobar", "Zm9vYmFy"}};
  for (const auto& [in, out] : rows) EXPECT_EQ(Base64(in), out) << in;
  EXPECT_EQ(Base64(std::string("\xff\xfe", 2)), "//4=");
}

TEST(PlainTextSink, KeepsTextOnly) {
  PlainTextSink plain;
  plain.SetBold(true);
  plain.InsertPicture(Bitmap{1, 1, {0}});
  plain.InsertText("a\n");
  plain.InsertText("b");
  EXPECT_EQ(plain.text(), "a\nb");
  plain.Clear();
  EXPECT_EQ(plain.text(), "");
}

TEST(TeeSink, ForwardsEveryCallToEverySink) {
  testing::RecordingSink first, second;
  TeeSink tee{&first, &second};
  tee.InsertText("old");
  tee.Clear();
  tee.SetAlignment(Alignment::Center);
  tee.SetBold(true);
  tee.SetColor(PaletteColor::Green);
  tee.SetFontSize(12);
  tee.InsertText("x");
  tee.InsertPicture(Bitmap{});
  for (const auto* sink : {&first, &second}) {
    EXPECT_EQ(sink->clears, 1);
    EXPECT_EQ(sink->text, "x");
    ASSERT_EQ(sink->insertions.size(), 2u);
    const auto& x = sink->insertions[0];
    EXPECT_TRUE(x.bold);
    EXPECT_EQ(x.color, PaletteColor::Green);
    EXPECT_EQ(x.fontSize, 12);
    EXPECT_EQ(x.alignment, Alignment::Center);
    EXPECT_TRUE(sink->insertions[1].picture);
  }
}

}  // namespace
}  // namespace horavela
