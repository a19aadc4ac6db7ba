#include "app/page_fitted_print.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QScreen>
#include <QTextDocument>
#include <memory>

namespace horavela::app {

namespace {

// The dots per inch the document's fonts are laid out at when it has no
// paint device of its own: the screen's.
qreal LayoutDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96.0;
}

}  // namespace

void PrintFittedToPage(const QTextDocument& document, QPagedPaintDevice& device) {
  // A document with a page size prints page for page, scaled to the
  // device's page, with no margins or numbers of its own.
  const std::unique_ptr<QTextDocument> copy(document.clone());
  const QRectF page = device.pageLayout().paintRect(QPageLayout::Inch);
  const qreal dpi = LayoutDotsPerInch();
  copy->setPageSize(QSizeF(page.width() * dpi, page.height() * dpi));
  copy->print(&device);
}

}  // namespace horavela::app
