// The search for good times from the window: the dialog and its defaults, what
// it says when the pages are not complete, a real search with its calendar and
// list, Cancel, and a chosen window evaluated through the wizard.
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTreeWidget>
#include <QWheelEvent>
#include <functional>
#include <set>
#include <tuple>

#include "almanac/avoided_kalams.h"
#include "app/find_times_dialog.h"
#include "app/find_times_texts.h"
#include "app/totals_calendar.h"
#include "app_test_support.h"
#include "atlas/place_clock.h"
#include "atlas/zone_following.h"
#include "explain/suggested_minute.h"
#include "judge/calculation_driver.h"
#include "panchang/panchang.h"
#include "report/null_sink.h"
#include "rules/charts.h"
#include "search/windows_csv.h"
#include "support/search_request.h"

using horavela::CalculationState;
using horavela::EvaluationInput;
using horavela::LocalMinute;
using horavela::NullSink;
using horavela::SearchRequest;
using horavela::SearchWindow;
using horavela::app::FindTimesDialog;
using horavela::app::MessageIcon;
using horavela::app::testing::Harness;

namespace {

constexpr int kSearchTimeout = 120000;  // milliseconds; the optimised search takes far less

FindTimesDialog* OpenFinder(Harness& h, const QString& button) {
  h.Click(button);
  auto* dialog = h.window->findChild<FindTimesDialog*>("frmFindTimes");
  if (dialog == nullptr || !dialog->isVisible()) throw std::runtime_error("no finder dialog");
  return dialog;
}

// The finder opened from a blank election page of a marriage.
FindTimesDialog* OpenFinderOnElectionPage(Harness& h) {
  h.Open();
  h.TickSubject(1, "Marriage");
  h.Click("cmdNext_0");
  return OpenFinder(h, "cmdFindTimes");
}

template <class T>
T* In(FindTimesDialog* dialog, const QString& name) {
  T* found = dialog->findChild<T*>(name);
  if (found == nullptr) throw std::runtime_error("no widget " + name.toStdString());
  return found;
}

void SetRange(FindTimesDialog* dialog, QDate from, QDate to, const QString& minimum) {
  In<QDateEdit>(dialog, "dtFrom")->setDate(from);
  In<QDateEdit>(dialog, "dtTo")->setDate(to);
  auto* box = In<QComboBox>(dialog, "cboMinResult");
  box->setCurrentIndex(box->findText(minimum));
}

// For the tests that compare the dialog's windows with the finder's own:
// the program's verdicts alone, as before the tradition was observed.
void IgnoreTradition(FindTimesDialog* dialog) {
  In<QCheckBox>(dialog, "chkObserveTradition")->setChecked(false);
}

bool RunSearch(FindTimesDialog* dialog) {
  QTest::mouseClick(In<QPushButton>(dialog, "cmdSearch"), Qt::LeftButton);
  return QTest::qWaitFor([dialog] { return !dialog->Searching(); }, kSearchTimeout);
}

// Marriage at New York, chosen from the atlas, so the election page follows
// America/New_York; then the harness's birth page.
void WalkToBirthPageAtNewYork(Harness& h) {
  h.TickSubject(1, "Marriage");
  h.Click("cmdNext_0");
  h.FillElectionPage();
  h.Find<QLineEdit>("txtCity")->clear();
  h.Type("txtCity", "New Yo");
  QAbstractItemView* popup = h.Find<QCompleter>("cmpAtlas_Muhurtha")->popup();
  // The atlas is searched off the interface thread once the typing pauses.
  if (!QTest::qWaitFor([popup] { return popup->isVisible() && popup->model()->rowCount() > 0; }))
    throw std::runtime_error("no cities offered");
  const QModelIndexList offered =
      popup->model()->match(popup->model()->index(0, 0), Qt::DisplayRole,
                            "New York, New York, United States of America", 1, Qt::MatchExactly);
  if (offered.isEmpty()) throw std::runtime_error("New York not offered");
  popup->scrollTo(offered.front());
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                    popup->visualRect(offered.front()).center());
  h.Click("cmdNext_1");
  h.FillBirthPage();
}

// A row of the window list, its columns joined by "|".
QString RowText(const QTreeWidgetItem* item) {
  QStringList columns;
  for (int column = 0; column < item->columnCount(); ++column) columns << item->text(column);
  return columns.join('|');
}

// Selects the window at `index` and presses "Use this time".
void UseWindow(FindTimesDialog* dialog, std::size_t index) {
  auto* list = In<QTreeWidget>(dialog, "lstWindows");
  list->setCurrentItem(list->topLevelItem(static_cast<int>(index)));
  QTest::mouseClick(In<QPushButton>(dialog, "cmdUseTime"), Qt::LeftButton);
}

// The pages of WalkToBirthPage, written out by hand.
SearchRequest ExpectedRequest() {
  SearchRequest request;
  request.subjects = {"Marriage"};
  request.name = "Asha Rao";
  request.sex = "Female";
  request.birth.year = 1980;
  request.birth.month = 7;
  request.birth.day = 14;
  request.birth.hour = 7;
  request.birth.minute = 5;
  request.birth.place = {18, 58, true, 72, 50, true, 0, 0, false, "Mumbai", "Maharashtra", "India"};
  request.place = {28, 36, true, 77, 12, true, -5, -30, false, "New Delhi", "Delhi", "India"};
  return request;
}

// The whole evaluation of the pages at one election minute, beside the window.
CalculationState EvaluateAt(const LocalMinute& minute) {
  const SearchRequest request = ExpectedRequest();
  const EvaluationInput input = horavela::testing::InputAtMinute(request, minute);
  NullSink sink;
  return horavela::RunEvaluation(input, sink, horavela::SwissEphemeris());
}

QDate DateOf(const LocalMinute& minute) {
  return QDate(minute.year, minute.month, minute.day);
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

class FindTimesTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonOpensTheDialogWithDefaults() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.Click("cmdNext_0");
    QCOMPARE(h.Find<QPushButton>("cmdFindTimes")->text(), QString("Find good times..."));
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes");
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    // The range starts at the election page's date (at first the harness's
    // clock), for three months.
    QCOMPARE(In<QDateEdit>(dialog, "dtFrom")->date(), QDate(2026, 3, 15));
    QCOMPARE(In<QDateEdit>(dialog, "dtTo")->date(), QDate(2026, 6, 15));
    auto* minimum = In<QComboBox>(dialog, "cboMinResult");
    QCOMPARE(minimum->currentText(), QString("Good"));
    QStringList words;
    for (int i = 0; i < minimum->count(); ++i) words << minimum->itemText(i);
    QCOMPARE(words, (QStringList{"Good", "Average", "Bad"}));
    QCOMPARE(In<QProgressBar>(dialog, "prgSearch")->value(), 0);
    QCOMPARE(In<QTreeWidget>(dialog, "lstWindows")->topLevelItemCount(), 0);
    QVERIFY(In<QPushButton>(dialog, "cmdSearch")->isEnabled());
    QVERIFY(!In<QPushButton>(dialog, "cmdCancel")->isEnabled());
    QVERIFY(!In<QPushButton>(dialog, "cmdUseTime")->isEnabled());
    In<QCalendarWidget>(dialog, "calResults");
    QVERIFY(h.messages->shown.empty());

    // Closing it leaves the wizard where it was; Next works as before.
    QTest::mouseClick(In<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    h.FillElectionPage();
    // Another election date, another range (once the closed dialog is gone).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialog = OpenFinder(h, "cmdFindTimes");
    QCOMPARE(In<QDateEdit>(dialog, "dtFrom")->date(), QDate(2011, 1, 5));
    QCOMPARE(In<QDateEdit>(dialog, "dtTo")->date(), QDate(2011, 4, 5));
    QTest::mouseClick(In<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    h.Click("cmdNext_1");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
  }

  // 1280x800 at 200% leaves 640x400 logical pixels less the title bar, and a
  // netbook has 1024x600: the dialog fits both, and Search, "Use this time"
  // and Close never scroll out of view.
  void theDialogFitsASmallScreen() {
    Harness h;
    FindTimesDialog* dialog = OpenFinderOnElectionPage(h);
    const QSize needed = dialog->minimumSizeHint().expandedTo(dialog->minimumSize());
    for (const QSize screen : {QSize(640, 370), QSize(1024, 570)}) {
      QVERIFY2(needed.width() <= screen.width() && needed.height() <= screen.height(),
               qPrintable(QString("needs %1x%2").arg(needed.width()).arg(needed.height())));
    }
    for (const char* name : {"cmdSearch", "cmdUseTime", "cmdClose"}) {
      auto* button = In<QPushButton>(dialog, name);
      for (QWidget* w = button; w != nullptr; w = w->parentWidget()) {
        QVERIFY2(qobject_cast<QScrollArea*>(w) == nullptr, name);
      }
    }
  }

  // A wheel rolled over the finder's boxes on the way down leaves them as they were.
  void theWheelLeavesAnUnfocusedBox() {
    Harness h;
    FindTimesDialog* dialog = OpenFinderOnElectionPage(h);
    auto* calendar = In<QCalendarWidget>(dialog, "calResults");
    auto* total = In<QSpinBox>(dialog, "spnMinTotal");
    total->setValue(0);
    const int month = calendar->monthShown();
    for (QWidget* box :
         {static_cast<QWidget*>(total), calendar->findChild<QAbstractItemView*>()->viewport()}) {
      const QPointF centre = QRectF(box->rect()).center();
      QWheelEvent down(centre, box->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(box, &down);
    }
    QCOMPARE(total->value(), 0);
    QCOMPARE(calendar->monthShown(), month);
  }

  // A date typed whole goes in whole, however the box was entered.
  void aTypedDateIsTakenAsTyped_data() {
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    QTest::newRow("tabbed in") << false << "2026-03-15" << QDate(2026, 3, 15);
    QTest::newRow("all selected") << true << "2026-03-15" << QDate(2026, 3, 15);
    QTest::newRow("one-digit parts") << false << "2031-4-7" << QDate(2031, 4, 7);
  }

  void aTypedDateIsTakenAsTyped() {
    QFETCH(bool, selectAll);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    Harness h;
    FindTimesDialog* dialog = OpenFinderOnElectionPage(h);
    auto* to = In<QDateEdit>(dialog, "dtTo");
    to->setDate(QDate(2027, 3, 8));
    QApplication::setActiveWindow(dialog);
    to->setFocus(Qt::TabFocusReason);
    if (selectAll) to->selectAll();
    QTest::keyClicks(to, typed);
    QCOMPARE(to->date(), date);
  }

  void incompletePagesAreNamed_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QString birth = horavela::app::texts::kFindBirthIncomplete;
    QTest::newRow("no name") << "txtBirthName"
                             << "  " << birth.arg("the name is missing");
    QTest::newRow("no birth date") << "cboDate"
                                   << "" << birth.arg("no birth date is chosen");
    QTest::newRow("no birth longitude")
        << "txtBirthMinuteLong"
        << "" << birth.arg("the latitude and longitude of the birthplace are missing");
    QTest::newRow("birth latitude beyond 90")
        << "txtBirthDegreeLat"
        << "95" << birth.arg("latitude degrees must be between 0 and 90");
    QTest::newRow("birth date not in the calendar")
        << "cboDate"
        << "31" << birth.arg("birth date February 31 1980 does not exist");
    QTest::newRow("no election latitude")
        << "txtDegreeLat"
        << ""
        << "Enter the latitude and longitude of the election place first.";
    QTest::newRow("election longitude beyond 180")
        << "txtDegreeLong"
        << "181"
        << "Election place: Longitude degrees must be between 0 and 180";
  }

  void incompletePagesAreNamed() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    if (field.startsWith("cbo")) {
      if (value.isEmpty()) {
        h.Find<QComboBox>(field)->setCurrentIndex(-1);
      } else {
        h.Select("cboMonth", "February");
        h.Select(field, value);
      }
    } else {
      h.Find<QLineEdit>(field)->setText(value);
    }
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    // Said at once on the dialog, and again as a message when searching.
    QCOMPARE(In<QLabel>(dialog, "lblFindSummary")->text(), message.toHtmlEscaped());
    QTest::mouseClick(In<QPushButton>(dialog, "cmdSearch"), Qt::LeftButton);
    QCOMPARE(h.messages->Texts(), QStringList{message});
    QCOMPARE(h.messages->shown.front().icon, MessageIcon::Error);
    QVERIFY(!dialog->Searching());
    QVERIFY(In<QPushButton>(dialog, "cmdSearch")->isEnabled());
  }

  void electionPageBeforeTheBirthPageAsksForIt() {
    // The birth page comes after the election page, so from there the name is missing.
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes");
    QTest::mouseClick(In<QPushButton>(dialog, "cmdSearch"), Qt::LeftButton);
    QCOMPARE(h.messages->Texts(),
             QStringList{
                 QString(horavela::app::texts::kFindBirthIncomplete).arg("the name is missing")});
  }

  void rangesTheFinderRefuses_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("message");
    QTest::newRow("ends before it begins")
        << QDate(2011, 3, 2) << QDate(2011, 3, 1)
        << "The search cannot run: to: the range ends before it begins";
    QTest::newRow("eleven years")
        << QDate(2011, 1, 1) << QDate(2021, 12, 31)
        << "The search cannot run: to: the range may be at most 10 years long";
    QTest::newRow("ends before the birth")
        << QDate(1979, 11, 1) << QDate(1979, 11, 14)
        << "The search cannot run: to: the range ends at 23:59 on 14 November 1979, before the "
           "birth at 07:05 on 14 July 1980";
  }

  void rangesTheFinderRefuses() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, message);
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    SetRange(dialog, from, to, "Good");
    QTest::mouseClick(In<QPushButton>(dialog, "cmdSearch"), Qt::LeftButton);
    QCOMPARE(h.messages->Texts(), QStringList{message});
    QVERIFY(!dialog->Searching());
  }

  void searchFillsTheListAndTheCalendar() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    const QDate from(2011, 1, 27);
    const QDate to(2011, 2, 2);  // across a month end
    SetRange(dialog, from, to, "Bad");
    IgnoreTradition(dialog);
    QVERIFY(RunSearch(dialog));
    QVERIFY2(h.messages->shown.empty(), qPrintable(h.messages->Texts().join("; ")));

    // The dialog searched exactly the pages' request: same windows as the core.
    SearchRequest request = ExpectedRequest();
    request.from = {2011, 1, 27, 0, 0};
    request.to = {2011, 2, 2, 23, 59};
    request.minResult = "Bad";
    const horavela::SearchResult expected =
        horavela::FindMuhurtaWindows(request, horavela::SwissEphemeris());
    const std::vector<SearchWindow>& windows = dialog->Windows();
    QCOMPARE(windows.size(), expected.windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
      QVERIFY(windows[i].first == expected.windows[i].first);
      QVERIFY(windows[i].last == expected.windows[i].last);
      QCOMPARE(windows[i].resultLabel(), expected.windows[i].resultLabel());
    }
    // With "Bad" every minute of the range, midnight to midnight, is in a window.
    QVERIFY(windows.front().first == request.from);
    QVERIFY(windows.back().last == request.to);
    for (std::size_t i = 1; i < windows.size(); ++i) {
      QCOMPARE(horavela::MinuteIndex(windows[i].first),
               horavela::MinuteIndex(windows[i - 1].last) + 1);
    }

    auto* list = In<QTreeWidget>(dialog, "lstWindows");
    QCOMPARE(list->topLevelItemCount(), static_cast<int>(windows.size()));
    QCOMPARE(In<QProgressBar>(dialog, "prgSearch")->value(),
             In<QProgressBar>(dialog, "prgSearch")->maximum());

    // Each row in time order, its columns joined by "|"; its words are the window's own.
    const QRegularExpression line(
        "^(\\d{4}-\\d\\d-\\d\\d) (\\d\\d:\\d\\d) \u2013 (\\d\\d:\\d\\d)(?: \\+(\\d))?\\|"
        "(Good|Average|Bad)\\|(-?\\d+)\\|(-?\\d+)\\|(\\d+)$");
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      const SearchWindow& window = windows[static_cast<std::size_t>(row)];
      const QString text = RowText(list->topLevelItem(row));
      const QRegularExpressionMatch match = line.match(text);
      QVERIFY2(match.hasMatch(), qPrintable(text));
      QCOMPARE(match.captured(1), DateOf(window.first).toString("yyyy-MM-dd"));
      QCOMPARE(match.captured(2), QString("%1:%2")
                                      .arg(window.first.hour, 2, 10, QChar('0'))
                                      .arg(window.first.minute, 2, 10, QChar('0')));
      QCOMPARE(match.captured(3), QString("%1:%2")
                                      .arg(window.last.hour, 2, 10, QChar('0'))
                                      .arg(window.last.minute, 2, 10, QChar('0')));
      QCOMPARE(match.captured(4).toLongLong(), DateOf(window.first).daysTo(DateOf(window.last)));
      QCOMPARE(match.captured(5),
               QString::fromUtf8(horavela::NameOf(window.evaluation().ResultWord)));
      QCOMPARE(match.captured(6).toInt(), static_cast<int>(window.evaluation().TotalScore));
      QCOMPARE(match.captured(7).toInt(), static_cast<int>(window.evaluation().FactorCount));
      QCOMPARE(match.captured(8).toLongLong(), static_cast<long long>(window.minutes));
    }

    // Every day of the range wears the colour of its best window: green for
    // Good, amber for Average, nothing for Bad.
    auto* calendar = In<QCalendarWidget>(dialog, "calResults");
    std::map<QString, int> coloured;
    for (QDate day = from; day <= to; day = day.addDays(1)) {
      int best = 0;
      for (const SearchWindow& w : windows) {
        if (DateOf(w.first) <= day && day <= DateOf(w.last)) {
          best = std::max(best, horavela::IndexOf(w.evaluation().ResultWord));
        }
      }
      const QBrush background = calendar->dateTextFormat(day).background();
      QString colour = "none";
      if (background.style() != Qt::NoBrush) {
        const QColor c = background.color();
        colour = c.green() > c.red() ? "green" : "amber";
        QVERIFY(c.red() > c.blue() && c.green() > c.blue());
      }
      const QString wanted = best == 3 ? "green" : best == 2 ? "amber" : "none";
      QVERIFY2(colour == wanted, qPrintable(day.toString(Qt::ISODate) + " " + colour));
      ++coloured[colour];
    }
    QVERIFY2(coloured["green"] > 0, "no Good day in the test range: choose another");

    // A day on the calendar picks its first window in the list.
    const SearchWindow& chosen = windows[windows.size() / 2];
    emit calendar->clicked(DateOf(chosen.last));
    const int row = list->indexOfTopLevelItem(list->currentItem());
    QVERIFY(row >= 0);
    const SearchWindow& picked = windows[static_cast<std::size_t>(row)];
    QVERIFY(DateOf(picked.first) <= DateOf(chosen.last) &&
            DateOf(chosen.last) <= DateOf(picked.last));
    QVERIFY(row == 0 ||
            DateOf(windows[static_cast<std::size_t>(row - 1)].last) < DateOf(chosen.last));
  }

  void goodOnlyKeepsTheGoodWindows() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    SetRange(dialog, QDate(2011, 1, 27), QDate(2011, 2, 2), "Good");
    QVERIFY(RunSearch(dialog));
    QVERIFY(!dialog->Windows().empty());
    for (const SearchWindow& window : dialog->Windows()) {
      QCOMPARE(QString::fromUtf8(horavela::NameOf(window.evaluation().ResultWord)),
               QString("Good"));
      // The first and the last minute evaluate through the whole driver as the window says.
      for (const LocalMinute& minute : {window.first, window.last}) {
        QCOMPARE(FromStd(ResultLabelOf(EvaluateAt(minute).Result)), FromStd(window.resultLabel()));
      }
    }
    QVERIFY(In<QLabel>(dialog, "lblSearchStatus")
                ->text()
                .startsWith(QString::number(dialog->Windows().size()) + " windows on "));
  }

  void cancelStopsALongSearch() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    SetRange(dialog, QDate(2011, 1, 1), QDate(2011, 12, 31), "Good");
    // The first turn of the event loop after Search: the window answers while
    // the worker searches, and Cancel is pressed there.
    bool searchingMeanwhile = false;
    QTimer::singleShot(0, dialog, [&] {
      searchingMeanwhile = dialog->Searching();
      QVERIFY(In<QPushButton>(dialog, "cmdCancel")->isEnabled());
      QVERIFY(!In<QPushButton>(dialog, "cmdSearch")->isEnabled());
      QTest::mouseClick(In<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    });
    QVERIFY(RunSearch(dialog));
    QVERIFY(searchingMeanwhile);
    QCOMPARE(In<QLabel>(dialog, "lblSearchStatus")->text(), QString("Search cancelled."));
    QCOMPARE(In<QTreeWidget>(dialog, "lstWindows")->topLevelItemCount(), 0);
    QCOMPARE(In<QProgressBar>(dialog, "prgSearch")->value(), 0);
    QVERIFY(!In<QPushButton>(dialog, "cmdCancel")->isEnabled());
    QVERIFY(h.messages->shown.empty());

    // Still usable: a short search runs to the end.
    SetRange(dialog, QDate(2011, 1, 27), QDate(2011, 1, 29), "Bad");
    QVERIFY(RunSearch(dialog));
    QVERIFY(In<QTreeWidget>(dialog, "lstWindows")->topLevelItemCount() > 0);
    QVERIFY(In<QPushButton>(dialog, "cmdSearch")->isEnabled());
  }

  void closingDuringASearchStopsIt() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    QPointer<FindTimesDialog> dialog = OpenFinder(h, "cmdFindTimes_Birth");
    SetRange(dialog, QDate(2011, 1, 1), QDate(2020, 12, 31), "Good");
    QTest::mouseClick(In<QPushButton>(dialog, "cmdSearch"), Qt::LeftButton);
    QVERIFY(dialog->Searching());
    dialog->reject();
    QVERIFY(!dialog->isVisible());
    QTRY_VERIFY(dialog.isNull());  // closed and deleted, its threads joined
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
  }

  void choosingAWindowEvaluatesItsFirstMinute_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("use this time") << false;
    QTest::newRow("double-click") << true;
  }

  void choosingAWindowEvaluatesItsFirstMinute() {
    QFETCH(bool, doubleClick);
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    SetRange(dialog, QDate(2011, 2, 26), QDate(2011, 3, 1), "Average");
    QVERIFY(RunSearch(dialog));
    QVERIFY(!dialog->Windows().empty());
    auto* list = In<QTreeWidget>(dialog, "lstWindows");
    const int row = list->topLevelItemCount() - 1;  // the last: a date unlike the pages' own
    const SearchWindow window = dialog->Windows()[static_cast<std::size_t>(row)];
    // The minute taken stands clear of the window's edges.
    const LocalMinute chosen = dialog->MinuteToUse(window);
    list->scrollToItem(list->topLevelItem(row));
    const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(In<QPushButton>(dialog, "cmdUseTime")->isEnabled());
    if (doubleClick) {
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
      QTest::mouseClick(In<QPushButton>(dialog, "cmdUseTime"), Qt::LeftButton);
    }
    QTRY_COMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QVERIFY(h.window->findChild<FindTimesDialog*>("frmFindTimes") == nullptr ||
            !h.window->findChild<FindTimesDialog*>("frmFindTimes")->isVisible());

    auto text = [&h](const char* name) { return h.Find<QComboBox>(name)->currentText(); };
    QCOMPARE(text("cboMuhurthaYear"), QString::number(chosen.year));
    QCOMPARE(h.Find<QComboBox>("cboMuhurthaMonth")->currentIndex() + 1, chosen.month);
    QCOMPARE(text("cboMuhurthaDate"), QString::number(chosen.day));
    QCOMPARE(text("cboHourFrom"), QString::number(chosen.hour));
    QCOMPARE(text("cboMinuteFrom"), QString::number(chosen.minute));
    QCOMPARE(text("cboMuhurthaWeekday"),
             FromStd(std::string(horavela::WeekdayOfDate(chosen.year, chosen.month, chosen.day))));

    // Judged at once: the wait page's pauses belong to the wizard's Next.
    QVERIFY(h.pauses.empty());
    QVERIFY(h.window->LastEvaluation().has_value());
    const CalculationState expected = EvaluateAt(chosen);
    QCOMPARE(FromStd(ResultLabelOf(h.window->LastEvaluation()->Result)),
             FromStd(ResultLabelOf(expected.Result)));
    QCOMPARE(FromStd(ResultLabelOf(expected.Result)), FromStd(window.resultLabel()));
    QCOMPARE(h.Find<QLabel>("lblResult")->text(),
             FromStd(ResultLabelOf(expected.Result)).replace("\r\n", "\n"));
    QCOMPARE(
        h.Find<QLabel>("lblMuhurthaDetails_0")->text(),
        FromStd(std::string(horavela::ChartText(expected.ElectionChart, horavela::kMoonSignSlot))));
  }

  void followsNewYorkAcrossItsClockChanges_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("skipped");  // real minutes fewer than the days' clock minutes
    QTest::addColumn<QDateTime>("use");
    QTest::addColumn<bool>("viaButton");
    QTest::addColumn<bool>("secondRun");
    // The clocks went from 02:00 to 03:00 on 10 March 2024 and back from 02:00
    // to 01:00 on 3 November. Spring: the first window from `use` on, chosen
    // with "Use this time". Autumn: `use` itself, in the repeated hour, in
    // its first run (EDT) and in its second (EST), as the finder names it.
    QTest::newRow("spring") << QDate(2024, 3, 9) << QDate(2024, 3, 18) << 60
                            << QDateTime(QDate(2024, 3, 18), QTime(6, 0)) << true << false;
    QTest::newRow("autumn") << QDate(2024, 11, 2) << QDate(2024, 11, 4) << -60
                            << QDateTime(QDate(2024, 11, 3), QTime(1, 30)) << false << false;
    QTest::newRow("autumn second run")
        << QDate(2024, 11, 2) << QDate(2024, 11, 4) << -60
        << QDateTime(QDate(2024, 11, 3), QTime(1, 30)) << false << true;
  }

  void followsNewYorkAcrossItsClockChanges() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, skipped);
    QFETCH(QDateTime, use);
    QFETCH(bool, viaButton);
    QFETCH(bool, secondRun);
    Harness h;
    h.Open();
    WalkToBirthPageAtNewYork(h);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    QVERIFY(In<QLabel>(dialog, "lblFindSummary")
                ->text()
                .contains("America/New_York, follows daylight saving"));
    SetRange(dialog, from, to, "Bad");
    IgnoreTradition(dialog);
    QVERIFY(RunSearch(dialog));
    QVERIFY2(h.messages->shown.empty(), qPrintable(h.messages->Texts().join("; ")));

    // Every real minute the place had, once; none of the skipped hour.
    const std::vector<SearchWindow>& windows = dialog->Windows();
    LocalMinute useMinute{use.date().year(), use.date().month(), use.date().day(),
                          use.time().hour(), use.time().minute()};
    if (secondRun) useMinute.repeated = horavela::ClockRun{-5 * 3600, true};
    // Windows and the minute used, in real minutes.
    const horavela::PlaceClock clock(
        {}, horavela::Follow(*horavela::TimeZoneRules::Load("America/New_York")));
    const std::int64_t useReal = clock.UniversalOf(useMinute, horavela::PlaceClock::Run::First);
    const std::int64_t gap = horavela::MinuteIndex({2024, 3, 10, 2, 0});
    std::int64_t minutes = 0;
    std::size_t used = windows.size();
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const SearchWindow& w = windows[i];
      minutes += w.minutes;
      // A window may run across the gap; its edges are minutes that exist.
      for (const LocalMinute& edge : {w.first, w.last}) {
        QVERIFY2(horavela::MinuteIndex(edge) < gap || horavela::MinuteIndex(edge) >= gap + 60,
                 qPrintable(horavela::app::WindowLine(w)));
      }
      const bool wanted =
          viaButton ? useReal <= clock.UniversalOf(w.first, horavela::PlaceClock::Run::First)
                    : useReal <= clock.UniversalOf(w.last, horavela::PlaceClock::Run::Last);
      if (used == windows.size() && wanted) used = i;
    }
    QCOMPARE(minutes, from.daysTo(to) * 1440 + 1440 - skipped);
    QVERIFY(used < windows.size());

    // The minute listed is the minute judged.
    const SearchWindow window = windows[used];
    const LocalMinute judged = viaButton ? dialog->MinuteToUse(window) : useMinute;
    if (viaButton) {
      UseWindow(dialog, used);
    } else {
      dialog->reject();
      h.window->UseElectionMinute(judged);
    }
    QTRY_COMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QVERIFY2(h.messages->shown.empty(), qPrintable(h.messages->Texts().join("; ")));
    QCOMPARE(h.Find<QComboBox>("cboHourFrom")->currentText(), QString::number(judged.hour));
    QCOMPARE(h.Find<QComboBox>("cboMinuteFrom")->currentText(), QString::number(judged.minute));
    // EDT, but EST for a minute of the second run.
    QCOMPARE(h.Find<QCheckBox>("chkDST_Muhurtha")->isChecked(), !secondRun);
    QVERIFY(h.window->LastEvaluation().has_value());
    QCOMPARE(h.window->LastEvaluation()->Result.TotalScore, window.evaluation().TotalScore);
    QCOMPARE(FromStd(ResultLabelOf(h.window->LastEvaluation()->Result)),
             FromStd(window.resultLabel()));
  }

  void summaryGivesTheTypedZoneAsAnOffset() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    FindTimesDialog* dialog = OpenFinder(h, "cmdFindTimes_Birth");
    QVERIFY(
        In<QLabel>(dialog, "lblFindSummary")->text().endsWith("zone -5 h -30 min (UTC+05:30)."));
  }

  void aLongListStopsAndSaysSo_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("notice");
    QTest::newRow("cut short")
        << 1000 << "Showing the first 1,000 windows; narrow the range to see the rest.";
    QTest::newRow("all of it") << 100000 << QString();
  }

  // A list that would run on stops at the request's limit, and the dialog says so.
  void aLongListStopsAndSaysSo() {
    QFETCH(int, limit);
    QFETCH(QString, notice);
    Harness h;
    horavela::app::FindTimesInputs inputs{ExpectedRequest(), {}};
    inputs.request.maxWindows = static_cast<std::size_t>(limit);
    FindTimesDialog dialog(inputs, h.messages);
    SetRange(&dialog, QDate(2011, 1, 1), QDate(2011, 12, 31), "Bad");
    IgnoreTradition(&dialog);
    QVERIFY(RunSearch(&dialog));
    QVERIFY(h.messages->shown.empty());
    const int count = In<QTreeWidget>(&dialog, "lstWindows")->topLevelItemCount();
    auto* label = In<QLabel>(&dialog, "lblTruncated");
    if (notice.isEmpty()) {
      QVERIFY(count > 1000 && count < limit);
      QVERIFY(label->isHidden());
    } else {
      QCOMPARE(count, limit);
      QVERIFY(!label->isHidden());
      QCOMPARE(label->text(), notice);
    }
  }

  // The list sorts by any column, the equal rows in time order, and comes back
  // to time order; the best stay bold in every order; the calendar gives each
  // day the total of its best window; the CSV holds the rows as listed.
  void sortsByEveryColumnAndExportsTheList() {
    Harness h;
    horavela::app::FindTimesInputs inputs{ExpectedRequest(), {}};
    FindTimesDialog dialog(inputs, h.messages);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString csvFile = QDir(folder.path()).filePath("windows.csv");
    QString caption;
    dialog.SetSaveFileChooser([&](const QString& c, const QString&, const QString&) {
      caption = c;
      return csvFile;
    });
    SetRange(&dialog, QDate(2011, 1, 27), QDate(2011, 2, 2), "Bad");
    IgnoreTradition(&dialog);
    QVERIFY(RunSearch(&dialog));
    const std::vector<SearchWindow>& windows = dialog.Windows();
    QVERIFY2(windows.size() > 20, qPrintable(QString::number(windows.size())));
    auto* list = In<QTreeWidget>(&dialog, "lstWindows");
    auto indexAt = [list](int row) {
      return static_cast<std::size_t>(list->topLevelItem(row)->data(0, Qt::UserRole).toULongLong());
    };
    using Key = std::function<long long(const SearchWindow&)>;
    const std::pair<int, Key> columns[] = {
        {1, [](const SearchWindow& w) { return horavela::IndexOf(w.evaluation().ResultWord); }},
        {2, [](const SearchWindow& w) { return w.evaluation().TotalScore; }},
        {3, [](const SearchWindow& w) { return w.evaluation().FactorCount; }},
        {4, [](const SearchWindow& w) { return w.minutes; }},
        {0, [](const SearchWindow& w) { return horavela::MinuteIndex(w.first); }},
    };
    for (const auto& [column, key] : columns) {
      for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        list->sortByColumn(column, order);
        QCOMPARE(list->topLevelItemCount(), static_cast<int>(windows.size()));
        for (int row = 1; row < list->topLevelItemCount(); ++row) {
          const long long a = key(windows[indexAt(row - 1)]);
          const long long b = key(windows[indexAt(row)]);
          QVERIFY2(order == Qt::AscendingOrder ? a <= b : a >= b,
                   qPrintable(QString("column %1 row %2").arg(column).arg(row)));
        }
      }
    }
    // Clicking a column's title sorts by it.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    list->sortByColumn(0, Qt::AscendingOrder);
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2,
                             header->height() / 2));
    QCOMPARE(list->sortColumn(), 2);
    list->sortByColumn(0, Qt::AscendingOrder);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      QCOMPARE(indexAt(row), std::size_t(row));

    // The ten best are bold, and nothing else.
    list->sortByColumn(2, Qt::DescendingOrder);
    int bold = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      bold += list->topLevelItem(row)->font(2).bold() ? 1 : 0;
    QCOMPARE(bold, 10);

    auto* calendar =
        dynamic_cast<horavela::app::TotalsCalendar*>(In<QCalendarWidget>(&dialog, "calResults"));
    QVERIFY(calendar != nullptr);
    for (QDate day(2011, 1, 27); day <= QDate(2011, 2, 2); day = day.addDays(1)) {
      const SearchWindow* dayBest = nullptr;
      auto rank = [](const SearchWindow& w) {
        return std::make_tuple(horavela::IndexOf(w.evaluation().ResultWord),
                               w.evaluation().TotalScore, w.evaluation().FactorCount, w.minutes);
      };
      for (const SearchWindow& w : windows)
        if (DateOf(w.first) <= day && day <= DateOf(w.last) &&
            (!dayBest || rank(w) > rank(*dayBest)))
          dayBest = &w;
      QVERIFY(dayBest != nullptr && calendar->TotalOn(day) != nullptr);
      QCOMPARE(*calendar->TotalOn(day), static_cast<int>(dayBest->evaluation().TotalScore));
    }
    QCOMPARE(horavela::app::SignedTotal(5), QString("+5"));
    QCOMPARE(horavela::app::SignedTotal(-3), QString("-3"));

    // Exported in the order shown: by total, highest first.
    QTest::mouseClick(In<QPushButton>(&dialog, "cmdExportCsv"), Qt::LeftButton);
    QCOMPARE(caption, QString("Export the windows as CSV"));
    std::string expected = horavela::WindowsCsvHeader();
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      expected += horavela::WindowsCsvLine(windows[indexAt(row)]);
    QFile file(csvFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), expected);
    QVERIFY(h.messages->shown.empty());
  }

  // The total spin box and the kalam boxes reach the finder: the list is the
  // finder's own with the same minimum total and the kalams' minutes left out.
  void minimumTotalAndAvoidedKalamsFilterTheList() {
    Harness h;
    horavela::app::FindTimesInputs inputs{ExpectedRequest(), {}};
    FindTimesDialog dialog(inputs, h.messages);
    auto* total = In<QSpinBox>(&dialog, "spnMinTotal");
    QCOMPARE(total->text(), QString("any"));
    QCOMPARE(In<QCheckBox>(&dialog, "chkAvoidRahuKalam")->text(), QString("Leave out Rahu kalam"));
    QVERIFY(!In<QCheckBox>(&dialog, "chkAvoidYamaganda")->isChecked());
    SetRange(&dialog, QDate(2011, 1, 27), QDate(2011, 1, 29), "Average");
    IgnoreTradition(&dialog);
    total->setValue(0);
    In<QCheckBox>(&dialog, "chkAvoidRahuKalam")->setChecked(true);
    In<QCheckBox>(&dialog, "chkAvoidGulikaKalam")->setChecked(true);
    QVERIFY(RunSearch(&dialog));

    SearchRequest request = ExpectedRequest();
    request.from = {2011, 1, 27, 0, 0};
    request.to = {2011, 1, 29, 23, 59};
    request.minResult = "Average";
    request.minTotal = 0;
    request.excluded =
        horavela::KalamMinutes(request, {horavela::Kalam::RahuKalam, horavela::Kalam::GulikaKalam});
    QVERIFY(!request.excluded.empty());
    const horavela::SearchResult expected =
        horavela::FindMuhurtaWindows(request, horavela::SwissEphemeris());
    const std::vector<SearchWindow>& windows = dialog.Windows();
    QVERIFY(!windows.empty());
    QCOMPARE(windows.size(), expected.windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) {
      QVERIFY(windows[i].first == expected.windows[i].first);
      QVERIFY(windows[i].last == expected.windows[i].last);
      QVERIFY(windows[i].evaluation().TotalScore >= 0);
    }
  }

  // The tradition is observed by default, its regional vetoes only on
  // request: a marriage inside Kharmas finds nothing, and Holashtak is
  // listed once the regional box is ticked.
  void theTraditionBoxesChooseWhatIsObserved_data() {
    QTest::addColumn<bool>("observe");
    QTest::addColumn<bool>("regional");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("veto");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<int>("windows");  // 0 none, 1 some, -1 either
    const QDate kharmas(2026, 1, 1);
    const QDate holashtak(2026, 2, 25);
    QTest::newRow("observed: none in Kharmas")
        << true << false << kharmas << "Kharmas" << true << 0;
    QTest::newRow("ignored: as before") << false << false << kharmas << "Kharmas" << false << 1;
    QTest::newRow("regional not observed")
        << true << false << holashtak << "Holashtak" << false << -1;
    QTest::newRow("regional observed") << true << true << holashtak << "Holashtak" << true << 0;
  }
  void theTraditionBoxesChooseWhatIsObserved() {
    QFETCH(bool, observe);
    QFETCH(bool, regional);
    QFETCH(QDate, day);
    QFETCH(QString, veto);
    QFETCH(bool, listed);
    QFETCH(int, windows);
    Harness h;
    FindTimesDialog dialog({ExpectedRequest(), {}}, h.messages);
    auto* observeBox = In<QCheckBox>(&dialog, "chkObserveTradition");
    auto* regionalBox = In<QCheckBox>(&dialog, "chkRegionalVetoes");
    QCOMPARE(observeBox->text(), QString(horavela::app::texts::kFindObserveTradition));
    QVERIFY(observeBox->isChecked());
    QVERIFY(!regionalBox->isChecked());
    observeBox->setChecked(observe);
    QCOMPARE(regionalBox->isEnabled(), observe);
    regionalBox->setChecked(regional);
    SetRange(&dialog, day, day, "Bad");
    QVERIFY(RunSearch(&dialog));
    QVERIFY(h.messages->shown.empty());
    bool found = false;
    for (const horavela::VetoPeriod& period : dialog.Vetoes())
      found = found || FromStd(std::string(horavela::NameOf(period.veto))) == veto;
    QCOMPARE(found, listed);
    if (windows < 0) return;
    QCOMPARE(!dialog.Windows().empty(), windows == 1);
    QCOMPARE(In<QLabel>(&dialog, "lblTraditionSummary")->isHidden(), windows != 0);
  }

  // A day the observed vetoes cover whole is grey and says why (Kharmas, and
  // Venus set until February); a day a veto only touches keeps its colour and
  // gives the veto's times; an ordinary day says nothing. The tooltip is the calendar view's own.
  void theCalendarGreysTheDaysRuledOut_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<QString>("tip");
    QTest::newRow("inside Kharmas")
        << QDate(2025, 12, 31) << QDate(2026, 1, 1) << true << "Kharmas, all day: ";
    QTest::newRow("Malmas begins")
        << QDate(2026, 3, 15) << QDate(2026, 3, 15) << false << "Malmas from ";
    QTest::newRow("an ordinary day")
        << QDate(2026, 2, 10) << QDate(2026, 2, 10) << false << QString();
  }
  void theCalendarGreysTheDaysRuledOut() {
    QFETCH(QDate, from);
    QFETCH(QDate, day);
    QFETCH(bool, grey);
    QFETCH(QString, tip);
    Harness h;
    FindTimesDialog dialog({ExpectedRequest(), {}}, h.messages);
    SetRange(&dialog, from, day, "Bad");
    QVERIFY(RunSearch(&dialog));
    auto* calendar = In<horavela::app::TotalsCalendar>(&dialog, "calResults");
    const QTextCharFormat format = calendar->dateTextFormat(day);
    const QColor background = format.background().color();
    const bool greyed = format.background().style() != Qt::NoBrush &&
                        background.red() == background.green() &&
                        background.green() == background.blue();
    QCOMPARE(greyed, grey);
    QVERIFY2(format.toolTip().contains(tip), qPrintable(format.toolTip()));
    QCOMPARE(format.toolTip().isEmpty(), tip.isEmpty());
    if (tip.isEmpty()) return;
    const QAbstractItemModel* cells =
        calendar->findChild<QAbstractItemView*>("qt_calendar_calendarview")->model();
    bool shown = false;
    for (int row = 0; row < cells->rowCount(); ++row)
      for (int column = 0; column < cells->columnCount(); ++column)
        shown = shown || cells->index(row, column).data(Qt::ToolTipRole) == format.toolTip();
    QVERIFY(shown);
    if (grey) {
      const QString summary = In<QLabel>(&dialog, "lblTraditionSummary")->text();
      QVERIFY2(summary.startsWith("The tradition rules out 2 of 2 days: ") &&
                   summary.contains("Kharmas until 14 January 2026"),
               qPrintable(summary));
    }
  }
};

HORAVELA_APP_TEST_MAIN(FindTimesTest)
#include "find_times_test.moc"
