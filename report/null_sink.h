#pragma once

#include <string_view>

#include "report/rich_text_sink.h"

namespace horavela {

// Throws the report away, for evaluations that keep only their result
// (searches, evaluations computed beside a window in tests). No report is
// composed for it at all.
class NullSink final : public RichTextSink {
 public:
  void Clear() override {}
  void SetAlignment(Alignment) override {}
  void SetBold(bool) override {}
  void SetColor(PaletteColor) override {}
  void SetFontSize(int) override {}
  void InsertText(std::string_view) override {}
  void InsertPicture(const Bitmap&) override {}
  void InsertTable(const TextTable&) override {}
  bool KeepsContent() const override { return false; }
};

}  // namespace horavela
