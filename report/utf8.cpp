#include "report/utf8.h"

#include <algorithm>
#include <cstdint>

namespace horavela {

char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(utf8[i]); };
  const std::uint8_t lead = byte(pos);
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacementCharacter;
  }
  if (pos + extra >= utf8.size()) {  // truncated at the end
    ++pos;
    return kReplacementCharacter;
  }
  for (int i = 1; i <= extra; ++i) {
    const std::uint8_t next = byte(pos + i);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kReplacementCharacter;
    }
    cp = cp << 6 | (next & 0x3F);
  }
  // Overlong forms, surrogates and values past Unicode are not characters.
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacementCharacter;
  }
  pos += extra + 1;
  return cp;
}

namespace {

// The Brahmic scripts from Devanagari to Malayalam share one layout of 128
// code points each: the signs before the vowels (candrabindu, anusvara,
// visarga), the vowel signs with nukta and virama, the length marks and the
// vocalic vowel signs are all marks on the letter before.
bool IsIndicMark(char32_t cp) {
  if (cp < 0x0900 || cp > 0x0D7F) return false;
  const char32_t offset = (cp - 0x0900) % 0x80;
  return offset <= 0x03 || (offset >= 0x3A && offset <= 0x4F) ||
         (offset >= 0x51 && offset <= 0x57) || offset == 0x62 || offset == 0x63;
}

bool IsZeroWidth(char32_t cp) {
  return IsIndicMark(cp) || (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x200B && cp <= 0x200D);
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (std::size_t pos = 0; pos < utf8.size();)
    width += IsZeroWidth(NextCodePoint(utf8, pos)) ? 0 : 1;
  return width;
}

std::string PaddedTo(std::string_view utf8, int width) {
  std::string padded(utf8);
  padded.append(static_cast<std::size_t>(std::max(0, width - DisplayWidth(utf8))), ' ');
  return padded;
}

}  // namespace horavela
