#include "app/page_parts.h"
#include "app/translation.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/app_texts.h"

namespace horavela::app {

QLabel* Paragraph(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  return label;
}

QComboBox* NewCombo(const QString& name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return combo;
}

QButtonGroup* NewOptionPair(const QString& name, const QString& first, const QString& second,
                            QWidget* parent, QHBoxLayout* row) {
  auto* group = new QButtonGroup(parent);
  group->setObjectName(name);
  const QString captions[] = {first, second};
  for (int i = 0; i < 2; ++i) {
    auto* button = new QRadioButton(captions[i], parent);
    button->setObjectName(QString("%1_%2").arg(name).arg(i));
    group->addButton(button, i);
    row->addWidget(button);
  }
  group->button(0)->setChecked(true);
  return group;
}

QLabel* NewZoneCaption(const QString& name, QWidget* parent) {
  auto* label = new QLabel("0", parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("-000") + 8);
  return label;
}

QLabel* NewActivityHeading(const QString& name, QWidget* page) {
  auto* heading = new QLabel(page);
  heading->setObjectName(name);
  QFont font = heading->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  heading->setFont(font);
  return heading;
}

QWidget* WithParagraphs(QWidget* frame, const QString& first, const QString& second,
                        QWidget* page) {
  auto* side = new QWidget(page);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(Paragraph(first, side));
  column->addWidget(Paragraph(second, side));
  column->addStretch();
  side->setMinimumWidth(side->fontMetrics().averageCharWidth() * 28);
  auto* body = new QWidget(page);
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(frame, 3);
  row->addWidget(side, 2);
  return body;
}

NavigationRow NewNavigationRow(int backIndex, int nextIndex) {
  NavigationRow navigation;
  navigation.row = new QWidget;
  auto* layout = new QHBoxLayout(navigation.row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  navigation.back = new QPushButton(Tr(texts::kBack), navigation.row);
  navigation.back->setObjectName(QString("cmdBack_%1").arg(backIndex));
  layout->addWidget(navigation.back);
  if (nextIndex >= 0) {
    navigation.next = new QPushButton(Tr(texts::kNext), navigation.row);
    navigation.next->setObjectName(QString("cmdNext_%1").arg(nextIndex));
    layout->addWidget(navigation.next);
  }
  return navigation;
}

}  // namespace horavela::app
