#pragma once

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <functional>

#include "report/rich_text_sink.h"

class QTextDocument;

namespace horavela::app {

// The colour of a palette entry of the report.
QColor ToQColor(PaletteColor color);

// Writes a report into a QTextDocument, the way a rich-text box takes it:
// formatting set at the insertion point applies to the text inserted after it.
class DocumentSink : public RichTextSink {
 public:
  // `beforePicture` runs before each picture is inserted; the report's pause
  // sits between clearing the box and placing the emblem.
  explicit DocumentSink(QTextDocument* document, std::function<void()> beforePicture = {});

  void Clear() override;
  void SetAlignment(Alignment alignment) override;
  void SetBold(bool bold) override;
  void SetColor(PaletteColor color) override;
  void SetFontSize(int points) override;
  void InsertText(std::string_view utf8) override;
  void InsertPicture(const Bitmap& picture) override;
  void InsertTable(const TextTable& table) override;

 private:
  QTextDocument* document_;
  std::function<void()> beforePicture_;
  QTextCursor cursor_;
  QTextCharFormat format_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  int pictureCount_ = 0;
};

}  // namespace horavela::app
