// The analysis beside the result: how long the verdict holds, the better
// moments as links that move the election there, the report's timing notes.
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>
#include <stdexcept>

#include "app/analysis_panel.h"
#include "app_test_support.h"
#include "explain/explanation_texts.h"

using horavela::Explanation;
using horavela::LocalMinute;
using horavela::app::testing::Harness;

namespace {

LocalMinute ElectionMinute(const horavela::EvaluationInput& input) {
  const horavela::MomentEntry& e = input.election;
  return {e.year, e.month, e.day, e.hour, e.minute};
}

// What the core says of the window's last evaluation, whose place keeps the
// zone of its captions.
Explanation CoreExplanation(Harness& h) {
  return horavela::ExplainMoment(h.window->LastEvaluation()->Input, {}, horavela::SwissEphemeris());
}

QString ReportText(Harness& h) {
  return h.Find<QTextEdit>("RTB")->document()->toPlainText();
}

}  // namespace

class AnalysisPanelTest : public QObject {
  Q_OBJECT

 private slots:
  // A Bad moment: the window, and a link to the earlier better moment that
  // evaluates it there, reading better.
  void earlierBetterMomentIsOneClickAway() {
    Harness h;
    h.Open();
    h.Evaluate(0, "Piercing of the Ear or Karnavedha");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    const LocalMinute moment = ElectionMinute(h.window->LastEvaluation()->Input);
    const Explanation expected = CoreExplanation(h);
    QVERIFY(expected.window.verdict != horavela::Verdict::Good);
    QVERIFY(expected.before.has_value());

    auto* window = h.Find<QLabel>("lblAnalysisWindow");
    QVERIFY(window->isVisible());
    QCOMPARE(window->text(),
             QString::fromStdString(horavela::WindowSentence(expected.window, moment)));
    QVERIFY(ReportText(h).contains("Timing notes\n" + window->text() + "\n"));

    auto* better = h.Find<QLabel>("lblBetterMoments");
    QVERIFY(better->text().contains("Earlier: "));
    emit better->linkActivated("0");
    QTRY_COMPARE(ElectionMinute(h.window->LastEvaluation()->Input), expected.before->minute);
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(h.window->LastEvaluation()->Result.ResultWord, expected.before->window.verdict);
  }

  // Hovering a line of the listing tells that factor in plain words; the
  // blank line between two factors tells nothing.
  void eachFactorLineHasItsTooltip() {
    Harness h;
    h.Open();
    h.Evaluate(1, "Marriage");
    const Explanation expected = CoreExplanation(h);
    QVERIFY(expected.factors.size() >= 2);
    auto* listing = h.Find<QLabel>("lblResult");
    const QFontMetrics metrics(listing->font());
    const QPoint top = listing->contentsRect().topLeft();
    const auto* tips = listing->findChild<horavela::app::FactorTips*>("factorTips");
    QVERIFY(tips != nullptr);
    // Down the listing, whatever wraps: the factors' tips in order, with
    // nothing over the blank line between two factors.
    QStringList seen;
    bool blankSeen = false;
    for (int y = top.y() + 1; y < top.y() + metrics.lineSpacing() * 6; y += 2) {
      const QString tip = tips->TipAt({top.x() + 5, y});
      blankSeen = blankSeen || (seen.size() == 1 && tip.isEmpty());
      if (!tip.isEmpty() && (seen.isEmpty() || seen.last() != tip)) seen << tip;
    }
    QVERIFY(blankSeen);
    QVERIFY(seen.size() >= 2);
    QCOMPARE(seen[0], QString::fromStdString(expected.factors[0].line));
    QCOMPARE(seen[1], QString::fromStdString(expected.factors[1].line));

    // The label shows it when the mouse rests there.
    const QPoint first(top.x() + 5, top.y() + metrics.lineSpacing() / 2);
    QHelpEvent event(QEvent::ToolTip, first, listing->mapToGlobal(first));
    QApplication::sendEvent(listing, &event);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), seen[0]);
  }

  // The verdict stands without its explanation.
  void failedExplanationLeavesOnlyThePanelOut() {
    Harness h;
    horavela::app::AppServices services = h.Services();
    services.core.explain = [](const horavela::EvaluationInput&,
                               const horavela::FollowedZone&) -> Explanation {
      throw std::runtime_error("no ephemeris");
    };
    h.Open(std::move(services));
    h.Evaluate(0, "Piercing of the Ear or Karnavedha");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QVERIFY(h.messages->Texts().isEmpty());
    QVERIFY(!h.Find<QLabel>("lblAnalysisWindow")->isVisible());
    QVERIFY(!h.Find<QLabel>("lblBetterMoments")->isVisible());
    QVERIFY(ReportText(h).contains("Piercing of the Ear"));
    QVERIFY(!ReportText(h).contains("Timing notes"));
  }
};

HORAVELA_APP_TEST_MAIN(AnalysisPanelTest)
#include "analysis_panel_test.moc"
