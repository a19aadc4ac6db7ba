#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace horavela {

// Colours of the classic sixteen-colour palette the report uses, by palette index.
enum class PaletteColor : int {
  Black = 0,
  DarkBlue = 1,
  Green = 2,
  DarkRed = 4,
  Purple = 5,
  Blue = 9,
};

enum class Alignment { Left, Center };

// A bitmap, top row first, 0xAARRGGBB per pixel.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Where a report is composed: the desktop program's document, an RTF file, HTML,
// plain text. Formatting calls set the state for the text inserted after them,
// like the insertion point of a rich-text box.
class RichTextSink {
 public:
  virtual ~RichTextSink() = default;
  virtual void Clear() = 0;
  virtual void SetAlignment(Alignment alignment) = 0;
  virtual void SetBold(bool bold) = 0;
  virtual void SetColor(PaletteColor color) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void InsertText(std::string_view utf8) = 0;  // "\n" starts a new paragraph
  virtual void InsertPicture(const Bitmap& picture) = 0;
  // False for a sink that throws everything away: composing a report for it
  // is then skipped (searches evaluate many moments and keep no report).
  virtual bool KeepsContent() const { return true; }
};

}  // namespace horavela
