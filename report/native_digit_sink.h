#pragma once

#include "language/digits.h"
#include "report/rich_text_sink.h"

namespace horavela {

// Hands every call on to `target`, the text and the tables' cells with their
// digits in `language`'s script: the report is composed once, in Western
// digits, and only what the reader sees changes.
class NativeDigitSink : public RichTextSink {
 public:
  NativeDigitSink(RichTextSink& target, Language language) : target_(target), language_(language) {}

  void Clear() override { target_.Clear(); }
  void SetAlignment(Alignment a) override { target_.SetAlignment(a); }
  void SetBold(bool b) override { target_.SetBold(b); }
  void SetColor(PaletteColor c) override { target_.SetColor(c); }
  void SetFontSize(int points) override { target_.SetFontSize(points); }
  void InsertText(std::string_view utf8) override {
    target_.InsertText(WithNativeDigits(utf8, language_));
  }
  void InsertPicture(const Bitmap& picture) override { target_.InsertPicture(picture); }
  void InsertTable(const TextTable& table) override {
    TextTable shown = table;
    for (std::string& cell : shown.header) cell = WithNativeDigits(cell, language_);
    for (std::vector<std::string>& row : shown.rows)
      for (std::string& cell : row) cell = WithNativeDigits(cell, language_);
    target_.InsertTable(shown);
  }
  bool KeepsContent() const override { return target_.KeepsContent(); }

 private:
  RichTextSink& target_;
  Language language_;
};

}  // namespace horavela
