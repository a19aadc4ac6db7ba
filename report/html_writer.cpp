#include "report/html_writer.h"

#include <cstdio>

#include "language/catalog.h"
#include "report/palette.h"
#include "report/png_image.h"
#include "report/program_identity.h"
#include "report/report_texts.h"
#include "report/script_fonts.h"

namespace horavela {
namespace {

std::string CssColor(PaletteColor color) {
  const PaletteRgb rgb = RgbOf(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return text;
}

}  // namespace

std::string EscapeHtml(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\r':
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Like the RTF document, a cleared page starts again from plain formatting.
void HtmlWriter::Clear() {
  closed_.clear();
  current_.clear();
  hasTable_ = false;
  alignment_ = Alignment::Left;
  bold_ = false;
  color_ = PaletteColor::Black;
  fontSize_ = 0;
}

std::string HtmlWriter::Paragraph() const {
  std::string p = alignment_ == Alignment::Center ? "<p style=\"text-align:center\">" : "<p>";
  // An empty paragraph still takes a line, as in a word processor.
  p += current_.empty() ? "<br>" : current_;
  p += "</p>\n";
  return p;
}

void HtmlWriter::AppendRun(std::string_view utf8) {
  if (utf8.empty()) return;
  std::string style = "color:" + CssColor(color_);
  if (bold_) style += ";font-weight:bold";
  if (fontSize_ > 0) style += ";font-size:" + std::to_string(fontSize_) + "pt";
  current_ += "<span style=\"" + style + "\">" + EscapeHtml(utf8) + "</span>";
}

void HtmlWriter::InsertText(std::string_view utf8) {
  std::size_t start = 0;
  while (true) {
    const std::size_t end = utf8.find('\n', start);
    if (end == std::string_view::npos) {
      AppendRun(utf8.substr(start));
      return;
    }
    AppendRun(utf8.substr(start, end - start));
    closed_ += Paragraph();
    current_.clear();
    start = end + 1;
  }
}

void HtmlWriter::InsertPicture(const Bitmap& picture) {
  const std::string png = EncodePng(picture);
  if (png.empty()) return;
  current_ += "<img src=\"data:image/png;base64," + Base64(png) + "\" width=\"" +
              std::to_string(picture.width) + "\" height=\"" + std::to_string(picture.height) +
              "\" alt=\"" + EscapeHtml(kProgramName) + " emblem\">";
}

void HtmlWriter::InsertTable(const TextTable& table) {
  if (!current_.empty()) {
    closed_ += Paragraph();
    current_.clear();
  }
  const std::vector<int> widths = ColumnWidths(table);
  const auto row = [&](const std::vector<std::string>& cells, const char* tag) {
    std::string html = "<tr>";
    for (std::size_t i = 0; i < cells.size(); ++i) {
      html += '<';
      html += tag;
      if (i < widths.size()) {
        html += " style=\"width:";
        html += std::to_string(widths[i]);
        html += "%\"";
      }
      html += '>';
      html += EscapeHtml(cells[i]);
      html += "</";
      html += tag;
      html += '>';
    }
    html += "</tr>\n";
    return html;
  };
  hasTable_ = true;
  closed_ += "<table>\n" + row(table.header, "th");
  for (const std::vector<std::string>& cells : table.rows) closed_ += row(cells, "td");
  closed_ += "</table>\n";
}

std::string HtmlWriter::Document() const {
  // English pages keep the form they always had.
  const std::string_view scriptFont = ScriptFontOf(language_);
  std::string doc = "<!DOCTYPE html>\n<html";
  if (!scriptFont.empty()) doc.append(" lang=\"").append(CodeOf(language_)).append("\"");
  doc += ">\n<head>\n<meta charset=\"utf-8\">\n<title>";
  // The page's title is the report's title, in the report's language.
  doc += EscapeHtml(Translated(kReportTitle, language_));
  doc += "</title>\n";
  doc += "<style>body{font-family:";
  if (!scriptFont.empty()) doc.append("'").append(scriptFont).append("',");
  doc +=
      "Arial,Helvetica,sans-serif;font-size:12pt}"
      "p{margin:0}";
  // Pages without a table keep the style they always had.
  if (hasTable_)
    doc +=
        "table{border-collapse:collapse;width:100%}"
        "th,td{border:1px solid #808080;padding:2px 4px;text-align:left;vertical-align:top}";
  doc += "</style>\n</head>\n<body>\n";
  doc += closed_;
  if (!current_.empty()) doc += Paragraph();
  doc += "</body>\n</html>\n";
  return doc;
}

}  // namespace horavela
