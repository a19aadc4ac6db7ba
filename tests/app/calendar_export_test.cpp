// "Add to calendar..." on the report page and in the finder: the files they
// write, read back with libical's own parser.
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cmath>
#include <set>

#include "app/find_times_dialog.h"
#include "app_test_support.h"
#include "atlas/time_zone_rules.h"
#include "atlas/zone_following.h"
#include "ics/calendar_reading.h"

using horavela::CivilToSeconds;
using horavela::SearchWindow;
using horavela::app::FindTimesDialog;
using horavela::app::MessageIcon;
using horavela::app::testing::Harness;
using horavela::testing::ReadBack;
using horavela::testing::ReadCalendar;

namespace {

constexpr int kSearchTimeout = 120000;  // milliseconds

// Marriage at 10:30 on 5 January 2011 in New Delhi on Indian time, judged.
void Evaluate(Harness& h) {
  h.Evaluate(1, "Marriage", true);
  h.messages->shown.clear();
}

ReadCalendar ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return ReadBack(file.readAll().toStdString());
}

// Seconds since 1970 of a minute on Indian time.
std::int64_t IndianMinute(const horavela::LocalMinute& m) {
  return CivilToSeconds(m.year, m.month, m.day, m.hour, m.minute) - 19800;
}

horavela::SearchRequest FinderRequest() {
  horavela::SearchRequest request;
  request.subjects = {"Marriage"};
  request.name = "Asha Rao";
  request.sex = "Female";
  request.birth = {1980, 7, 14, 7, 5, 0, {}};
  request.birth.place = {18,    58,       true,          72,     50, true, -5, -30,
                         false, "Mumbai", "Maharashtra", "India"};
  request.place = {28, 36, true, 77, 12, true, -5, -30, false, "New Delhi", "Delhi", "India"};
  return request;
}

}  // namespace

class CalendarExportTest : public QObject {
  Q_OBJECT

 private slots:
  // The moment over the window the explanation found, named like the report.
  void addsTheJudgedMomentOverItsWindow() {
    QTemporaryDir folder;
    Harness h;
    h.saveFilePath = folder.filePath("moment.ics");
    h.Open();
    Evaluate(h);
    QCOMPARE(h.Find<QAbstractButton>("cmdAddToCalendar")->text(), QString("Add to calendar..."));
    h.Click("cmdAddToCalendar");
    QVERIFY(h.messages->Texts().isEmpty());
    QCOMPARE(h.suggestedNames.back(),
             QString("Horavela - Marriage - Asha Rao - 2011-01-05 1030.ics"));

    const ReadCalendar calendar = ReadFile(h.saveFilePath);
    QVERIFY(calendar.parsed);
    QCOMPARE(calendar.events.size(), std::size_t{1});
    const horavela::testing::ReadEvent& event = calendar.events[0];
    const horavela::Evaluation& result = h.window->LastEvaluation()->Result;
    QCOMPARE(event.summary,
             "Marriage - Asha Rao: " + std::string(horavela::NameOf(result.ResultWord)) +
                 " (total " + std::to_string(result.TotalScore) + ")");
    QCOMPARE(event.location, std::string("New Delhi, Delhi, India"));
    QVERIFY(event.geo.has_value());
    QVERIFY(std::abs(event.geo->lat - 28.6) < 1e-6 && std::abs(event.geo->lon - 77.2) < 1e-6);
    QVERIFY(event.description.find(horavela::TextOf(result.FactorVerdicts[0])) !=
            std::string::npos);

    const horavela::Explanation explanation =
        horavela::app::RealCoreSteps().explain(h.window->LastEvaluation()->Input, {});
    // From the judged minute to the window's end; the whole window said.
    QCOMPARE(event.startUtc, IndianMinute({2011, 1, 5, 10, 30}));
    QCOMPARE(event.endUtc, IndianMinute(explanation.window.to) + 60);
    QVERIFY(event.description.starts_with("The window of this reading runs from "));
  }

  // Without its explanation the moment gets half an hour.
  void withoutAnExplanationTheMomentGetsHalfAnHour() {
    QTemporaryDir folder;
    Harness h;
    h.saveFilePath = folder.filePath("moment.ics");
    horavela::app::AppServices services = h.Services();
    services.core.explain = nullptr;
    h.Open(std::move(services));
    Evaluate(h);
    h.Click("cmdAddToCalendar");
    const ReadCalendar calendar = ReadFile(h.saveFilePath);
    QCOMPARE(calendar.events.size(), std::size_t{1});
    QCOMPARE(calendar.events[0].startUtc, IndianMinute({2011, 1, 5, 10, 30}));
    QCOMPARE(calendar.events[0].endUtc, IndianMinute({2011, 1, 5, 10, 30}) + 1800);
  }

  void anUnwritableFileIsReported() {
    QTemporaryDir folder;
    Harness h;
    h.saveFilePath = folder.filePath("no/such/folder/moment.ics");
    h.Open();
    Evaluate(h);
    h.Click("cmdAddToCalendar");
    QCOMPARE(h.messages->shown.size(), std::size_t{1});
    QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
    QVERIFY2(h.messages->shown[0].text.startsWith("The calendar file could not be saved to " +
                                                  h.saveFilePath + ": "),
             qPrintable(h.messages->shown[0].text));
    QVERIFY(!QFile::exists(h.saveFilePath));
  }

  // The finder writes the ten best windows when none is selected, else the
  // selected one; a place on a tz zone keeps its own clock in the file.
  void theFinderAddsTheBestTenOrTheSelectedWindow() {
    Harness h;
    horavela::app::FindTimesInputs inputs{FinderRequest(), {}};
    const auto zone = horavela::TimeZoneRules::Load("Asia/Kolkata");
    QVERIFY(zone.has_value());
    inputs.request.zone = horavela::Follow(*zone);
    FindTimesDialog dialog(inputs, h.messages);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("windows.ics");
    QStringList names;
    dialog.SetSaveFileChooser([&](const QString&, const QString& name, const QString&) {
      names << name;
      return path;
    });
    auto* add = dialog.findChild<QPushButton*>("cmdAddToCalendar");
    QVERIFY(add != nullptr);
    QCOMPARE(add->text(), QString("Add to calendar..."));
    QVERIFY(!add->isEnabled());
    // The program's own verdicts: Venus is set in the Sun's glare that week,
    // and the tradition would leave out every window.
    dialog.findChild<QCheckBox*>("chkObserveTradition")->setChecked(false);
    dialog.findChild<QDateEdit*>("dtFrom")->setDate(QDate(2011, 1, 27));
    dialog.findChild<QDateEdit*>("dtTo")->setDate(QDate(2011, 2, 2));
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSearch"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&dialog] { return !dialog.Searching(); }, kSearchTimeout));
    const std::vector<SearchWindow>& windows = dialog.Windows();
    QVERIFY(windows.size() > 10);
    QVERIFY(add->isEnabled());

    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(names.back(), QString("windows.ics"));
    ReadCalendar calendar = ReadFile(path);
    QCOMPARE(calendar.events.size(), std::size_t{10});
    QCOMPARE(calendar.zoneIds, std::vector<std::string>{"Asia/Kolkata"});
    std::set<std::int64_t> starts;
    for (const SearchWindow& window : windows) starts.insert(IndianMinute(window.first));
    for (const auto& event : calendar.events) {
      QCOMPARE(event.startTzid, std::string("Asia/Kolkata"));
      QVERIFY(starts.count(event.startUtc) == 1);
    }

    auto* list = dialog.findChild<QTreeWidget*>("lstWindows");
    list->setCurrentItem(list->topLevelItem(3));
    const SearchWindow& chosen =
        windows[list->topLevelItem(3)->data(0, Qt::UserRole).toULongLong()];
    QTest::mouseClick(add, Qt::LeftButton);
    calendar = ReadFile(path);
    QCOMPARE(calendar.events.size(), std::size_t{1});
    QCOMPARE(calendar.events[0].startUtc, IndianMinute(chosen.first));
    QCOMPARE(calendar.events[0].endUtc, IndianMinute(chosen.last) + 60);
    QCOMPARE(names.back(),
             QString("Horavela - Marriage - %1.ics")
                 .arg(QString::fromStdString(horavela::FormatLocalMinute(chosen.first))
                          .replace('T', ' ')
                          .remove(13, 1)));
    QVERIFY(h.messages->shown.empty());
  }
};

QTEST_MAIN(CalendarExportTest)
#include "calendar_export_test.moc"
