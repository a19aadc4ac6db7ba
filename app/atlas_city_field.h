#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "app/app_services.h"
#include "app/input_boxes.h"
#include "atlas/places.h"
#include "atlas/time_zone_rules.h"

class QCompleter;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;
class QTimer;

namespace horavela::app {

// The offline atlas in one input page. Typing in the city field offers the
// matching cities of the gazetteer; choosing one fills the place and the
// coordinates and keeps the zone captions and the DST box at the offset in
// force at the page's date and time (recomputed when they change), until the
// user picks a zone or enters coordinates by hand. A city typed over the
// followed one is settled when the user leaves the field: a name the atlas
// knows as one city is taken as if chosen, any other clears the place of the
// city before it, so that no judgement uses another city's coordinates. A label
// under the place says whether the coordinates come from the atlas or from
// the user, or that they must be entered.
class AtlasCityField : public QObject {
  Q_OBJECT

 public:
  // `suffix` names the zone information label ("lblZoneInfo" + suffix), which
  // is placed in the page's zone frame after the "TZ Help" link, and the label
  // of where the coordinates come from ("lblPlaceSource" + suffix), under the
  // place's Search button.
  AtlasCityField(const MomentBoxes& moment, const PlaceBoxes& place, const QString& suffix,
                 const AppServices& services, QObject* parent);

  // Whether the page follows a city of the atlas.
  bool Attached() const { return zone_.has_value(); }
  // For the page check: false, after saying why, while the page's local time
  // was skipped by the clocks or its repeat has not been decided.
  bool CheckResolved();
  // The user's own zone or coordinates win over the atlas.
  void Detach();
  // Settles a city typed over the followed one: the atlas city of that name,
  // or a place cleared for the user to enter. False when there was nothing
  // to settle.
  bool Settle();
  // Why the page cannot be judged yet: a cleared place whose coordinates are
  // still to be entered; empty otherwise.
  QString UnknownPlaceProblem() const;
  // For the page check, before the coordinates are checked: false, after
  // saying why, while UnknownPlaceProblem has one.
  bool CheckPlaceKnown();

  QCompleter* completer() const { return completer_; }
  QLabel* zoneInfo() const { return zoneInfo_; }
  QLabel* placeSource() const { return placeSource_; }

 signals:
  // The zone captions and the DST box were written for the page's moment.
  void zoneWritten();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Which local moment the page's clock time stands for.
  enum class Clock { Resolved, Skipped, Undecided };

  void OnCityEdited(const QString& text);
  void StartLookup();
  // Shows the cities found for `query` unless the user has typed on since.
  void OfferMatches(const QString& query, std::uint64_t lookup, std::vector<Place> places);
  void ClearMatches();
  bool HandleListKey(const QKeyEvent& key);
  void Choose(const QModelIndex& index);
  // Clears the state, country, coordinates and zone of the followed city.
  void ClearFollowedPlace();
  std::array<const QLineEdit*, 4> Coordinates() const;
  bool CoordinatesComplete() const;
  bool AnyCoordinate() const;
  void ShowSource();
  void Recompute();
  // Asks which of the two moments of a repeated clock time was meant;
  // true when the user chose one.
  bool AskRepeated(const LocalTimeOffsets& local);
  void Apply(const ZoneOffset& offset);
  void ShowUnresolved(const QString& summary);
  void DetachUnlessWriting();
  QString MomentText() const;

  MomentBoxes moment_;
  PlaceBoxes place_;
  std::shared_ptr<MessageBoxes> messages_;
  CityLookup lookup_;
  QCompleter* completer_ = nullptr;
  QStandardItemModel* matches_ = nullptr;
  QLabel* zoneInfo_ = nullptr;
  QLabel* placeSource_ = nullptr;
  QTimer* lookupTimer_ = nullptr;  // restarted by every keystroke

  QString pendingQuery_;       // the city text the next search is for
  std::uint64_t lookups_ = 0;  // numbers the searches; only the last one counts
  std::vector<Place> offered_;
  std::optional<Place> followed_;  // the atlas city, while attached
  QString followedName_;           // the city text written for it
  std::optional<TimeZoneRules> zone_;
  std::optional<LocalTimeOffsets> lastLocal_;  // of the last recomputation
  Clock clock_ = Clock::Resolved;
  QString clockMessage_;  // why the clock time is not resolved
  bool writing_ = false;  // our own writes to the page do not detach it
  QString clearedCity_;   // the atlas city whose place was cleared, until the page starts over
  QString clearedName_;   // the city text it was cleared for

 public:
  // The tz zone the page follows while attached; nothing otherwise.
  const TimeZoneRules* Zone() const { return zone_ ? &*zone_ : nullptr; }
  // For a moment written into the page at once, with the boxes' signals held:
  // the zone in force then, a repeated clock time taken in the run the
  // search for good times judged (`secondRun`) without asking.
  void FollowWrittenMoment(bool secondRun = false);
  // Fills the page from an atlas city, as choosing it among the offers does.
  void ChoosePlace(const Place& place);
};

}  // namespace horavela::app
