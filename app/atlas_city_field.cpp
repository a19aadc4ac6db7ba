#include "app/atlas_city_field.h"
#include "app/translation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <array>
#include <exception>
#include <iterator>

#include "app/atlas_texts.h"
#include "app/clickable_label.h"
#include "app/filtered_line_edit.h"
#include "app/typed_city.h"
#include "engine/input_check.h"

namespace horavela::app {

namespace {

constexpr std::size_t kOfferedCities = 15;
constexpr int kRowOfPlace = Qt::UserRole;  // index of the offered city behind a completer row

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

QString Offset(const ZoneOffset& offset) {
  QString text = FromStd(FormatUtcOffset(offset.utcOffsetSeconds));
  if (!offset.abbreviation.empty() && offset.abbreviation[0] != '+' &&
      offset.abbreviation[0] != '-') {
    text += QString(" (%1)").arg(FromStd(offset.abbreviation));
  }
  return text;
}

bool SameName(const QString& a, const QString& b) {
  return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Looks the query up; a failing search offers nothing rather than ending the
// program from a worker thread.
std::vector<Place> Search(const CityLookup& lookup, const std::string& query) {
  try {
    return lookup.find(query, kOfferedCities);
  } catch (const std::exception&) {
    return {};
  }
}

void WriteCoordinate(double value, FilteredLineEdit* degrees, FilteredLineEdit* minutes,
                     QButtonGroup* side) {
  const DegreesMinutes dm = ToDegreesMinutes(value);
  degrees->setText(QString::number(dm.degrees));
  minutes->setText(QString::number(dm.minutes));
  side->button(dm.positive ? 0 : 1)->setChecked(true);
}

}  // namespace

AtlasCityField::AtlasCityField(const MomentBoxes& moment, const PlaceBoxes& place,
                               const QString& suffix, const AppServices& services, QObject* parent)
    : QObject(parent),
      moment_(moment),
      place_(place),
      messages_(services.messages),
      lookup_(services.cityLookup) {
  setObjectName("atlas" + suffix);

  // The gazetteer does the matching (any word of the name), so the completer
  // shows its rows as they come, most populous first.
  matches_ = new QStandardItemModel(this);
  completer_ = new QCompleter(matches_, this);
  completer_->setObjectName("cmpAtlas" + suffix);
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(10);
  completer_->setWidget(place_.city);
  connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
          &AtlasCityField::Choose);
  // The keys reach the open list or the field itself, depending on the
  // platform; installed after the completer's own filter, ours sees them first.
  completer_->popup()->installEventFilter(this);
  place_.city->installEventFilter(this);

  // The atlas is searched once typing pauses, away from the user interface.
  lookupTimer_ = new QTimer(this);
  lookupTimer_->setSingleShot(true);
  lookupTimer_->setInterval(lookup_.delayMilliseconds);
  connect(lookupTimer_, &QTimer::timeout, this, &AtlasCityField::StartLookup);
  connect(place_.city, &QLineEdit::textEdited, this, &AtlasCityField::OnCityEdited);

  // Under the Search button: where the coordinates come from. One line is
  // kept for it, so the coordinate fields stay put while the user types.
  placeSource_ = new QLabel;
  placeSource_->setObjectName("lblPlaceSource" + suffix);
  placeSource_->setWordWrap(true);
  placeSource_->setMinimumHeight(placeSource_->fontMetrics().lineSpacing());
  if (auto* grid = qobject_cast<QGridLayout*>(place_.search->parentWidget()->layout())) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(place_.search), &row, &column, &rows, &columns);
    grid->removeWidget(place_.search);
    auto* stack = new QVBoxLayout;
    stack->addWidget(place_.search, 0, Qt::AlignLeft);
    stack->addWidget(placeSource_);
    grid->addLayout(stack, row, column, rows, columns);
  }

  // Beside the captions: the zone followed and the offset in force.
  zoneInfo_ = new QLabel;
  zoneInfo_->setObjectName("lblZoneInfo" + suffix);
  zoneInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  if (auto* row = qobject_cast<QBoxLayout*>(place_.tzHelp->parentWidget()->layout())) {
    row->insertSpacing(row->indexOf(place_.tzHelp) + 1, 12);
    row->insertWidget(row->indexOf(place_.tzHelp) + 2, zoneInfo_);
  }

  for (QComboBox* box : {moment_.month, moment_.day, moment_.year, moment_.hour, moment_.minute}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      // A city taken while settling is computed for the new moment already.
      if (!Settle() && Attached()) Recompute();
    });
  }
  // Coordinates or a DST state entered by the user (or cleared with the page)
  // are the user's choice; the atlas lets go.
  for (QLineEdit* field : {place_.latitudeDegrees, place_.latitudeMinutes, place_.longitudeDegrees,
                           place_.longitudeMinutes}) {
    connect(field, &QLineEdit::textChanged, this, [this] {
      DetachUnlessWriting();
      ShowSource();
    });
  }
  for (QButtonGroup* side : {place_.latitudeSide, place_.longitudeSide}) {
    connect(side, &QButtonGroup::buttonToggled, this, &AtlasCityField::DetachUnlessWriting);
  }
  connect(place_.dst, &QCheckBox::toggled, this, &AtlasCityField::DetachUnlessWriting);
}

bool AtlasCityField::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the field settles the city; the list opening does not leave it.
  if (watched == place_.city && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    Settle();
  }
  QAbstractItemView* popup = completer_->popup();
  if ((watched == popup || watched == place_.city) && event->type() == QEvent::KeyPress &&
      popup->isVisible() && HandleListKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QObject::eventFilter(watched, event);
}

bool AtlasCityField::HandleListKey(const QKeyEvent& key) {
  // Handled here whichever widget the keys reach: where the field gets them,
  // nothing else would move the list, and its character filter refuses Enter.
  QAbstractItemView* popup = completer_->popup();
  const int rows = popup->model()->rowCount();
  const int marked = popup->currentIndex().isValid() ? popup->currentIndex().row() : -1;
  const auto mark = [popup](int row) {
    popup->setCurrentIndex(row < 0 ? QModelIndex() : popup->model()->index(row, 0));
  };
  switch (key.key()) {
    case Qt::Key_Down:
      mark(std::min(marked + 1, rows - 1));
      return true;
    case Qt::Key_Up:
      // Above the first offer is the text as typed.
      mark(std::max(marked - 1, -1));
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      popup->hide();
      if (marked >= 0) Choose(popup->model()->index(marked, 0));
      return true;
    case Qt::Key_Escape:
      popup->hide();
      return true;
    default:
      return false;
  }
}

void AtlasCityField::OnCityEdited(const QString& text) {
  // Whatever was asked before is no longer wanted.
  ++lookups_;
  pendingQuery_ = text.trimmed();
  if (pendingQuery_.size() < 2) {
    lookupTimer_->stop();
    ClearMatches();
    return;
  }
  lookupTimer_->start();
}

void AtlasCityField::StartLookup() {
  const std::uint64_t lookup = ++lookups_;
  const QString query = pendingQuery_;
  QThreadPool::globalInstance()->start(
      [self = QPointer<AtlasCityField>(this), lookupCopy = lookup_, query, lookup] {
        std::vector<Place> places = Search(lookupCopy, query.toStdString());
        // Back on the user interface's thread; the field may be gone by then.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, query, lookup, places = std::move(places)]() mutable {
              if (self) self->OfferMatches(query, lookup, std::move(places));
            },
            Qt::QueuedConnection);
      });
}

void AtlasCityField::OfferMatches(const QString& query, std::uint64_t lookup,
                                  std::vector<Place> places) {
  if (lookup != lookups_ || place_.city->text().trimmed() != query) return;
  offered_ = std::move(places);
  matches_->clear();
  for (std::size_t i = 0; i < offered_.size(); ++i) {
    auto* item = new QStandardItem(FromStd(PlaceLabel(offered_[i])));
    item->setData(static_cast<int>(i), kRowOfPlace);
    item->setToolTip(FromStd(offered_[i].timeZone));
    matches_->appendRow(item);
  }
  // A list opening over a field the user has left would take their keys.
  if (offered_.empty() || !place_.city->hasFocus()) {
    completer_->popup()->hide();
    return;
  }
  completer_->setCompletionPrefix(query);
  // As wide as the longest label, and never narrower than the field.
  QAbstractItemView* popup = completer_->popup();
  const int width =
      std::max(place_.city->width(), popup->sizeHintForColumn(0) +
                                         popup->verticalScrollBar()->sizeHint().width() +
                                         2 * popup->frameWidth());
  completer_->complete(QRect(0, 0, width, place_.city->height()));
  // The first offer is marked: Enter takes it, the arrow keys move on.
  popup->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void AtlasCityField::ClearMatches() {
  offered_.clear();
  matches_->clear();
  completer_->popup()->hide();
}

void AtlasCityField::Choose(const QModelIndex& index) {
  const int row = index.data(kRowOfPlace).toInt();
  if (row < 0 || row >= static_cast<int>(offered_.size())) return;
  ChoosePlace(offered_[static_cast<std::size_t>(row)]);
}

void AtlasCityField::ChoosePlace(const Place& place) {
  // A search still running was for the text before the choice.
  ++lookups_;
  lookupTimer_->stop();
  clearedCity_.clear();
  clearedName_.clear();
  writing_ = true;
  place_.city->setText(ForPlaceField(FromStd(place.name)));
  place_.state->setText(ForPlaceField(FromStd(place.state)));
  place_.country->setText(ForPlaceField(FromStd(place.country)));
  WriteCoordinate(place.latitude, place_.latitudeDegrees, place_.latitudeMinutes,
                  place_.latitudeSide);
  WriteCoordinate(place.longitude, place_.longitudeDegrees, place_.longitudeMinutes,
                  place_.longitudeSide);
  writing_ = false;

  Result<TimeZoneRules> rules = TimeZoneRules::Load(place.timeZone);
  if (!rules) {
    Detach();
    messages_->Show(
        MessageIcon::Error,
        QString(Tr(texts::kZoneUnknown)).arg(FromStd(place.timeZone), FromStd(place.name)));
    return;
  }
  zone_ = std::move(*rules);
  followed_ = place;
  followedName_ = place_.city->text();
  ShowSource();
  Recompute();
}

void AtlasCityField::Recompute() {
  const int month = moment_.month->currentIndex() + 1;
  const int day = moment_.day->currentText().toInt();
  const int year = moment_.year->currentText().toInt();
  const QString zoneName = FromStd(zone_->name());
  lastLocal_.reset();
  clock_ = Clock::Resolved;
  if (month < 1 || !IsValidDate(year, month, day)) {
    // Nothing to look up yet; the page check names a missing or impossible date.
    zoneInfo_->setText(QString(Tr(texts::kZoneInfoNoDate)).arg(zoneName));
    return;
  }
  const LocalTimeOffsets local = zone_->AtLocal(
      year, month, day, moment_.hour->currentText().toInt(), moment_.minute->currentText().toInt());
  lastLocal_ = local;
  switch (local.kind) {
    case LocalTimeKind::Unique:
      Apply(local.offset);
      break;
    case LocalTimeKind::Skipped:
      clock_ = Clock::Skipped;
      clockMessage_ = QString(Tr(texts::kSkippedTime))
                          .arg(MomentText(), zoneName, Offset(local.offset), Offset(local.other));
      ShowUnresolved(QString(Tr(texts::kZoneInfoSkipped)).arg(zoneName, MomentText()));
      messages_->Show(MessageIcon::Error, clockMessage_);
      break;
    case LocalTimeKind::Repeated:
      if (!AskRepeated(local)) {
        clock_ = Clock::Undecided;
        clockMessage_ = QString(Tr(texts::kRepeatedUndecided)).arg(MomentText(), zoneName);
        ShowUnresolved(QString(Tr(texts::kZoneInfoRepeated)).arg(zoneName, MomentText()));
      }
      break;
  }
}

bool AtlasCityField::AskRepeated(const LocalTimeOffsets& local) {
  const QString zoneName = FromStd(zone_->name());
  const QString text = QString(Tr(texts::kRepeatedTime))
                           .arg(MomentText(), zoneName, Offset(local.offset), Offset(local.other));
  const QString clock = MomentText().section(' ', 0, 0);
  if (messages_->Ask(MessageIcon::Information, text,
                     QString(Tr(texts::kAskFirst)).arg(Offset(local.offset)))) {
    Apply(local.offset);
    zoneInfo_->setText(
        QString(Tr(texts::kZoneInfoFirst))
            .arg(zoneName, FromStd(FormatUtcOffset(local.offset.utcOffsetSeconds)), clock));
    return true;
  }
  if (messages_->Ask(MessageIcon::Information, text,
                     QString(Tr(texts::kAskSecond)).arg(Offset(local.other)))) {
    Apply(local.other);
    zoneInfo_->setText(
        QString(Tr(texts::kZoneInfoSecond))
            .arg(zoneName, FromStd(FormatUtcOffset(local.other.utcOffsetSeconds)), clock));
    return true;
  }
  return false;
}

void AtlasCityField::Apply(const ZoneOffset& offset) {
  // Signed, west of Greenwich positive, exactly as the zone picker writes
  // them; an offset that is not standard time plus one hour is written whole
  // with DST cleared, so the universal time comes out right.
  const horavela::ZoneCaptions captions = CaptionsForOffset(offset);
  writing_ = true;
  place_.zoneHour->setText(QString::number(captions.hours));
  place_.zoneMinute->setText(QString::number(captions.minutes));
  place_.dst->setChecked(captions.dst);
  writing_ = false;
  emit zoneWritten();
  clock_ = Clock::Resolved;
  zoneInfo_->setStyleSheet({});
  zoneInfo_->setText(
      QString(Tr(texts::kZoneInfo))
          .arg(FromStd(zone_->name()), FromStd(FormatUtcOffset(offset.utcOffsetSeconds))));
}

void AtlasCityField::ShowUnresolved(const QString& summary) {
  zoneInfo_->setStyleSheet("color: #a00000;");
  zoneInfo_->setText(summary);
}

bool AtlasCityField::CheckResolved() {
  Settle();
  if (!Attached()) return true;
  switch (clock_) {
    case Clock::Resolved:
      return true;
    case Clock::Skipped:
      messages_->Show(MessageIcon::Error, clockMessage_);
      break;
    case Clock::Undecided:
      // Offer the choice again; refuse only when still undecided.
      if (lastLocal_ && AskRepeated(*lastLocal_)) return true;
      messages_->Show(MessageIcon::Error, clockMessage_);
      break;
  }
  moment_.hour->setFocus(Qt::OtherFocusReason);
  return false;
}

void AtlasCityField::Detach() {
  zone_.reset();
  followed_.reset();
  followedName_.clear();
  lastLocal_.reset();
  clock_ = Clock::Resolved;
  clockMessage_.clear();
  clearedCity_.clear();
  clearedName_.clear();
  zoneInfo_->setStyleSheet({});
  zoneInfo_->clear();
  ShowSource();
}

void AtlasCityField::DetachUnlessWriting() {
  if (!writing_ && Attached()) Detach();
}

bool AtlasCityField::Settle() {
  // The state and the country may be corrected by hand; the city names the
  // place. Once its place was cleared, another name is looked up as well
  // until the user enters coordinates of their own.
  const QString& settled = Attached() ? followedName_ : clearedName_;
  const bool waiting = Attached() || (!clearedCity_.isEmpty() && !AnyCoordinate());
  if (!waiting || SameName(place_.city->text(), settled)) return false;
  // Offers still coming were for the text on the way to this one.
  ++lookups_;
  lookupTimer_->stop();
  ClearMatches();
  if (const std::optional<Place> city = CityNamedBy(place_.city->text(), lookup_)) {
    ChoosePlace(*city);
    return true;
  }
  // What the user typed since the place was cleared is theirs.
  if (Attached()) ClearFollowedPlace();
  clearedName_ = place_.city->text();
  return true;
}

void AtlasCityField::ClearFollowedPlace() {
  const QString previous = FromStd(PlaceLabel(*followed_));
  Detach();
  writing_ = true;
  for (QLineEdit* field :
       {place_.state, place_.country, place_.latitudeDegrees, place_.latitudeMinutes,
        place_.longitudeDegrees, place_.longitudeMinutes}) {
    field->clear();
  }
  place_.latitudeSide->button(0)->setChecked(true);
  place_.longitudeSide->button(0)->setChecked(true);
  place_.zoneHour->setText("0");
  place_.zoneMinute->setText("0");
  place_.dst->setChecked(false);
  writing_ = false;
  emit zoneWritten();
  clearedCity_ = previous;
  ShowSource();
}

std::array<const QLineEdit*, 4> AtlasCityField::Coordinates() const {
  return {place_.latitudeDegrees, place_.latitudeMinutes, place_.longitudeDegrees,
          place_.longitudeMinutes};
}

bool AtlasCityField::CoordinatesComplete() const {
  const auto fields = Coordinates();
  return std::none_of(fields.begin(), fields.end(),
                      [](const QLineEdit* field) { return field->text().trimmed().isEmpty(); });
}

bool AtlasCityField::AnyCoordinate() const {
  const auto fields = Coordinates();
  return std::any_of(fields.begin(), fields.end(),
                     [](const QLineEdit* field) { return !field->text().isEmpty(); });
}

QString AtlasCityField::UnknownPlaceProblem() const {
  if (clearedCity_.isEmpty() || CoordinatesComplete()) return {};
  return QString(Tr(texts::kPlaceUnknown)).arg(place_.city->text().simplified(), clearedCity_);
}

bool AtlasCityField::CheckPlaceKnown() {
  Settle();
  const QString problem = UnknownPlaceProblem();
  if (problem.isEmpty()) return true;
  messages_->Show(MessageIcon::Error, problem);
  place_.latitudeDegrees->setFocus(Qt::OtherFocusReason);
  return false;
}

void AtlasCityField::ShowSource() {
  if (followed_ && Attached()) {
    placeSource_->setText(QString(Tr(texts::kFromAtlas)).arg(FromStd(PlaceLabel(*followed_))));
    return;
  }
  const bool typed = AnyCoordinate();
  if (!clearedCity_.isEmpty() && !typed) {
    placeSource_->setText(Tr(texts::kPlaceToEnter));
    return;
  }
  placeSource_->setText(typed ? QString(Tr(texts::kTypedByHand)) : QString());
}

QString AtlasCityField::MomentText() const {
  return QString("%1:%2 on %3 %4 %5")
      .arg(moment_.hour->currentText().toInt(), 2, 10, QChar('0'))
      .arg(moment_.minute->currentText().toInt(), 2, 10, QChar('0'))
      .arg(moment_.month->currentText(), moment_.day->currentText(), moment_.year->currentText());
}

void AtlasCityField::FollowWrittenMoment(bool secondRun) {
  if (!Attached()) return;
  const int month = moment_.month->currentIndex() + 1;
  const int day = moment_.day->currentText().toInt();
  const int year = moment_.year->currentText().toInt();
  if (month < 1 || !IsValidDate(year, month, day)) return Recompute();
  const LocalTimeOffsets local = zone_->AtLocal(
      year, month, day, moment_.hour->currentText().toInt(), moment_.minute->currentText().toInt());
  if (local.kind != LocalTimeKind::Repeated) return Recompute();
  lastLocal_ = local;
  const ZoneOffset& run = secondRun ? local.other : local.offset;
  Apply(run);
  zoneInfo_->setText(QString(secondRun ? Tr(texts::kZoneInfoSecond) : Tr(texts::kZoneInfoFirst))
                         .arg(FromStd(zone_->name()),
                              FromStd(FormatUtcOffset(run.utcOffsetSeconds)),
                              MomentText().section(' ', 0, 0)));
}

}  // namespace horavela::app
