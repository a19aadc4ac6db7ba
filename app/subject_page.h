#pragma once

#include <QWidget>
#include <array>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace horavela::app {

class ClickableLabel;
struct WizardModel;

// The start page ("picMainScreen"): the main options on the left, green under
// the pointer; a click shows the option's subjects in the list, where one
// tick at a time is the subject chosen (the model's).
class SubjectPage : public QWidget {
  Q_OBJECT

 public:
  explicit SubjectPage(WizardModel& model, QWidget* parent = nullptr);

  // The subjects of main option `index` in the list, none ticked; the subject
  // chosen before stays chosen.
  void ShowOptionSubjects(int index);
  // The list shows the chosen subject's main option, with that subject ticked.
  void ShowChosenSubject();
  // No tick in the list (the model is left to the caller).
  void ClearTicks();
  // Moving the pointer over `area` ends the highlight, as leaving the options does.
  void WatchPointer(QWidget* area);

  QListWidget* SubjectList() const { return subjectList_; }
  QPushButton* BackButton() const { return back_; }
  QPushButton* NextButton() const { return next_; }
  // The page's stops for the Tab key, in reading order.
  std::vector<QWidget*> TabStops() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TakeTickedSubject();
  void ChooseSubjectItem(QListWidgetItem* item);
  void PaintMainOptions(int highlighted);

  WizardModel& model_;
  std::array<ClickableLabel*, 12> optionCaptions_{};
  QListWidget* subjectList_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  bool walkingOptions_ = false;
  Qt::CheckState pressedCheckState_ = Qt::Unchecked;
};

}  // namespace horavela::app
