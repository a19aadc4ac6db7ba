// Every visible text of the desktop passes through the translation: under a
// pseudo-translation that wraps and lengthens each text, a text still bare is
// one that bypassed Tr, and a caption too narrow for it would clip a real
// language's longer words.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <algorithm>

#include "app/about_dialog.h"
#include "app/find_times_dialog.h"
#include "app/preferences_dialog.h"
#include "app/time_zone_dialog.h"
#include "app_test_support.h"

using horavela::app::AboutDialog;
using horavela::app::FindTimesDialog;
using horavela::app::PreferencesDialog;
using horavela::app::TimeZoneDialog;
using horavela::app::testing::Harness;
using horavela::app::testing::WhenModalOpens;

namespace {

// "[[" + the text lengthened by 40% + "]]"; placeholders stay where they are.
class PseudoTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    const QString text = QString::fromUtf8(source);
    if (text.isEmpty()) return text;
    return "[[" + text + QString((text.size() * 2 + 4) / 5, QChar('~')) + "]]";
  }
};

// Texts that are data, not the program's words.
bool IsData(const QObject* owner, const QString& text) {
  // Digits, dates, times and offsets: no letter at all.
  if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) return true;
  const QString name = owner->objectName();
  if (name.startsWith("actLanguage_")) return true;  // each language named in itself
  // The program's name and version (About, the window's title).
  if (text.startsWith("Horavela v") || text == "<h2>Horavela</h2>") return true;
  // The zone's offset ("UTC+05:30") and the program's web address.
  if (name.startsWith("lblZoneOffset") || name == "lblWebAddress") return true;
  // Qt's own parts (the calendar's month) speak the locale.
  if (name.startsWith("qt_")) return true;
  // The result's values: what the user typed and the elements, named from
  // the core's tables in the chosen language rather than by Tr.
  if (name.startsWith("lblResultBirth_") || name.startsWith("lblMuhurthaDetails_")) return true;
  // The verdict's lines and the explanation are the core's sentences.
  static const QStringList core = {"lblResult", "lblAnalysisWindow", "lblTimingWarnings",
                                   "lblBetterMoments"};
  if (core.contains(name)) return true;
  return false;
}

class Walk {
 public:
  QStringList bare;
  QStringList clipped;

  void Check(const QObject* owner, const QString& what, const QString& text) {
    if (text.trimmed().isEmpty() || IsData(owner, text)) return;
    if (!text.contains("[[")) bare << QString("%1 %2: %3").arg(owner->objectName(), what, text);
  }

  void Widgets(QWidget* top) {
    Check(top, "title", top->windowTitle());
    for (QWidget* w : top->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(top)) continue;
      if (auto* label = qobject_cast<QLabel*>(w)) {
        Check(label, "label", label->text());
        if (!label->wordWrap() && label->textFormat() != Qt::RichText && label->pixmap().isNull() &&
            label->sizeHint().width() > label->width() + 1 && !label->text().isEmpty()) {
          clipped << QString("%1 (%2 > %3): %4")
                         .arg(label->objectName())
                         .arg(label->sizeHint().width())
                         .arg(label->width())
                         .arg(label->text());
        }
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        Check(button, "button", button->text());
      } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        Check(box, "group", box->title());
      } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) Check(tabs, "tab", tabs->tabText(i));
      } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
        for (int i = 0; i < table->columnCount(); ++i) {
          if (const QTableWidgetItem* item = table->horizontalHeaderItem(i)) {
            Check(table, "header", item->text());
          }
        }
      }
    }
  }

  void Menus(QMenuBar* bar) {
    for (QAction* menu : bar->actions()) {
      Check(menu->menu(), "menu", menu->text());
      if (menu->menu() != nullptr) Actions(menu->menu());
    }
  }

  void Actions(QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      Check(action, "action", action->text());
      if (action->menu() != nullptr) Actions(action->menu());
    }
  }
};

}  // namespace

// Two people in the harness's book, so that Tools > Match opens.
void StoreTwoPeople(Harness& h) {
  auto stored = horavela::book::Book::Open(h.bookPath.toStdString());
  if (!stored) throw std::runtime_error(stored.error().message);
  for (const auto& [name, sex] :
       {std::pair{"Asha Rao", "Female"}, std::pair{"Ravi Kumar", "Male"}}) {
    horavela::book::Person person;
    person.name = name;
    person.sex = sex;
    person.birth.year = 1990;
    person.birth.month = 5;
    person.birth.day = 17;
    person.birth.hour = 9;
    person.birth.place.city = "Chennai";
    person.birth.place.latitudeDegrees = 13;
    person.birth.place.longitudeDegrees = 80;
    person.birth.place.zoneHours = -5;
    person.birth.place.zoneMinutes = -30;
    (*stored)->SavePerson(person);
  }
}

// The marriage ticked on the start page: its shown name is pseudo-translated,
// so the item is taken by its place (Marriage's first subject, Engagement).
void TickEngagement(Harness& h) {
  h.ClickLabel("lblMainOptions_1");
  h.Find<QListWidget>("lstOptions")->item(0)->setCheckState(Qt::Checked);
}

class PseudoTranslationTest : public QObject {
  Q_OBJECT

 private:
  PseudoTranslator translator_;

  static void Expect(const Walk& walk) {
    QVERIFY2(walk.bare.isEmpty(), qPrintable("bypassed Tr:\n" + walk.bare.join('\n')));
    QVERIFY2(walk.clipped.isEmpty(), qPrintable("clipped:\n" + walk.clipped.join('\n')));
  }

  static void Settle(QWidget* widget) {
    widget->resize(1280, 800);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
  }

 private slots:
  void initTestCase() { QCoreApplication::installTranslator(&translator_); }
  void cleanupTestCase() { QCoreApplication::removeTranslator(&translator_); }

  // Each page of the wizard and of the result, and the menus.
  void pagesAndMenusAreTranslated() {
    Harness h;
    QWidget& window = h.Open();
    window.resize(1280, 800);
    auto* stack = window.findChild<QStackedWidget*>("stkPages");
    QVERIFY(stack != nullptr);
    Walk walk;
    walk.Menus(window.findChild<QMenuBar*>());
    for (int i = 0; i < stack->count(); ++i) {
      stack->setCurrentIndex(i);
      QCoreApplication::processEvents();
      walk.Widgets(&window);
    }
    Expect(walk);
  }

  // The dialogs that open without a book or an evaluation.
  void dialogsAreTranslated() {
    AboutDialog about;
    PreferencesDialog preferences(horavela::CalculationSettings{});
    TimeZoneDialog zones;
    Walk walk;
    for (QWidget* dialog : std::initializer_list<QWidget*>{&about, &preferences, &zones}) {
      Settle(dialog);
      walk.Widgets(dialog);
    }
    Expect(walk);
  }

  // A whole evaluation: the result page with the charts, the planets, the
  // Day and month views filled in; then the book, the finder and the match.
  void resultAndToolsAreTranslated() {
    Harness h;
    StoreTwoPeople(h);
    QWidget& window = h.Open();
    window.resize(1280, 800);
    TickEngagement(h);
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    Walk walk;
    auto* tabs = h.Find<QTabWidget>("TS");
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QCoreApplication::processEvents();
      walk.Widgets(&window);
    }
    WhenModalOpens([&walk](QWidget* book) {
      walk.Widgets(book);
      static_cast<QDialog*>(book)->reject();
    });
    h.Find<QAction>("mnuBook")->trigger();
    h.Find<QAction>("mnuMatch")->trigger();
    auto* match = h.window->findChild<QWidget*>("dlgMatch");
    QVERIFY(match != nullptr);
    h.Click("btnMatch");
    walk.Widgets(match);
    Expect(walk);
  }

  void finderIsTranslated() {
    Harness h;
    h.Open();
    TickEngagement(h);
    h.Click("cmdNext_0");
    h.Click("cmdFindTimes");
    auto* finder = h.window->findChild<FindTimesDialog*>("frmFindTimes");
    QVERIFY(finder != nullptr);
    Walk walk;
    walk.Widgets(finder);
    // The least verdict's words are shown translated, their value kept.
    auto* least = finder->findChild<QComboBox*>("cboMinResult");
    for (int i = 0; i < least->count(); ++i) walk.Check(least, "item", least->itemText(i));
    Expect(walk);
  }
};

HORAVELA_APP_TEST_MAIN(PseudoTranslationTest)
#include "pseudo_translation_test.moc"
