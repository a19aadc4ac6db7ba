#include "report/picture_rtf.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace horavela {
namespace {

// Record functions of the Windows metafile format (MS-WMF 2.1.1.1).
constexpr std::uint16_t kMetaEof = 0x0000;
constexpr std::uint16_t kMetaSaveDc = 0x001E;
constexpr std::uint16_t kMetaRestoreDc = 0x0127;
constexpr std::uint16_t kMetaSetMapMode = 0x0103;
constexpr std::uint16_t kMetaSetWindowOrg = 0x020B;
constexpr std::uint16_t kMetaSetWindowExt = 0x020C;
constexpr std::uint16_t kMetaStretchDib = 0x0F43;

constexpr std::uint16_t kMapModeAnisotropic = 8;
constexpr std::uint32_t kRopSourceCopy = 0x00CC0020;
constexpr std::uint16_t kDibRgbColors = 0;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre96Dpi = 3780;

// Hundredths of a millimetre in one twip (1 inch = 1440 twips = 2540 units).
constexpr double kHimetricPerTwip = 2540.0 / 1440.0;

constexpr std::size_t kHexBytesPerLine = 39;

class ByteWriter {
 public:
  void U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v & 0xFFFF));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Byte(std::uint8_t v) { bytes_.push_back(v); }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A 24-bit bottom-up device-independent bitmap: header and pixel rows, each
// row padded to a multiple of four bytes.
std::vector<std::uint8_t> Dib(const Bitmap& picture) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(picture.width) * 3 + 3) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(picture.height);
  ByteWriter out;
  out.U32(kBitmapInfoHeaderSize);
  out.I32(picture.width);
  out.I32(picture.height);  // positive: bottom row first
  out.U16(1);               // planes
  out.U16(24);              // bits per pixel
  out.U32(0);               // no compression
  out.U32(imageBytes);
  out.I32(kPixelsPerMetre96Dpi);
  out.I32(kPixelsPerMetre96Dpi);
  out.U32(0);  // colours used
  out.U32(0);  // important colours
  for (int row = picture.height - 1; row >= 0; --row) {
    std::uint32_t written = 0;
    for (int col = 0; col < picture.width; ++col) {
      const std::uint32_t argb =
          picture.pixels[static_cast<std::size_t>(row) * picture.width + col];
      out.Byte(static_cast<std::uint8_t>(argb & 0xFF));
      out.Byte(static_cast<std::uint8_t>((argb >> 8) & 0xFF));
      out.Byte(static_cast<std::uint8_t>((argb >> 16) & 0xFF));
      written += 3;
    }
    for (; written < rowBytes; ++written) out.Byte(0);
  }
  return std::move(out.bytes());
}

// Collects records and writes the header once their sizes are known.
class MetafileBuilder {
 public:
  void Record(std::uint16_t function, const std::vector<std::int16_t>& params,
              const std::vector<std::uint8_t>& tail = {}) {
    ByteWriter record;
    const std::size_t bytes = 6 + params.size() * 2 + tail.size();
    const std::uint32_t words = static_cast<std::uint32_t>((bytes + 1) / 2);
    record.U32(words);
    record.U16(function);
    for (std::int16_t p : params) record.I16(p);
    for (std::uint8_t b : tail) record.Byte(b);
    if (bytes % 2 != 0) record.Byte(0);
    maxRecordWords_ = std::max(maxRecordWords_, words);
    records_.insert(records_.end(), record.bytes().begin(), record.bytes().end());
  }

  std::vector<std::uint8_t> Finish() {
    constexpr std::uint16_t kHeaderWords = 9;
    ByteWriter out;
    out.U16(1);  // metafile in memory
    out.U16(kHeaderWords);
    out.U16(0x0300);  // Windows 3.0 format
    out.U32(static_cast<std::uint32_t>(kHeaderWords + records_.size() / 2));
    out.U16(0);  // no objects
    out.U32(maxRecordWords_);
    out.U16(0);  // unused
    out.bytes().insert(out.bytes().end(), records_.begin(), records_.end());
    return std::move(out.bytes());
  }

 private:
  std::vector<std::uint8_t> records_;
  std::uint32_t maxRecordWords_ = 0;
};

std::int16_t Short(int v) {
  return static_cast<std::int16_t>(v);
}

long Himetric(int pixels) {
  return std::lround(pixels * kTwipsPerScreenPixel * kHimetricPerTwip);
}

}  // namespace

std::string ByteToHex(std::uint8_t byte) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::vector<std::uint8_t> BitmapToMetafile(const Bitmap& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height ||
      picture.width > 0x7FFF || picture.height > 0x7FFF) {
    return {};
  }
  const std::int16_t w = Short(picture.width);
  const std::int16_t h = Short(picture.height);
  MetafileBuilder meta;
  meta.Record(kMetaSaveDc, {});
  meta.Record(kMetaSetMapMode, {static_cast<std::int16_t>(kMapModeAnisotropic)});
  // Coordinates go y before x in these two records.
  meta.Record(kMetaSetWindowOrg, {0, 0});
  meta.Record(kMetaSetWindowExt, {h, w});
  // StretchDIBits parameters, last argument first: raster operation (two
  // words, low first), colour usage, source h, w, y, x, destination h, w, y, x.
  meta.Record(kMetaStretchDib,
              {static_cast<std::int16_t>(kRopSourceCopy & 0xFFFF),
               static_cast<std::int16_t>(kRopSourceCopy >> 16),
               static_cast<std::int16_t>(kDibRgbColors), h, w, 0, 0, h, w, 0, 0},
              Dib(picture));
  meta.Record(kMetaRestoreDc, {-1});
  meta.Record(kMetaEof, {});
  return meta.Finish();
}

std::string PictureToRtf(const Bitmap& picture) {
  const std::vector<std::uint8_t> metafile = BitmapToMetafile(picture);
  if (metafile.empty()) return {};
  std::string group = "{\\pict\\wmetafile8";
  group += "\\picw" + std::to_string(Himetric(picture.width));
  group += "\\pich" + std::to_string(Himetric(picture.height));
  group += "\\picwgoal" + std::to_string(picture.width * kTwipsPerScreenPixel);
  group += "\\pichgoal" + std::to_string(picture.height * kTwipsPerScreenPixel);
  group += ' ';
  for (std::size_t i = 0; i < metafile.size(); ++i) {
    if (i % kHexBytesPerLine == 0) group += "\r\n";
    // The reader accepts either case; the picture data is written in lower case.
    for (char digit : ByteToHex(metafile[i])) {
      group += static_cast<char>(std::tolower(static_cast<unsigned char>(digit)));
    }
  }
  group += "\r\n}";
  return group;
}

void InsertPicture(std::string& rtf, std::size_t& insertionPoint, const Bitmap& picture) {
  const std::string group = PictureToRtf(picture);
  insertionPoint = std::min(insertionPoint, rtf.size());
  rtf.insert(insertionPoint, group);
  insertionPoint += group.size();
}

}  // namespace horavela
