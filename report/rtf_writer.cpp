#include "report/rtf_writer.h"

#include <cstdint>

#include "report/palette.h"
#include "report/picture_rtf.h"
#include "report/script_fonts.h"
#include "report/utf8.h"

namespace horavela {
namespace {

std::string ColorTable() {
  // Entry 0 is the reader's automatic colour; the palette follows from 1.
  std::string table = "{\\colortbl ;";
  for (PaletteColor color : kReportColors) {
    const PaletteRgb rgb = RgbOf(color);
    table += "\\red" + std::to_string(rgb.red) + "\\green" + std::to_string(rgb.green) + "\\blue" +
             std::to_string(rgb.blue) + ";";
  }
  return table + "}";
}

// One UTF-16 unit as \uN? : N is signed 16-bit, "?" is what readers without
// Unicode show instead.
void AppendUnicodeUnit(std::string& out, std::uint16_t unit) {
  out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
}

// The font of a report's script, after Arial; RTF writes a font name as
// it stands (the Noto names are ASCII).
constexpr std::string_view kScriptFontIndex = "\\f1";

// `utf8` with each run of an Indian script in the script's font, the rest
// in the document's.
std::string WithScriptRuns(std::string_view utf8) {
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    std::size_t probe = pos;
    const bool script = IsIndicCodePoint(NextCodePoint(utf8, probe));
    std::size_t end = probe;
    while (end < utf8.size()) {
      std::size_t next = end;
      if (IsIndicCodePoint(NextCodePoint(utf8, next)) != script) break;
      end = next;
    }
    const std::string text = EscapeRtf(utf8.substr(start, end - start));
    if (script) {
      out.append("{").append(kScriptFontIndex).append("\\a").append(kScriptFontIndex.substr(1));
      out.append(" ").append(text).append("}");
    } else {
      out += text;
    }
    pos = end;
  }
  return out;
}

}  // namespace

int RtfColorIndex(PaletteColor color) {
  for (int i = 0; i < static_cast<int>(std::size(kReportColors)); ++i) {
    if (kReportColors[i] == color) return i + 1;
  }
  return 0;
}

std::string EscapeRtf(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = NextCodePoint(utf8, pos);
    switch (cp) {
      case U'\\':
        out += "\\\\";
        break;
      case U'{':
        out += "\\{";
        break;
      case U'}':
        out += "\\}";
        break;
      case U'\n':
        out += "\\par\r\n";
        break;
      case U'\r':
        break;
      case U'\t':
        out += "\\tab ";
        break;
      default:
        if (cp < 0x20) break;  // other control characters have no place in text
        if (cp < 0x80) {
          out += static_cast<char>(cp);
        } else if (cp <= 0xFFFF) {
          AppendUnicodeUnit(out, static_cast<std::uint16_t>(cp));
        } else {
          const char32_t v = cp - 0x10000;
          AppendUnicodeUnit(out, static_cast<std::uint16_t>(0xD800 + (v >> 10)));
          AppendUnicodeUnit(out, static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
  }
  return out;
}

std::string RtfWriter::Document() const {
  std::string doc = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
  doc += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}";
  if (const std::string_view font = ScriptFontOf(language_); !font.empty())
    doc.append("{").append(kScriptFontIndex).append("\\fnil\\fcharset0 ").append(font).append(";}");
  doc += "}\r\n";
  doc += ColorTable() + "\r\n";
  doc += "\\viewkind4\\pard\\plain\\f0\\fs24 ";
  if (!ScriptFontOf(language_).empty()) doc += "\\afs24 ";
  doc += body_;
  doc += "\r\n}\r\n";
  return doc;
}

void RtfWriter::Clear() {
  body_.clear();
}

void RtfWriter::SetAlignment(Alignment alignment) {
  body_ += alignment == Alignment::Center ? "\\qc " : "\\ql ";
}

// Word processors keep the attributes of complex scripts apart (\ab, \afs,
// \af: "associated"): a Tamil heading is bold and sized only by those.
void RtfWriter::SetBold(bool bold) {
  body_ += bold ? "\\b " : "\\b0 ";
  // LibreOffice takes \ab only within the complex scripts' selector.
  if (!ScriptFontOf(language_).empty())
    body_ += bold ? "\\rtlch\\fcs1 \\ab \\ltrch\\fcs0 " : "\\rtlch\\fcs1 \\ab0 \\ltrch\\fcs0 ";
}

void RtfWriter::SetColor(PaletteColor color) {
  body_ += "\\cf" + std::to_string(RtfColorIndex(color)) + " ";
}

// RTF counts font sizes in half points.
void RtfWriter::SetFontSize(int points) {
  body_ += "\\fs" + std::to_string(points * 2) + " ";
  if (!ScriptFontOf(language_).empty()) body_ += "\\afs" + std::to_string(points * 2) + " ";
}

void RtfWriter::InsertText(std::string_view utf8) {
  body_ += ScriptFontOf(language_).empty() ? EscapeRtf(utf8) : WithScriptRuns(utf8);
}

// A4 less the readers' default margins, in twips.
constexpr int kRtfLineTwips = 9000;

// Each row: its cells' right edges (\cellx), then the cells' text in the
// table (\intbl), each closed by \cell, the row by \row; plain paragraphs
// follow (\pard).
void RtfWriter::InsertTable(const TextTable& table) {
  const std::vector<int> widths = ColumnWidths(table);
  const auto row = [&](const std::vector<std::string>& cells) {
    std::string rtf = "\\trowd\\trgaph72";
    int edge = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      edge += kRtfLineTwips * (i < widths.size() ? widths[i] : 0) / 100;
      rtf += "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs\\cellx" +
             std::to_string(edge);
    }
    rtf += "\r\n\\pard\\intbl ";
    for (const std::string& cell : cells)
      rtf += (ScriptFontOf(language_).empty() ? EscapeRtf(cell) : WithScriptRuns(cell)) + "\\cell ";
    return rtf + "\\row\r\n";
  };
  body_ += "\\b ";
  body_ += row(table.header);
  body_ += "\\b0 ";
  for (const std::vector<std::string>& cells : table.rows) body_ += row(cells);
  body_ += "\\pard ";
}

void RtfWriter::InsertPicture(const Bitmap& picture) {
  std::size_t insertionPoint = body_.size();
  horavela::InsertPicture(body_, insertionPoint, picture);
}

}  // namespace horavela
