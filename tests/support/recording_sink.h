#pragma once

#include <string>
#include <vector>

#include "report/rich_text_sink.h"

namespace horavela::testing {

// A sink that remembers every call, with the formatting state in force at each
// insertion, and the plain text since the last Clear.
class RecordingSink : public RichTextSink {
 public:
  struct Insertion {
    std::string text;  // empty for a picture
    bool picture = false;
    bool bold = false;
    PaletteColor color = PaletteColor::Black;
    int fontSize = 0;
    Alignment alignment = Alignment::Left;
  };

  void Clear() override {
    ++clears;
    text.clear();
    insertions.clear();
  }
  void SetAlignment(Alignment a) override { alignment_ = a; }
  void SetBold(bool b) override { bold_ = b; }
  void SetColor(PaletteColor c) override { color_ = c; }
  void SetFontSize(int points) override { fontSize_ = points; }
  void InsertText(std::string_view utf8) override {
    text += utf8;
    insertions.push_back({std::string(utf8), false, bold_, color_, fontSize_, alignment_});
  }
  void InsertPicture(const Bitmap&) override {
    insertions.push_back({"", true, bold_, color_, fontSize_, alignment_});
  }

  int clears = 0;
  std::string text;
  std::vector<Insertion> insertions;

 private:
  bool bold_ = false;
  PaletteColor color_ = PaletteColor::Black;
  int fontSize_ = 0;
  Alignment alignment_ = Alignment::Left;
};

}  // namespace horavela::testing
