#pragma once

#include <string>

#include "report/rich_text_sink.h"

namespace horavela {

// The report as plain text, the way a text box shows it: formatting is
// dropped, paragraph breaks stay "\n", and a picture leaves no text behind
// (the emblem has no words; a placeholder would only clutter the text).
class PlainTextSink : public RichTextSink {
 public:
  const std::string& text() const { return text_; }

  void Clear() override { text_.clear(); }
  void SetAlignment(Alignment) override {}
  void SetBold(bool) override {}
  void SetColor(PaletteColor) override {}
  void SetFontSize(int) override {}
  void InsertText(std::string_view utf8) override { text_ += utf8; }
  void InsertPicture(const Bitmap&) override {}

 private:
  std::string text_;
};

}  // namespace horavela
