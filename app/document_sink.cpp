#include "app/document_sink.h"

#include <QImage>
#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include "report/palette.h"

namespace horavela::app {

QColor ToQColor(PaletteColor color) {
  const PaletteRgb rgb = RgbOf(color);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

DocumentSink::DocumentSink(QTextDocument* document, std::function<void()> beforePicture)
    : document_(document), beforePicture_(std::move(beforePicture)), cursor_(document) {
  format_.setForeground(ToQColor(PaletteColor::Black));
}

void DocumentSink::Clear() {
  document_->clear();
  cursor_ = QTextCursor(document_);
  format_ = QTextCharFormat();
  format_.setForeground(ToQColor(PaletteColor::Black));
  alignment_ = Qt::AlignLeft;
}

void DocumentSink::SetAlignment(Alignment alignment) {
  alignment_ = alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
  QTextBlockFormat block = cursor_.blockFormat();
  block.setAlignment(alignment_);
  cursor_.setBlockFormat(block);
}

void DocumentSink::SetBold(bool bold) {
  format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void DocumentSink::SetColor(PaletteColor color) {
  format_.setForeground(ToQColor(color));
}

void DocumentSink::SetFontSize(int points) {
  format_.setFontPointSize(points);
}

void DocumentSink::InsertText(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.remove(QChar('\r'));
  const QStringList lines = text.split(QChar('\n'));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      QTextBlockFormat block;
      block.setAlignment(alignment_);
      cursor_.insertBlock(block, format_);
    }
    if (!lines[i].isEmpty()) cursor_.insertText(lines[i], format_);
  }
}

// The table goes where the cursor stands, in the open (empty) paragraph's
// place; the text after it continues in the block Qt keeps after a table.
void DocumentSink::InsertTable(const TextTable& table) {
  const int columns = static_cast<int>(table.header.size());
  if (columns == 0) return;
  const int rows = static_cast<int>(table.rows.size()) + 1;
  QTextTableFormat shape;
  shape.setCellPadding(2);
  shape.setCellSpacing(0);
  shape.setBorderCollapse(true);
  shape.setHeaderRowCount(1);
  QList<QTextLength> widths;
  for (int width : ColumnWidths(table)) widths << QTextLength(QTextLength::PercentageLength, width);
  shape.setColumnWidthConstraints(widths);
  shape.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  QTextTable* cells = cursor_.insertTable(rows, columns, shape);
  const auto fill = [&](int row, const std::vector<std::string>& texts, bool bold) {
    QTextCharFormat format = format_;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    for (int column = 0; column < columns && column < static_cast<int>(texts.size()); ++column) {
      const std::string& text = texts[static_cast<std::size_t>(column)];
      cells->cellAt(row, column)
          .firstCursorPosition()
          .insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), format);
    }
  };
  fill(0, table.header, true);
  for (int row = 1; row < rows; ++row)
    fill(row, table.rows[static_cast<std::size_t>(row - 1)], false);
  cursor_.movePosition(QTextCursor::End);
}

void DocumentSink::InsertPicture(const Bitmap& picture) {
  if (beforePicture_) beforePicture_();
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height) {
    return;
  }
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      line[x] = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
    }
  }
  const QString name = QString("horavela-picture-%1.png").arg(++pictureCount_);
  document_->addResource(QTextDocument::ImageResource, QUrl(name), image);
  QTextImageFormat format;
  format.setName(name);
  format.setWidth(picture.width);
  format.setHeight(picture.height);
  cursor_.insertImage(format);
}

}  // namespace horavela::app
