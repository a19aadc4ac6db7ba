#pragma once

#include <QString>

class QButtonGroup;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

namespace horavela::app {

// The pieces the wizard's pages are built of.

QLabel* Paragraph(const QString& text, QWidget* parent);

QComboBox* NewCombo(const QString& name, QWidget* parent);

// An option pair: a button group of that name and its buttons "<name>_0", "<name>_1",
// the first checked.
QButtonGroup* NewOptionPair(const QString& name, const QString& first, const QString& second,
                            QWidget* parent, QHBoxLayout* row);

// A zone caption: a sunken box wide enough for "-000".
QLabel* NewZoneCaption(const QString& name, QWidget* parent);

// The activity being judged, atop an input page.
QLabel* NewActivityHeading(const QString& name, QWidget* page);

// The page's frame with two paragraphs of help beside it.
QWidget* WithParagraphs(QWidget* frame, const QString& first, const QString& second, QWidget* page);

// Back ("cmdBack_<backIndex>") and, unless `nextIndex` is negative, Next
// ("cmdNext_<nextIndex>"), on the right of a row.
struct NavigationRow {
  QWidget* row = nullptr;
  QPushButton* back = nullptr;
  QPushButton* next = nullptr;
};
NavigationRow NewNavigationRow(int backIndex, int nextIndex);

}  // namespace horavela::app
