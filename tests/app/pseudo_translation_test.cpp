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
#include "app/preferences_dialog.h"
#include "app/time_zone_dialog.h"
#include "app_test_support.h"

using horavela::app::AboutDialog;
using horavela::app::PreferencesDialog;
using horavela::app::TimeZoneDialog;
using horavela::app::testing::Harness;

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
  // The activities' names are the subjects the core judges by; they are
  // translated with the core's names, not as the desktop's own words.
  if (name.startsWith("lblMainOptions_")) return true;
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
};

HORAVELA_APP_TEST_MAIN(PseudoTranslationTest)
#include "pseudo_translation_test.moc"
