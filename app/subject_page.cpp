#include "app/subject_page.h"
#include "app/translation.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/app_texts.h"
#include "app/clickable_label.h"
#include "app/page_parts.h"
#include "app/scrolling.h"
#include "app/subject_catalogue.h"
#include "app/wizard_model.h"

namespace horavela::app {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QColor kOptionColor(0, 0, 0);       // palette entry 0
const QColor kHighlightColor(0, 128, 0);  // palette entry 2

}  // namespace

SubjectPage::SubjectPage(WizardModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName("picMainScreen");
  setMouseTracking(true);
  installEventFilter(this);

  auto* options = new QFrame(this);
  options->setObjectName("picOptions");
  options->setFrameShape(QFrame::StyledPanel);
  options->setMouseTracking(true);
  options->installEventFilter(this);
  auto* optionColumn = new QVBoxLayout(options);
  QFont optionFont = options->font();
  optionFont.setBold(true);
  for (int i = 0; i < kMainOptionCount; ++i) {
    if (i > 0) {
      auto* line = new QFrame(options);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      optionColumn->addWidget(line);
    }
    auto* label = new ClickableLabel(
        SubjectText(MainOptions()[static_cast<std::size_t>(i)].caption), options);
    label->setObjectName(QString("lblMainOptions_%1").arg(i));
    label->setFont(optionFont);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    connect(label, &ClickableLabel::clicked, this, [this, i] { ShowOptionSubjects(i); });
    optionCaptions_[static_cast<std::size_t>(i)] = label;
    optionColumn->addWidget(label);
  }
  optionColumn->addStretch();

  auto* right = new QWidget(this);
  auto* column = new QVBoxLayout(right);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(Paragraph(Tr(texts::kSelectOption), right));
  subjectList_ = new QListWidget(right);
  subjectList_->setObjectName("lstOptions");
  connect(subjectList_, &QListWidget::itemChanged, this, [this] { TakeTickedSubject(); });
  // A click on the tick box changes the tick by itself; a click on the text
  // leaves it as it was, and then means "this one".
  connect(subjectList_, &QListWidget::itemPressed, this,
          [this](QListWidgetItem* item) { pressedCheckState_ = item->checkState(); });
  connect(subjectList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (item->checkState() == pressedCheckState_) ChooseSubjectItem(item);
    TakeTickedSubject();
  });
  column->addWidget(subjectList_, 1);
  column->addWidget(Paragraph(Tr(texts::kClickNext), right));
  column->addWidget(Paragraph(Tr(texts::kStartParagraph1), right));
  column->addWidget(Paragraph(Tr(texts::kStartParagraph2), right));

  auto* body = new QWidget(this);
  body->setMouseTracking(true);
  auto* columns = new QHBoxLayout(body);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(options);
  columns->addWidget(right, 1);
  const NavigationRow navigation = NewNavigationRow(0, 0);
  back_ = navigation.back;
  next_ = navigation.next;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Scrolling(body), 1);
  layout->addWidget(navigation.row);
}

void SubjectPage::ShowOptionSubjects(int index) {
  walkingOptions_ = true;
  subjectList_->clear();
  for (std::string_view subject : MainOptions().at(static_cast<std::size_t>(index)).subjects) {
    auto* item = new QListWidgetItem(SubjectText(subject));
    item->setData(Qt::UserRole, FromView(subject));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    subjectList_->addItem(item);
  }
  walkingOptions_ = false;
}

void SubjectPage::TakeTickedSubject() {
  if (walkingOptions_) return;
  walkingOptions_ = true;
  QListWidgetItem* chosen = nullptr;
  for (int i = 0; i < subjectList_->count(); ++i) {
    QListWidgetItem* item = subjectList_->item(i);
    if (chosen == nullptr && item->checkState() == Qt::Checked) {
      chosen = item;
    } else if (item->checkState() != Qt::Unchecked) {
      item->setCheckState(Qt::Unchecked);
    }
  }
  model_.subject = chosen ? chosen->data(Qt::UserRole).toString() : QString();
  walkingOptions_ = false;
}

void SubjectPage::ChooseSubjectItem(QListWidgetItem* chosen) {
  walkingOptions_ = true;
  for (int i = 0; i < subjectList_->count(); ++i) {
    QListWidgetItem* item = subjectList_->item(i);
    item->setCheckState(item == chosen ? Qt::Checked : Qt::Unchecked);
  }
  walkingOptions_ = false;
}

void SubjectPage::ClearTicks() {
  walkingOptions_ = true;
  for (int i = 0; i < subjectList_->count(); ++i) {
    subjectList_->item(i)->setCheckState(Qt::Unchecked);
  }
  walkingOptions_ = false;
}

void SubjectPage::ShowChosenSubject() {
  const std::string chosen = model_.subject.toStdString();
  for (int option = 0; option < kMainOptionCount; ++option) {
    const auto& subjects = MainOptions()[static_cast<std::size_t>(option)].subjects;
    if (std::find(subjects.begin(), subjects.end(), chosen) == subjects.end()) continue;
    ShowOptionSubjects(option);
    walkingOptions_ = true;
    for (int i = 0; i < subjectList_->count(); ++i) {
      if (subjectList_->item(i)->data(Qt::UserRole).toString() == model_.subject)
        subjectList_->item(i)->setCheckState(Qt::Checked);
    }
    walkingOptions_ = false;
    return;
  }
}

void SubjectPage::WatchPointer(QWidget* area) {
  area->installEventFilter(this);
}

std::vector<QWidget*> SubjectPage::TabStops() const {
  std::vector<QWidget*> stops(optionCaptions_.begin(), optionCaptions_.end());
  stops.insert(stops.end(), {subjectList_, back_, next_});
  return stops;
}

void SubjectPage::PaintMainOptions(int highlighted) {
  for (std::size_t i = 0; i < optionCaptions_.size(); ++i) {
    QPalette palette = optionCaptions_[i]->palette();
    palette.setColor(QPalette::WindowText,
                     static_cast<int>(i) == highlighted ? kHighlightColor : kOptionColor);
    optionCaptions_[i]->setPalette(palette);
  }
}

bool SubjectPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    // Hover highlight: green while the pointer is over a caption's text.
    PaintMainOptions(-1);
    for (std::size_t i = 0; i < optionCaptions_.size(); ++i) {
      if (watched != optionCaptions_[i]) continue;
      const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
      if (x >= optionCaptions_[i]->TextLeft() && x <= optionCaptions_[i]->TextRight()) {
        PaintMainOptions(static_cast<int>(i));
      }
    }
  } else if (event->type() == QEvent::Leave) {
    for (ClickableLabel* label : optionCaptions_) {
      if (watched == label) PaintMainOptions(-1);
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace horavela::app
