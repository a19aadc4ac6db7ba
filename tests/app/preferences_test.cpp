// Edit > Preferences: the calculation settings chosen in the dialog, kept in
// the settings file, carried by every call into the core, and the result in
// front computed again when they change.
#include <QAction>
#include <QDialog>
#include <QTabWidget>
#include <functional>
#include <map>

#include "app_test_support.h"
#include "engine/calculation_state.h"

using horavela::AyanamsaSystem;
using horavela::CalculationSettings;
using horavela::EphemerisSource;
using horavela::SunriseRule;
using horavela::TaraCount;
using horavela::app::testing::Harness;

namespace {

const QStringList kBoxes = {"cboEphemeris", "cboAyanamsa", "cboSunrise", "cboTarabala"};

const CalculationSettings kAllOther{EphemerisSource::Swiss, AyanamsaSystem::Lahiri,
                                    SunriseRule::DiscCentre, TaraCount::Inclusive};
const QStringList kAllOtherCaptions = {"Swiss Ephemeris", "Lahiri (Chitrapaksha)",
                                       "Centre of the disc, without refraction",
                                       "Inclusive, forward from the birth star"};

// Edit > Preferences, left open.
void OpenPreferences(Harness& h) {
  // A dialog closed before is gone first, so the one found is the new one.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  h.Find<QAction>("mnuPreferences")->trigger();
  auto* dialog = h.Find<QDialog>("frmPreferences");
  if (!dialog->isVisible()) throw std::runtime_error("Preferences not shown");
}

// Each box set to its caption (an empty caption leaves the box alone), then `button`.
void ChoosePreferences(Harness& h, const QStringList& captions, const QString& button = "cmdOK") {
  OpenPreferences(h);
  for (qsizetype i = 0; i < kBoxes.size(); ++i)
    if (!captions[i].isEmpty()) h.Select(kBoxes[i], captions[i]);
  h.Click(button);
}

QStringList Calls(const std::map<QString, CalculationSettings>& carried) {
  QStringList calls;
  for (const auto& entry : carried) calls << entry.first;
  return calls;
}

QString TaraLine(Harness& h) {
  for (const QString& line : h.Find<QLabel>("lblResult")->text().split('\n'))
    if (line.startsWith("Tara Stength")) return line;
  return {};
}

}  // namespace

class PreferencesTest : public QObject {
  Q_OBJECT

 private slots:
  // OK keeps the choices: the dialog opened again and the program started
  // again show them.
  void choicesAreKeptAcrossRestarts() {
    struct Case {
      const char* name;
      QStringList captions;
      CalculationSettings kept;
    };
    const Case cases[] = {
        {"every setting other than its default", kAllOtherCaptions, kAllOther},
        {"one setting",
         {"", "Krishnamurti (KP)", "", ""},
         {.ayanamsa = AyanamsaSystem::Krishnamurti}},
    };
    for (const Case& c : cases) {
      Harness h;
      h.Open();
      ChoosePreferences(h, c.captions);
      QVERIFY2(h.window->Settings() == c.kept, c.name);
      h.window.reset();
      h.Open();
      QVERIFY2(h.window->Settings() == c.kept, c.name);
      OpenPreferences(h);
      for (qsizetype i = 0; i < kBoxes.size(); ++i)
        if (!c.captions[i].isEmpty())
          QCOMPARE(h.Find<QComboBox>(kBoxes[i])->currentText(), c.captions[i]);
      QVERIFY(h.messages->shown.empty());
    }
  }

  // Cancel forgets what the boxes were set to; Restore defaults sets them all
  // to the defaults, kept only with OK.
  void cancelAndRestoreDefaults() {
    Harness h;
    h.Open();
    ChoosePreferences(h, kAllOtherCaptions);
    OpenPreferences(h);
    h.Click("cmdRestoreDefaults");
    for (const QString& box : kBoxes) QCOMPARE(h.Find<QComboBox>(box)->currentIndex(), 0);
    h.Click("cmdCancel");
    QVERIFY(h.window->Settings() == kAllOther);
    OpenPreferences(h);
    h.Click("cmdRestoreDefaults");
    h.Click("cmdOK");
    QVERIFY(h.window->Settings() == CalculationSettings{});
  }

  // A settings file edited by hand: a value the program does not know is the
  // default of that setting, the others stand.
  void aDamagedSavedValueReadsAsTheDefault() {
    struct Case {
      const char* key;
      QVariant saved;
      std::function<void(CalculationSettings&)> defaulted;
    };
    const Case cases[] = {
        {"ayanamsa", "fagan_bradley", [](CalculationSettings& s) { s.ayanamsa = {}; }},
        {"sunrise", "", [](CalculationSettings& s) { s.sunrise = {}; }},
        {"tarabala", QStringList{"inclusive", "program"},
         [](CalculationSettings& s) { s.tarabala = {}; }},
    };
    for (const Case& c : cases) {
      Harness h;
      h.Open();
      ChoosePreferences(h, kAllOtherCaptions);
      h.window.reset();
      {
        QSettings settings(h.bookFolder->filePath("settings.ini"), QSettings::IniFormat);
        settings.setValue(QString("calculation/") + c.key, c.saved);
      }
      h.Open();
      CalculationSettings expected = kAllOther;
      c.defaulted(expected);
      QVERIFY2(h.window->Settings() == expected, c.key);
      QVERIFY(h.messages->shown.empty());
    }
  }

  // Ashlesha (the 9th star) at birth, Uttara Ashadha (the 21st) at the
  // election: 12 stars apart by the program's distance, the third tara
  // (Vipat); the 13th star counting the birth star as the first, the fourth
  // (Kshema).
  void theTarabalaCountChangesTheShownResult() {
    Harness h;
    h.Open();
    h.Evaluate(4, "Start On A New Job", true);
    QCOMPARE(TaraLine(h), QString("Tara Stength - Unfavourable - -1 Point"));
    ChoosePreferences(h, {"", "", "", "Inclusive, forward from the birth star"});
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(TaraLine(h), QString("Tara Stength - Favourable - 1 Point"));
    QCOMPARE(h.window->LastEvaluation()->TaraBalaVerdict, horavela::Word::Favourable);
    ChoosePreferences(h, {"", "", "", "As the program counts"});
    QCOMPARE(TaraLine(h), QString("Tara Stength - Unfavourable - -1 Point"));
    QVERIFY(h.messages->shown.empty());
  }

  // Every call into the core carries the settings: the evaluation, the day,
  // its vetoes, the month and the finder; new settings compute again the
  // tab in front and keep it there.
  void everyCallIntoTheCoreCarriesTheSettings() {
    Harness h;
    std::map<QString, CalculationSettings> carried;
    horavela::app::AppServices services = h.Services();
    const horavela::app::CoreSteps real = services.core;
    services.core.computeCharts = [&carried, real](horavela::CalculationState& state) {
      carried["evaluation"] = state.Input.settings;
      real.computeCharts(state);
    };
    services.core.computeDay = [&carried, real](const horavela::DayRequest& request) {
      carried["day"] = request.settings;
      return real.computeDay(request);
    };
    services.core.vetoesOfDay = [&carried, real](const horavela::DayRequest& request) {
      carried["vetoes"] = request.settings;
      return real.vetoesOfDay(request);
    };
    services.core.computeMonth = [&carried, real](const horavela::MonthRequest& request) {
      carried["month"] = request.settings;
      if (request.person) carried["month's person"] = request.person->settings;
      return real.computeMonth(request);
    };
    h.Open(std::move(services));
    ChoosePreferences(h, kAllOtherCaptions);
    QVERIFY(carried.empty());  // nothing shown yet, nothing computed
    h.Evaluate(4, "Start On A New Job", true);
    auto* tabs = h.Find<QTabWidget>("TS");
    tabs->setCurrentIndex(4);
    const QStringList everyCall = {"day", "evaluation", "month", "month's person", "vetoes"};
    QCOMPARE(Calls(carried), everyCall);
    for (const auto& [call, settings] : carried) QVERIFY2(settings == kAllOther, qPrintable(call));
    QVERIFY(h.window->FinderRequest().settings == kAllOther);

    carried.clear();
    const CalculationSettings later{.ayanamsa = AyanamsaSystem::Raman};
    ChoosePreferences(h, {"The program's own theories", "Raman", "Upper limb, with refraction",
                          "As the program counts"});
    QCOMPARE(tabs->currentIndex(), 4);
    QCOMPARE(Calls(carried), everyCall);
    for (const auto& [call, settings] : carried) QVERIFY2(settings == later, qPrintable(call));
    QVERIFY(h.messages->shown.empty());
  }
};

HORAVELA_APP_TEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
