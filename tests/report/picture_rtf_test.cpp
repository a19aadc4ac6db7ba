#include "report/picture_rtf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "report/emblem.h"

namespace horavela {
namespace {

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

Bitmap TwoByThree() {
  // Top row first: red, green / blue, white / black, grey.
  return {2, 3, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080}};
}

TEST(ByteToHex, TwoUpperCaseDigits) {
  const std::pair<std::uint8_t, const char*> rows[] = {
      {0, "00"}, {15, "0F"}, {16, "10"}, {255, "FF"}, {0xA7, "A7"}};
  for (const auto& [byte, hex] : rows) EXPECT_EQ(ByteToHex(byte), hex) << int{byte};
}

struct Record {
  std::uint16_t function;
  std::size_t offset;  // of the record's first byte
  std::uint32_t words;
};

// Walks the records of a metafile after its nine-word header.
std::vector<Record> Records(const std::vector<std::uint8_t>& meta) {
  std::vector<Record> records;
  std::size_t at = 18;
  while (at + 6 <= meta.size()) {
    const std::uint32_t words = U32(meta, at);
    records.push_back({U16(meta, at + 4), at, words});
    if (words < 3) break;
    at += words * 2;
  }
  return records;
}

TEST(Metafile, HeaderAndRecordsDrawTheBitmap) {
  const Bitmap picture = TwoByThree();
  const std::vector<std::uint8_t> meta = BitmapToMetafile(picture);
  ASSERT_GE(meta.size(), 18u);
  EXPECT_EQ(U16(meta, 0), 1);       // in memory
  EXPECT_EQ(U16(meta, 2), 9);       // header words
  EXPECT_EQ(U16(meta, 4), 0x0300);  // version
  EXPECT_EQ(U32(meta, 6) * 2, meta.size());

  const std::vector<Record> records = Records(meta);
  std::vector<std::uint16_t> functions;
  std::uint32_t largest = 0;
  std::size_t end = 18;
  for (const Record& r : records) {
    functions.push_back(r.function);
    largest = std::max(largest, r.words);
    end = r.offset + r.words * 2;
  }
  EXPECT_EQ(end, meta.size()) << "records fill the file exactly";
  EXPECT_EQ(U32(meta, 12), largest);
  const std::vector<std::uint16_t> expected = {0x001E, 0x0103, 0x020B, 0x020C,
                                               0x0F43, 0x0127, 0x0000};
  ASSERT_EQ(functions, expected);

  EXPECT_EQ(U16(meta, records[1].offset + 6), 8);  // anisotropic
  EXPECT_EQ(U16(meta, records[2].offset + 6), 0);  // origin y
  EXPECT_EQ(U16(meta, records[2].offset + 8), 0);  // origin x
  EXPECT_EQ(U16(meta, records[3].offset + 6), 3);  // extent y = height
  EXPECT_EQ(U16(meta, records[3].offset + 8), 2);  // extent x = width
  EXPECT_EQ(static_cast<std::int16_t>(U16(meta, records[5].offset + 6)), -1);
  EXPECT_EQ(records[6].words, 3u);

  // StretchDIBits: source copy, RGB colours, source and destination the full
  // picture, then the DIB with its rows bottom up in blue-green-red order.
  const std::size_t s = records[4].offset + 6;
  EXPECT_EQ(U32(meta, s), 0x00CC0020u);
  EXPECT_EQ(U16(meta, s + 4), 0);
  const std::uint16_t sizes[] = {3, 2, 0, 0, 3, 2, 0, 0};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(U16(meta, s + 6 + 2 * i), sizes[i]) << i;
  const std::size_t dib = s + 22;
  EXPECT_EQ(U32(meta, dib), 40u);
  EXPECT_EQ(U32(meta, dib + 4), 2u);
  EXPECT_EQ(U32(meta, dib + 8), 3u);
  EXPECT_EQ(U16(meta, dib + 12), 1);
  EXPECT_EQ(U16(meta, dib + 14), 24);
  const std::size_t bits = dib + 40;
  const std::vector<std::uint8_t> rows = {
      0x00, 0x00, 0x00, 0x80, 0x80, 0x80, 0, 0,   // black, grey (bottom row)
      0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0,   // blue, white
      0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0};  // red, green (top row)
  ASSERT_GE(meta.size(), bits + rows.size());
  EXPECT_EQ(std::vector<std::uint8_t>(meta.begin() + bits, meta.begin() + bits + rows.size()),
            rows);
  EXPECT_EQ(records[4].offset + records[4].words * 2, records[5].offset);
}

TEST(Metafile, EmptyOrInconsistentBitmapGivesNothing) {
  EXPECT_TRUE(BitmapToMetafile(Bitmap{}).empty());
  EXPECT_TRUE(BitmapToMetafile(Bitmap{2, 2, {0, 0, 0}}).empty());
  EXPECT_TRUE(PictureToRtf(Bitmap{}).empty());
}

TEST(PictureToRtf, GroupHeaderSizes) {
  const Bitmap picture = ReportEmblem();
  const std::string group = PictureToRtf(picture);
  // 72 pixels: 1080 twips, 1905 hundredths of a millimetre at 96 dpi.
  ASSERT_EQ(picture.width, 72);
  EXPECT_TRUE(
      group.starts_with("{\\pict\\wmetafile8\\picw1905\\pich1905\\picwgoal1080\\pichgoal1080 \r\n"))
      << group.substr(0, 80);
  EXPECT_TRUE(group.ends_with("\r\n}"));
}

TEST(PictureToRtf, HexLinesAreLowerCaseAndAtMost39Bytes) {
  const Bitmap picture = ReportEmblem();
  const std::string group = PictureToRtf(picture);
  const std::vector<std::uint8_t> meta = BitmapToMetafile(picture);
  const std::size_t start = group.find(' ') + 1;
  const std::size_t stop = group.rfind("\r\n}");
  std::string hex;
  std::size_t lines = 0;
  std::size_t at = start;
  while (at < stop) {
    ASSERT_EQ(group.compare(at, 2, "\r\n"), 0) << "each line starts with CRLF";
    const std::size_t next = std::min(group.find("\r\n", at + 2), stop);
    const std::string line = group.substr(at + 2, next - at - 2);
    EXPECT_LE(line.size(), 78u);
    EXPECT_EQ(line.size() % 2, 0u);
    if (next < stop) {
      EXPECT_EQ(line.size(), 78u) << "only the last line is short";
    }
    for (char c : line) {
      EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) << c;
    }
    hex += line;
    ++lines;
    at = next;
  }
  EXPECT_EQ(lines, (meta.size() + 38) / 39);
  ASSERT_EQ(hex.size(), meta.size() * 2);
  for (std::size_t i = 0; i < meta.size(); ++i) {
    ASSERT_EQ(std::stoi(hex.substr(2 * i, 2), nullptr, 16), meta[i]) << i;
  }
}

TEST(InsertPicture, GroupAtTheInsertionPointAndTextAfterIt) {
  std::string rtf = "before after";
  std::size_t point = 7;
  InsertPicture(rtf, point, TwoByThree());
  const std::string group = PictureToRtf(TwoByThree());
  EXPECT_EQ(rtf, "before " + group + "after");
  EXPECT_EQ(point, 7 + group.size());
  rtf.insert(point, "X");
  EXPECT_TRUE(rtf.ends_with("}Xafter"));

  std::string unchanged = "text";
  std::size_t end = 4;
  InsertPicture(unchanged, end, Bitmap{});
  EXPECT_EQ(unchanged, "text");
  EXPECT_EQ(end, 4u);
}

TEST(Emblem, SunOnWhite) {
  const Bitmap& emblem = ReportEmblem();
  ASSERT_EQ(emblem.width, emblem.height);
  ASSERT_EQ(emblem.pixels.size(), static_cast<std::size_t>(emblem.width * emblem.height));
  const auto at = [&](int x, int y) { return emblem.pixels[y * emblem.width + x] & 0xFFFFFF; };
  EXPECT_EQ(at(0, 0), 0xFFFFFFu);  // corners stay white
  EXPECT_EQ(at(emblem.width - 1, emblem.height - 1), 0xFFFFFFu);
  const std::uint32_t centre = at(emblem.width / 2, emblem.height / 2);
  EXPECT_GT(centre >> 16, 0x80u);  // the central point is a warm dark red
  EXPECT_LT(centre & 0xFF, 0x40u);
  // The disc between the rings is yellow: strong red and green, little blue.
  const std::uint32_t disc = at(emblem.width / 2, emblem.height / 2 + emblem.height / 6);
  EXPECT_GT(disc >> 16, 0xE0u);
  EXPECT_GT((disc >> 8) & 0xFF, 0x90u);
  EXPECT_LT(disc & 0xFF, 0x80u);
  // A ray points straight up.
  const std::uint32_t ray = at(emblem.width / 2, emblem.height / 10);
  EXPECT_NE(ray, 0xFFFFFFu);
}

}  // namespace
}  // namespace horavela
