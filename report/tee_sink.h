#pragma once

#include <initializer_list>
#include <vector>

#include "report/rich_text_sink.h"

namespace horavela {

// Hands every call on to several sinks in turn, so one composition fills
// them all (plain text, RTF and HTML in one run). The sinks must outlive it.
class TeeSink : public RichTextSink {
 public:
  TeeSink(std::initializer_list<RichTextSink*> sinks) : sinks_(sinks) {}
  explicit TeeSink(std::vector<RichTextSink*> sinks) : sinks_(std::move(sinks)) {}

  void Clear() override {
    for (RichTextSink* s : sinks_) s->Clear();
  }
  void SetAlignment(Alignment a) override {
    for (RichTextSink* s : sinks_) s->SetAlignment(a);
  }
  void SetBold(bool b) override {
    for (RichTextSink* s : sinks_) s->SetBold(b);
  }
  void SetColor(PaletteColor c) override {
    for (RichTextSink* s : sinks_) s->SetColor(c);
  }
  void SetFontSize(int points) override {
    for (RichTextSink* s : sinks_) s->SetFontSize(points);
  }
  void InsertText(std::string_view utf8) override {
    for (RichTextSink* s : sinks_) s->InsertText(utf8);
  }
  void InsertPicture(const Bitmap& picture) override {
    for (RichTextSink* s : sinks_) s->InsertPicture(picture);
  }
  void InsertTable(const TextTable& table) override {
    for (RichTextSink* s : sinks_) s->InsertTable(table);
  }

 private:
  std::vector<RichTextSink*> sinks_;
};

}  // namespace horavela
