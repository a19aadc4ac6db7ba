#pragma once

#include <string>

#include "language/language.h"
#include "report/rich_text_sink.h"

namespace horavela {

// Composes a standalone HTML page with the same formatting as the rich-text
// report: one <p> per paragraph with its alignment, <span>s carrying bold,
// colour and size, and pictures embedded as PNG data URIs. A page in another
// language says which (lang) and asks first for a font of its script.
class HtmlWriter : public RichTextSink {
 public:
  explicit HtmlWriter(Language language = Language::English) : language_(language) {}

  // The whole page, with the paragraph being written closed.
  std::string Document() const;

  void Clear() override;
  void SetAlignment(Alignment alignment) override { alignment_ = alignment; }
  void SetBold(bool bold) override { bold_ = bold; }
  void SetColor(PaletteColor color) override { color_ = color; }
  void SetFontSize(int points) override { fontSize_ = points; }
  void InsertText(std::string_view utf8) override;
  void InsertPicture(const Bitmap& picture) override;
  void InsertTable(const TextTable& table) override;

 private:
  std::string Paragraph() const;
  void AppendRun(std::string_view utf8);

  std::string closed_;   // finished paragraphs
  std::string current_;  // inline content of the open paragraph
  Alignment alignment_ = Alignment::Left;
  bool bold_ = false;
  PaletteColor color_ = PaletteColor::Black;
  int fontSize_ = 0;       // 0: the page's default size
  bool hasTable_ = false;  // the table style goes in only when needed
  Language language_;
};

// `utf8` with & < > " escaped for HTML text and attribute values.
std::string EscapeHtml(std::string_view utf8);

}  // namespace horavela
