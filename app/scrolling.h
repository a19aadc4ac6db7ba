#pragma once

class QScrollArea;
class QWidget;

namespace horavela::app {

// A body that scrolls when the screen is too small for it (a laptop at 200%
// scaling has 640x400 logical pixels), so the buttons kept outside it, below
// or above, stay in view.
QScrollArea* Scrolling(QWidget* body);

}  // namespace horavela::app
