#include "report/png_image.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace horavela {
namespace {

// CRC-32 of ISO 3309 (polynomial 0xEDB88320, reflected), as PNG chunks carry it.
constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

std::uint32_t Crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (char ch : bytes) c = kCrcTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

// Adler-32 of RFC 1950, the zlib stream's checksum.
std::uint32_t Adler32(std::string_view bytes) {
  constexpr std::uint32_t kMod = 65521;
  std::uint32_t a = 1, b = 0;
  for (char ch : bytes) {
    a = (a + static_cast<std::uint8_t>(ch)) % kMod;
    b = (b + a) % kMod;
  }
  return b << 16 | a;
}

void BigEndian32(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v >> 24);
  out += static_cast<char>((v >> 16) & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
  out += static_cast<char>(v & 0xFF);
}

void Chunk(std::string& out, std::string_view type, std::string_view data) {
  BigEndian32(out, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed += data;
  out += typed;
  BigEndian32(out, Crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks: no compressor needed,
// and the emblem is small.
std::string StoredZlib(std::string_view raw) {
  constexpr std::size_t kMaxBlock = 65535;
  std::string out = "\x78\x01";
  std::size_t pos = 0;
  do {
    const std::size_t len = std::min(kMaxBlock, raw.size() - pos);
    const bool last = pos + len == raw.size();
    out += static_cast<char>(last ? 1 : 0);
    out += static_cast<char>(len & 0xFF);
    out += static_cast<char>(len >> 8);
    out += static_cast<char>(~len & 0xFF);
    out += static_cast<char>((~len >> 8) & 0xFF);
    out.append(raw.substr(pos, len));
    pos += len;
  } while (pos < raw.size());
  BigEndian32(out, Adler32(raw));
  return out;
}

}  // namespace

std::string EncodePng(const Bitmap& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
    return {};
  }
  std::string raw;
  raw.reserve(static_cast<std::size_t>(picture.height) * (1 + 4 * picture.width));
  for (int row = 0; row < picture.height; ++row) {
    raw += '\0';  // filter type None
    for (int col = 0; col < picture.width; ++col) {
      const std::uint32_t argb =
          picture.pixels[static_cast<std::size_t>(row) * picture.width + col];
      raw += static_cast<char>((argb >> 16) & 0xFF);
      raw += static_cast<char>((argb >> 8) & 0xFF);
      raw += static_cast<char>(argb & 0xFF);
      raw += static_cast<char>(argb >> 24);
    }
  }
  std::string header;
  BigEndian32(header, static_cast<std::uint32_t>(picture.width));
  BigEndian32(header, static_cast<std::uint32_t>(picture.height));
  header += "\x08\x06";            // 8 bits per channel, RGBA
  header += std::string(3, '\0');  // deflate, adaptive filtering, no interlace

  std::string png = "\x89PNG\r\n\x1a\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", StoredZlib(raw));
  Chunk(png, "IEND", {});
  return png;
}

std::string Base64(std::string_view bytes) {
  constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t v = static_cast<std::uint8_t>(bytes[i]) << 16 |
                            static_cast<std::uint8_t>(bytes[i + 1]) << 8 |
                            static_cast<std::uint8_t>(bytes[i + 2]);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t v = static_cast<std::uint8_t>(bytes[i]) << 16;
    if (rest == 2) v |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

}  // namespace horavela
