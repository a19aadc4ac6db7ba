#pragma once

#include <string>

#include "language/language.h"
#include "report/rich_text_sink.h"

namespace horavela {

// Composes a complete RTF document (Word and LibreOffice read it): one font,
// a colour table holding the report's six palette colours, and the body with
// \qc, \b/\b0, \cf and \fs control words at the points where the formatting
// changes. Text is UTF-8 in; \ { } are escaped and characters beyond ASCII
// are written as \uN? so any reader shows them. A report in another language
// names a second font, one that covers its script, and sets the script's
// runs of text in it: Arial has no Tamil or Devanagari letters.
class RtfWriter : public RichTextSink {
 public:
  explicit RtfWriter(Language language = Language::English) : language_(language) {}

  // The whole document: header, body so far, closing brace.
  std::string Document() const;

  void Clear() override;
  void SetAlignment(Alignment alignment) override;
  void SetBold(bool bold) override;
  void SetColor(PaletteColor color) override;
  void SetFontSize(int points) override;
  void InsertText(std::string_view utf8) override;
  void InsertPicture(const Bitmap& picture) override;
  void InsertTable(const TextTable& table) override;

 private:
  std::string body_;
  Language language_;
};

// `utf8` as RTF text: \ { } escaped, "\n" a paragraph mark, "\r" dropped,
// tabs as \tab, code points beyond ASCII as \uN? (UTF-16 units, signed).
// A malformed byte becomes U+FFFD.
std::string EscapeRtf(std::string_view utf8);

// Index of `color` in the document's colour table.
int RtfColorIndex(PaletteColor color);

}  // namespace horavela
