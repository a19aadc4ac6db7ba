#pragma once

#include <cstdint>
#include <string>
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

// A small table of text: a bold header row, then the rows, every row as
// many cells as the header. `widths` are the columns' shares of the line in
// per cent (empty: equal shares).
struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  std::vector<int> widths;
};

// The columns' shares in per cent: `widths` when it has one a column, else equal.
std::vector<int> ColumnWidths(const TextTable& table);

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
  // A table between paragraphs: call it at the start of a paragraph; the text
  // after it starts a new one. A sink without tables gets one line a row, the
  // cells parted by tabs.
  virtual void InsertTable(const TextTable& table);
  // False for a sink that throws everything away: composing a report for it
  // is then skipped (searches evaluate many moments and keep no report).
  virtual bool KeepsContent() const { return true; }
};

}  // namespace horavela
