// The time zone picker: its rows, the captions a row writes, which page they
// go to, and closing without a pick.
#include <QListWidget>
#include <QLocale>
#include <QPushButton>

#include "app/time_zone_dialog.h"
#include "app_test_support.h"

using horavela::app::TimeZoneDialog;
using horavela::app::testing::Harness;
using horavela::app::testing::WhenModalOpens;

namespace {

// Double-clicks row `row` of the open picker.
void DoubleClickRow(QWidget* picker, int row) {
  auto* list = picker->findChild<QListWidget*>("lstTimeZone");
  list->scrollToItem(list->item(row));
  const QRect rect = list->visualItemRect(list->item(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// Chooses with no row selected (Enter picks like a double-click does).
void ChooseWithoutSelection(QWidget* picker) {
  auto* list = picker->findChild<QListWidget*>("lstTimeZone");
  list->clearSelection();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
}

int RowOf(const QString& text) {
  TimeZoneDialog picker;
  auto items = picker.findChild<QListWidget*>("lstTimeZone")->findItems(text, Qt::MatchExactly);
  return items.size() == 1 ? picker.findChild<QListWidget*>("lstTimeZone")->row(items[0]) : -1;
}

}  // namespace

class TimeZoneTest : public QObject {
  Q_OBJECT

 private slots:
  void pickerShowsTheRowsWithNoSelection() {
    TimeZoneDialog picker;
    QCOMPARE(picker.objectName(), QString("frmTimeZone"));
    QCOMPARE(picker.windowTitle(), QString("Horavela v1.80"));
    QVERIFY(picker.isModal());
    auto* list = picker.findChild<QListWidget*>("lstTimeZone");
    QCOMPARE(list->count(), 71);
    QCOMPARE(list->item(0)->text(), QString("Alaska/Hawaii Daylight Time,AHDT,-9.0"));
    QCOMPARE(list->item(11)->text(), QString("Azores Time, AT, -2.0"));
    QCOMPARE(list->item(34)->text(), QString("Indian Time, IST, +5.3"));
    QCOMPARE(list->item(70)->text(), QString("Yukon War Time,YWT,-8.0"));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(picker.findChild<QPushButton*>("cmdQuit")->text(), QString("&Quit"));
  }

  void captionsOfRows_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("GMT") << "Greenwich Mean Time,GMT,0.0"
                         << "0"
                         << "0";
    QTest::newRow("IST") << "Indian Time, IST, +5.3"
                         << "-5"
                         << "-30";
    QTest::newRow("EST") << "Eastern Standard Time,EST,-5.0"
                         << "5"
                         << "0";
    QTest::newRow("Newfoundland") << "Newfoundland Standard Time,NST,-3.5"
                                  << "3"
                                  << "30";
    QTest::newRow("North Sumatra") << "North Sumatra Time,NST,+6.5"
                                   << "-6"
                                   << "-30";
    QTest::newRow("HST") << "Hawaiian Standard Time,HST,-10.5"
                         << "10"
                         << "30";
    QTest::newRow("NZST") << "New Zealand Std Summer Time,NZST,+13.0"
                          << "-13"
                          << "0";
    QTest::newRow("IDLW") << "Int'l Date Line West,IDLW,-12.0"
                          << "12"
                          << "0";
  }

  void captionsOfRows() {
    QFETCH(QString, row);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    const int index = RowOf(row);
    QVERIFY(index >= 0);
    QCOMPARE(TimeZoneDialog::CaptionsOfRow(index).hours, hours);
    QCOMPARE(TimeZoneDialog::CaptionsOfRow(index).minutes, minutes);
  }

  void electionLinkWritesElectionCaptionsOnly() {
    Harness h;
    h.Open();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    bool modal = false;
    WhenModalOpens([&](QWidget* picker) {
      modal = picker->objectName() == "frmTimeZone" && picker->isModal();
      DoubleClickRow(picker, RowOf("Indian Time, IST, +5.3"));
    });
    h.ClickLabel("lblTZHelp_Muhurtha");
    QVERIFY(modal);
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Muhurtha")->text(), QString("-5"));
    QCOMPARE(h.Find<QLabel>("lblZoneMinute_Muhurtha")->text(), QString("-30"));
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Birth")->text(), QString("0"));
    QCOMPARE(h.Find<QLabel>("lblZoneMinute_Birth")->text(), QString("0"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void birthLinkWritesBirthCaptionsOnly() {
    Harness h;
    h.Open();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Click("cmdNext_1");
    WhenModalOpens([](QWidget* picker) {
      DoubleClickRow(picker, RowOf("Newfoundland Standard Time,NST,-3.5"));
    });
    h.ClickLabel("lblTZHelp_Birth");
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Birth")->text(), QString("3"));
    QCOMPARE(h.Find<QLabel>("lblZoneMinute_Birth")->text(), QString("30"));
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Muhurtha")->text(), QString("0"));
    // A second pick replaces the first; Back does not reset the captions.
    WhenModalOpens(
        [](QWidget* picker) { DoubleClickRow(picker, RowOf("North Sumatra Time,NST,+6.5")); });
    h.ClickLabel("lblTZHelp_Birth");
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Birth")->text(), QString("-6"));
    QCOMPARE(h.Find<QLabel>("lblZoneMinute_Birth")->text(), QString("-30"));
    h.Click("cmdBack_2");
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Birth")->text(), QString("-6"));
  }

  void quitAndEmptyDoubleClickChangeNothing() {
    Harness h;
    h.Open();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    WhenModalOpens(
        [](QWidget* picker) { DoubleClickRow(picker, RowOf("Eastern Standard Time,EST,-5.0")); });
    h.ClickLabel("lblTZHelp_Muhurtha");
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Muhurtha")->text(), QString("5"));

    WhenModalOpens([](QWidget* picker) {
      QTest::mouseClick(picker->findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
    });
    h.ClickLabel("lblTZHelp_Muhurtha");
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Muhurtha")->text(), QString("5"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    bool selectedAtOpen = true;
    WhenModalOpens([&](QWidget* picker) {
      selectedAtOpen = !picker->findChild<QListWidget*>("lstTimeZone")->selectedItems().isEmpty();
      ChooseWithoutSelection(picker);
    });
    h.ClickLabel("lblTZHelp_Muhurtha");
    QVERIFY(!selectedAtOpen);
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Muhurtha")->text(), QString("5"));
    QCOMPARE(h.Find<QLabel>("lblZoneMinute_Muhurtha")->text(), QString("0"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }
};

HORAVELA_APP_TEST_MAIN(TimeZoneTest)
#include "time_zone_test.moc"
