#pragma once

class QPagedPaintDevice;
class QTextDocument;

namespace horavela::app {

// Prints `document` laid out on the device's own page, inside the margins the
// device already has: Qt's plain printing adds two more centimetres on every
// side and a page number, which pushed a one-page report onto a second page.
void PrintFittedToPage(const QTextDocument& document, QPagedPaintDevice& device);

}  // namespace horavela::app
