#include "app/pdf_bytes.h"
#include "app/translation.h"

#include <QBuffer>
#include <QPdfWriter>

#include "app/app_texts.h"

namespace horavela::app {

QByteArray PdfBytes(const QString& title, QPageLayout::Orientation orientation,
                    qreal marginMillimetres, const std::function<void(QPagedPaintDevice&)>& draw) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(Tr(texts::kWindowTitle));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(orientation);
    const qreal m = marginMillimetres;
    writer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    draw(writer);
  }
  return pdf;
}

}  // namespace horavela::app
