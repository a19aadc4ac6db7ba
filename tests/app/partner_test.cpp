// A couple's moment: "Add partner" on the birth page judges the same moment
// for the second person beside the first, in the listing, the report and
// the finder.
#include <QCheckBox>
#include <QDateEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTreeWidget>

#include "app/find_times_dialog.h"
#include "app_test_support.h"

namespace horavela::app {
namespace {

using testing::Harness;

constexpr int kSearchTimeout = 120000;

// Engagement at New Delhi on 29 March 2025, 10:30 Indian time: Asha's stars
// make it Good for her, Ravi's make it Bad for him (the core's finder, run for
// each alone, lists 00:00-19:27 that day as Good for her and Bad for him).
void WalkAshaToBirthPage(Harness& h) {
  h.TickSubject(1, "Engagement");
  h.Click("cmdNext_0");
  h.FillElectionPage("2025", "March", "29");
  h.Find<QLabel>("lblZoneHour_Muhurtha")->setText("-5");
  h.Find<QLabel>("lblZoneMinute_Muhurtha")->setText("-30");
  h.Click("cmdNext_1");
  h.FillBirthPage("1995");
  h.Retype("txtBirthName", "Asha");
  h.Select("cboMonth", "August");
  h.Select("cboDate", "14");
  h.Select("cboBirthHour", "5");
  h.Select("cboBirthMinute", "40");
  h.Retype("txtBirthCity", "Madurai");
  h.Retype("txtBirthState", "Tamil Nadu");
  h.Retype("txtBirthDegreeLat", "9");
  h.Retype("txtBirthMinuteLat", "55");
  h.Retype("txtBirthDegreeLong", "78");
  h.Retype("txtBirthMinuteLong", "7");
  h.Find<QLabel>("lblZoneHour_Birth")->setText("-5");
  h.Find<QLabel>("lblZoneMinute_Birth")->setText("-30");
}

void AddRavi(Harness& h) {
  h.Find<QCheckBox>("chkAddPartner")->setChecked(true);
  h.Retype("txtPartnerName", "Ravi");
  h.Find<QAbstractButton>("optPartnerSex_0")->setChecked(true);
  h.Find<QDateEdit>("datPartnerBirth")->setDate(QDate(1993, 11, 9));
  h.Find<QTimeEdit>("timPartnerBirth")->setTime(QTime(1, 15));
  h.Retype("txtPartnerCity", "Madurai");
  h.Retype("txtPartnerDegreeLat", "9");
  h.Retype("txtPartnerMinuteLat", "55");
  h.Retype("txtPartnerDegreeLong", "78");
  h.Retype("txtPartnerMinuteLong", "7");
  h.Retype("txtPartnerZone", "+05:30");
}

// What the result page shows of a verdict.
struct Shown {
  QString listing;
  QString report;
  bool partnerShown;
  bool operator==(const Shown&) const = default;
};

Shown Read(Harness& h) {
  return {h.Find<QLabel>("lblResult")->text(), h.Find<QTextEdit>("RTB")->toPlainText(),
          h.Find<QLabel>("lblPartnerResult")->isVisible()};
}

FindTimesDialog* SearchMarch(Harness& h) {
  h.Click("cmdFindTimes_Birth");
  const auto dialogs = h.window->findChildren<FindTimesDialog*>();
  if (dialogs.isEmpty()) throw std::runtime_error("no finder");
  FindTimesDialog* dialog = dialogs.back();
  dialog->findChild<QDateEdit*>("dtFrom")->setDate(QDate(2025, 3, 1));
  dialog->findChild<QDateEdit*>("dtTo")->setDate(QDate(2025, 3, 31));
  auto* minimum = dialog->findChild<QComboBox*>("cboMinResult");
  minimum->setCurrentIndex(minimum->findText("Good"));
  dialog->findChild<QCheckBox*>("chkObserveTradition")->setChecked(false);
  QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSearch"), Qt::LeftButton);
  if (!QTest::qWaitFor([dialog] { return !dialog->Searching(); }, kSearchTimeout))
    throw std::runtime_error("search did not end");
  return dialog;
}

QStringList Column(FindTimesDialog* dialog, int column) {
  auto* list = dialog->findChild<QTreeWidget*>("lstWindows");
  QStringList texts;
  for (int row = 0; row < list->topLevelItemCount(); ++row)
    texts << list->topLevelItem(row)->text(column);
  return texts;
}

class PartnerTest : public QObject {
  Q_OBJECT

 private slots:
  void offeredOnlyForACouplesUndertaking_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("offered");
    QTest::newRow("engagement") << 1 << "Engagement" << true;
    QTest::newRow("marriage") << 1 << "Marriage" << true;
    QTest::newRow("bride") << 1 << "First Entrance of the Bride" << true;
    QTest::newRow("tonsuring") << 0 << "Tonsuring of Head" << false;
  }
  void offeredOnlyForACouplesUndertaking() {
    QFETCH(int, option);
    QFETCH(QString, subject);
    QFETCH(bool, offered);
    Harness h;
    h.Open();
    h.WalkToBirthPage(option, subject);
    QCOMPARE(h.Find<QCheckBox>("chkAddPartner")->isVisible(), offered);
    QVERIFY(!h.Find<QWidget>("fraPartner")->isVisible());
  }

  void theSameMomentIsGoodForHerAndBadForHim() {
    Harness h;
    h.Open();
    WalkAshaToBirthPage(h);
    h.Click("cmdNext_2");
    const Shown alone = Read(h);
    h.Click("cmdBack_3");
    h.Click("cmdNext_0");
    h.Click("cmdNext_1");
    AddRavi(h);
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QVERIFY(h.Find<QLabel>("lblResult")->text().endsWith(": Good"));
    QVERIFY(h.Find<QLabel>("lblPartnerResult")->text().endsWith(": Bad"));
    QCOMPARE(h.Find<QLabel>("lblPartnerResultName")->text(), QString("Ravi"));
    // Her report stands as it was alone; his follows under his name.
    const QString report = Read(h).report;
    QVERIFY(report.startsWith(alone.report));
    QVERIFY(report.mid(alone.report.size()).contains("For the partner: Ravi"));
    QCOMPARE(h.window->PersonName(), QString("Asha"));
  }

  void uncheckingThePartnerRestoresThePageForOne() {
    Harness h;
    h.Open();
    WalkAshaToBirthPage(h);
    h.Click("cmdNext_2");
    const Shown alone = Read(h);
    QVERIFY(!alone.partnerShown);
    for (const bool partner : {true, false}) {
      h.Click("cmdBack_3");
      h.Click("cmdNext_0");
      h.Click("cmdNext_1");
      if (partner) AddRavi(h);
      h.Find<QCheckBox>("chkAddPartner")->setChecked(partner);
      h.Click("cmdNext_2");
      QCOMPARE(Read(h) == alone, !partner);
    }
  }

  void aPartnersFaultIsRefusedAtItsField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::newRow("no name") << "txtPartnerName"
                             << "";
    QTest::newRow("latitude 95") << "txtPartnerDegreeLat"
                                 << "95";
    QTest::newRow("no zone") << "txtPartnerZone"
                             << "east";
  }
  void aPartnersFaultIsRefusedAtItsField() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    Harness h;
    h.Open();
    WalkAshaToBirthPage(h);
    AddRavi(h);
    h.Retype(field, typed);
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    QCOMPARE(h.messages->shown.size(), std::size_t{1});
    QCOMPARE(QApplication::focusWidget()->objectName(), field);
  }

  void theFinderForTwoListsNoWindowBadForEither() {
    Harness h;
    h.Open();
    WalkAshaToBirthPage(h);
    FindTimesDialog* alone = SearchMarch(h);
    // Alone, her Good morning is listed from midnight.
    QVERIFY(Column(alone, 0).filter(QRegularExpression("^2025-03-29 00:00")).size() == 1);
    alone->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AddRavi(h);
    FindTimesDialog* both = SearchMarch(h);
    const QStringList words = Column(both, 1);
    QVERIFY(!words.isEmpty());
    for (const QString& word : words) {
      QCOMPARE(word.split(" / ").size(), 2);
      QVERIFY2(!word.contains("Bad") && !word.contains("Average"), qPrintable(word));
    }
    for (const QString& totals : Column(both, 2)) QCOMPARE(totals.split(" / ").size(), 2);
    QVERIFY(Column(both, 0).filter(QRegularExpression("^2025-03-29 00:00")).isEmpty());
  }
};

}  // namespace
}  // namespace horavela::app

HORAVELA_APP_TEST_MAIN(horavela::app::PartnerTest)
#include "partner_test.moc"
