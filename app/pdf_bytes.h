#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace horavela::app {

// An A4 PDF composed in memory by `draw`, so that it can be written to its
// file under the atomic writer's rules like any other output.
QByteArray PdfBytes(const QString& title, QPageLayout::Orientation orientation,
                    qreal marginMillimetres, const std::function<void(QPagedPaintDevice&)>& draw);

}  // namespace horavela::app
