#pragma once

#include <QWidget>
#include <vector>

#include "explain/explanation.h"
#include "language/language.h"

class QLabel;

namespace horavela::app {

// Below the result listing: how long the verdict holds ("Good from 10:12 to
// 11:47"), what to beware of in amber, and the nearest better moments as
// links that move the election there.
class AnalysisPanel : public QWidget {
  Q_OBJECT

 public:
  explicit AnalysisPanel(QWidget* parent = nullptr);

  // The sentences in `language`, as the program shows its texts.
  void Show(const Explanation& explanation, const LocalMinute& moment,
            Language language = Language::English);
  void Clear();

 signals:
  void momentChosen(const LocalMinute& minute);

 private:
  QLabel* window_ = nullptr;
  QLabel* warnings_ = nullptr;
  QLabel* better_ = nullptr;
  std::vector<LocalMinute> targets_;
};

// Shows, over a line of `label` that begins with a factor's verdict, the
// factor in plain words: the listing stays the rule set's own text.
class FactorTips : public QObject {
  Q_OBJECT

 public:
  explicit FactorTips(QLabel* label);
  // The tips in `language`.
  void SetFactors(std::vector<FactorInWords> factors, Language language = Language::English);
  // The plain words over `position` in the label; empty off every factor.
  QString TipAt(const QPoint& position) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* label_;
  std::vector<FactorInWords> factors_;
  Language language_ = Language::English;
};

}  // namespace horavela::app
