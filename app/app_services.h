#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "atlas/places.h"
#include "engine/result.h"
#include "explain/explanation.h"
#include "report/report_writer.h"
#include "tradition/month_at_a_glance.h"
#include "tradition/veto.h"
#include "usecases/evaluate.h"

class QPrinter;
class QSettings;
class QWidget;

namespace horavela {
struct DayAtAGlance;
struct DayRequest;
}  // namespace horavela

namespace horavela::book {
class Book;
}  // namespace horavela::book

namespace horavela::app {

enum class MessageIcon { Information, Error };

// Every message box of the main window goes through this, so tests can read
// what was shown and answer it without a modal loop.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // One OK button, the program's title.
  virtual void Show(MessageIcon icon, const QString& text) = 0;
  // Yes and No; true for Yes.
  virtual bool Ask(MessageIcon icon, const QString& text, const QString& question) = 0;
  // Two buttons named by the caller ("Restart now", "Later"); true for the
  // first. A box without named buttons asks Yes or No.
  virtual bool Choose(MessageIcon icon, const QString& text, const QString& accept,
                      const QString& reject) {
    (void)accept;
    (void)reject;
    return Ask(icon, text, QString());
  }
  // A short note beside `field` that needs no answer and does not stop the
  // typing (a refused key): shown again, it replaces itself rather than
  // piling up boxes. An OK box where no such note can be shown.
  virtual void Notify(QWidget* field, const QString& text) {
    (void)field;
    Show(MessageIcon::Error, text);
  }
};

// Shows the user a web search for a place so they can read off its
// coordinates. `webAddress` is ours, for a search service that wants a referrer.
class PlaceSearch {
 public:
  virtual ~PlaceSearch() = default;
  // False when no browser could be opened.
  virtual bool Search(const QString& text, const QString& webAddress) = 0;
};

// The steps of one evaluation that run inside the core (computeCharts,
// computeStrengths, explain, dispatchSubject). Replaceable so tests can make
// the core fail and watch the window recover; without `explain` the moment
// goes unexplained.
struct CoreSteps : EvaluationSteps {
  // The day at a glance of the election date and place.
  std::function<DayAtAGlance(const DayRequest&)> computeDay;
  // The tradition's veto periods in force on the day's date, every kind.
  std::function<std::vector<VetoPeriod>(const DayRequest&)> vetoesOfDay;
  // The month on one page of the election date's month and place.
  std::function<MonthAtAGlance(const MonthRequest&)> computeMonth;
};

// How the city fields find the atlas cities offered for what was typed. The
// search runs on a worker thread once typing pauses for `delayMilliseconds`.
// Replaceable so tests can count the searches or answer without waiting.
struct CityLookup {
  std::function<std::vector<Place>(const std::string& query, std::size_t limit)> find =
      [](const std::string& query, std::size_t limit) { return FindPlaces(query, limit); };
  int delayMilliseconds = 150;
};

// What the main window needs from the desktop around it.
struct AppServices {
  // Blocks for the given milliseconds while the window keeps painting and
  // ignores input.
  std::function<void(int milliseconds)> pause;
  std::shared_ptr<MessageBoxes> messages;
  std::shared_ptr<PlaceSearch> placeSearch;
  // Opens a web page in the default browser; false when none could be opened.
  std::function<bool(const QUrl&)> openUrl;
  // The default printer, or nullptr when the system has none.
  std::function<std::unique_ptr<QPrinter>()> defaultPrinter;
  // A file name chosen by the user, or an empty string when cancelled.
  std::function<QString(const QString& caption, const QString& suggestedName,
                        const QString& filter)>
      chooseSaveFile;
  // An existing file chosen by the user, or an empty string when cancelled.
  std::function<QString(const QString& caption, const QString& filter)> chooseOpenFile;
  // Opens the book of people and places, asked for the first time it is
  // needed: the failure says why it cannot be opened; a damaged book kept
  // aside is said in `notice`.
  std::function<Result<std::unique_ptr<book::Book>>(std::string* notice)> openBook;
  CoreSteps core;
  CityLookup cityLookup;
  // The clock a new evaluation starts at: the computer's date and time, with
  // its offset from universal time. Replaceable so tests start at a moment of
  // their own.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
  // What the program remembers between sessions (the last place used);
  // nothing is remembered without it. Tests keep theirs apart from the user's.
  std::function<std::unique_ptr<QSettings>()> settings;
  // Asks for the program to start again, with the same arguments, once this
  // run has closed (a new language takes effect at a start). Nothing without it.
  std::function<void()> restart;
};

// The core's own steps.
CoreSteps RealCoreSteps();

// The services of a desktop session: real message boxes, the default browser,
// the default printer, the file dialog and real pauses. `window` is the parent
// of dialogs and the window that keeps painting during pauses; it is asked for
// lazily, so it may be created after the services.
AppServices DesktopServices(std::function<QWidget*()> window);

// Whether the session's `restart` was asked for; then StartAgain() starts the
// program anew, called once this run has let go of its single-instance lock.
bool RestartRequested();
bool StartAgain();

// Pauses for `milliseconds`: repaints, keeps the event loop running for
// painting and timers, and throws away mouse and keyboard input meanwhile.
void PauseIgnoringInput(int milliseconds);

}  // namespace horavela::app
