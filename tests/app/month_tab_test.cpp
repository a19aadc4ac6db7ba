// The "Month" tab: the election month at the election place, a cell per day,
// printed or saved on one A4 landscape page.
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>

#include "app/day_texts.h"
#include "app/month_tab.h"
#include "app_test_support.h"

using horavela::app::MonthCell;
using horavela::app::MonthGrid;
using horavela::app::testing::Harness;

class MonthTabTest : public QObject {
  Q_OBJECT

 private slots:
  // January 2011 at New Delhi (the page keeps UTC: sunrise 01:44), 1 January
  // a Saturday; Kharmas until Makara Sankranti on the 14th.
  void choosingTheTabFillsACellPerDay() {
    Harness h;
    h.Open();
    h.Evaluate(4, "Start On A New Job");
    auto* tabs = h.Find<QTabWidget>("TS");
    QCOMPARE(tabs->tabText(4), QString("Month"));
    tabs->setCurrentIndex(4);
    QVERIFY(h.messages->shown.empty());
    const std::vector<MonthCell>& cells = h.Find<MonthGrid>("monthGrid")->Sheet().cells;
    QCOMPARE(cells.size(), std::size_t{31});
    // The evaluation gives the month its subject: each day its best time.
    QCOMPARE(h.Find<MonthGrid>("monthGrid")->Sheet().title,
             QString("January 2011 at New Delhi, best times for Start On A New Job"));
    QCOMPARE(cells[0].column, 6);
    QCOMPARE(cells[30].row, 5);
    QVERIFY2(cells[4].lines.value(0).startsWith("Rise 01:44\tSet 12:0"),
             qPrintable(cells[4].lines.join("|")));
    for (const MonthCell& cell : cells) QCOMPARE(cell.vetoes.contains("Kharmas"), cell.day <= 14);
    // A day with a Good window has it as its fifth line.
    const auto best = std::count_if(cells.begin(), cells.end(), [](const MonthCell& cell) {
      return cell.lines.size() == 5 &&
             cell.lines[4].contains(QRegularExpression("\\t\\d\\d:\\d\\d-"));
    });
    QVERIFY(best > 0);
  }

  void theMonthIsPrintedAndSavedAsPdf_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("printer") << "cmdMonthPrint";
    QTest::newRow("PDF") << "cmdMonthSavePdf";
  }

  void theMonthIsPrintedAndSavedAsPdf() {
    QFETCH(QString, button);
    Harness h;
    h.Open();
    h.Evaluate(4, "Start On A New Job");
    h.Find<QTabWidget>("TS")->setCurrentIndex(4);
    QTemporaryDir folder;
    h.printerPdfPath = folder.filePath("printed.pdf");
    h.saveFilePath = folder.filePath("month.pdf");
    h.Click(button);
    QFile written(button == "cmdMonthPrint" ? h.printerPdfPath : h.saveFilePath);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("%PDF"));
    QVERIFY(h.messages->shown.empty());
  }

  void withoutAnElectionPlaceTheTabSaysSo() {
    Harness h;
    h.Open();
    h.Find<QTabWidget>("TS")->setCurrentIndex(4);
    QCOMPARE(h.messages->Texts(), QStringList{horavela::app::texts::kDayNoElectionPlace});
    QVERIFY(h.Find<MonthGrid>("monthGrid")->Sheet().cells.empty());
  }
};

HORAVELA_APP_TEST_MAIN(MonthTabTest)
#include "month_tab_test.moc"
