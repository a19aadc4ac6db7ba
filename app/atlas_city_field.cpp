#include "app/atlas_city_field.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>
#include <iterator>

#include "app/atlas_texts.h"
#include "app/clickable_label.h"
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

// The place fields take letters and blanks only, so a gazetteer name is
// written in those: accents dropped ("Sao Paulo"), a few letters spelled out,
// hyphens and apostrophes as blanks ("Aix en Provence").
QString PlainLetters(const QString& name) {
  static const std::pair<char16_t, const char*> kSpelled[] = {
      {u'ß', "ss"}, {u'æ', "ae"}, {u'Æ', "AE"}, {u'ø', "o"}, {u'Ø', "O"}, {u'œ', "oe"},
      {u'Œ', "OE"}, {u'ł', "l"},  {u'Ł', "L"},  {u'đ', "d"}, {u'Đ', "D"}, {u'ı', "i"}};
  QString plain;
  for (QChar c : name.normalized(QString::NormalizationForm_D)) {
    if (c.category() == QChar::Mark_NonSpacing) continue;
    const char16_t code = c.unicode();
    if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z')) {
      plain += c;
      continue;
    }
    const auto* spelled = std::find_if(std::begin(kSpelled), std::end(kSpelled),
                                       [code](const auto& entry) { return entry.first == code; });
    plain += spelled != std::end(kSpelled) ? QString(spelled->second) : QString(' ');
  }
  return plain.simplified();
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
                               const QString& suffix, std::shared_ptr<MessageBoxes> messages,
                               QObject* parent)
    : QObject(parent), moment_(moment), place_(place), messages_(std::move(messages)) {
  setObjectName("atlas" + suffix);

  // The gazetteer does the matching (any word of the name), so the completer
  // shows its rows as they come, most populous first.
  matches_ = new QStandardItemModel(this);
  completer_ = new QCompleter(matches_, this);
  completer_->setObjectName("cmpAtlas" + suffix);
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(10);
  completer_->setWidget(place_.city);
  connect(place_.city, &QLineEdit::textEdited, this, &AtlasCityField::OfferMatches);
  connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
          &AtlasCityField::Choose);
  // Enter reaches the popup (keyboard grabbed) or the field itself (no grab);
  // installed after the completer's own filter, ours sees the keys first.
  completer_->popup()->installEventFilter(this);
  place_.city->installEventFilter(this);

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
      if (Attached()) Recompute();
    });
  }
  // Coordinates or a DST state entered by the user (or cleared with the page)
  // are the user's choice; the atlas lets go.
  for (QLineEdit* field : {place_.latitudeDegrees, place_.latitudeMinutes, place_.longitudeDegrees,
                           place_.longitudeMinutes}) {
    connect(field, &QLineEdit::textChanged, this, &AtlasCityField::DetachUnlessWriting);
  }
  for (QButtonGroup* side : {place_.latitudeSide, place_.longitudeSide}) {
    connect(side, &QButtonGroup::buttonToggled, this, &AtlasCityField::DetachUnlessWriting);
  }
  connect(place_.dst, &QCheckBox::toggled, this, &AtlasCityField::DetachUnlessWriting);
}

bool AtlasCityField::eventFilter(QObject* watched, QEvent* event) {
  // The completer hands Enter to the city field first, whose filter refuses
  // it as a character; a city marked in the list is chosen here instead.
  QAbstractItemView* popup = completer_->popup();
  if ((watched == popup || watched == place_.city) && event->type() == QEvent::KeyPress &&
      popup->isVisible()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const QModelIndex current = popup->currentIndex();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && current.isValid()) {
      popup->hide();
      Choose(current);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void AtlasCityField::OfferMatches(const QString& text) {
  const QString query = text.trimmed();
  offered_ =
      query.size() < 2 ? std::vector<Place>{} : FindPlaces(query.toStdString(), kOfferedCities);
  matches_->clear();
  for (std::size_t i = 0; i < offered_.size(); ++i) {
    auto* item = new QStandardItem(FromStd(PlaceLabel(offered_[i])));
    item->setData(static_cast<int>(i), kRowOfPlace);
    item->setToolTip(FromStd(offered_[i].timeZone));
    matches_->appendRow(item);
  }
  if (offered_.empty()) {
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

void AtlasCityField::Choose(const QModelIndex& index) {
  const int row = index.data(kRowOfPlace).toInt();
  if (row < 0 || row >= static_cast<int>(offered_.size())) return;
  const Place place = offered_[static_cast<std::size_t>(row)];
  writing_ = true;
  place_.city->setText(PlainLetters(FromStd(place.name)));
  place_.state->setText(PlainLetters(FromStd(place.state)));
  place_.country->setText(PlainLetters(FromStd(place.country)));
  WriteCoordinate(place.latitude, place_.latitudeDegrees, place_.latitudeMinutes,
                  place_.latitudeSide);
  WriteCoordinate(place.longitude, place_.longitudeDegrees, place_.longitudeMinutes,
                  place_.longitudeSide);
  writing_ = false;

  std::string error;
  std::optional<TimeZoneRules> rules = TimeZoneRules::Load(place.timeZone, &error);
  if (!rules) {
    Detach();
    messages_->Show(MessageIcon::Error,
                    QString(texts::kZoneUnknown).arg(FromStd(place.timeZone), FromStd(place.name)));
    return;
  }
  zone_ = std::move(rules);
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
    zoneInfo_->setText(QString(texts::kZoneInfoNoDate).arg(zoneName));
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
      clockMessage_ = QString(texts::kSkippedTime)
                          .arg(MomentText(), zoneName, Offset(local.offset), Offset(local.other));
      ShowUnresolved(QString(texts::kZoneInfoSkipped).arg(zoneName, MomentText()));
      messages_->Show(MessageIcon::Error, clockMessage_);
      break;
    case LocalTimeKind::Repeated:
      if (!AskRepeated(local)) {
        clock_ = Clock::Undecided;
        clockMessage_ = QString(texts::kRepeatedUndecided).arg(MomentText(), zoneName);
        ShowUnresolved(QString(texts::kZoneInfoRepeated).arg(zoneName, MomentText()));
      }
      break;
  }
}

bool AtlasCityField::AskRepeated(const LocalTimeOffsets& local) {
  const QString zoneName = FromStd(zone_->name());
  const QString text = QString(texts::kRepeatedTime)
                           .arg(MomentText(), zoneName, Offset(local.offset), Offset(local.other));
  const QString clock = MomentText().section(' ', 0, 0);
  if (messages_->Ask(MessageIcon::Information, text,
                     QString(texts::kAskFirst).arg(Offset(local.offset)))) {
    Apply(local.offset);
    zoneInfo_->setText(
        QString(texts::kZoneInfoFirst)
            .arg(zoneName, FromStd(FormatUtcOffset(local.offset.utcOffsetSeconds)), clock));
    return true;
  }
  if (messages_->Ask(MessageIcon::Information, text,
                     QString(texts::kAskSecond).arg(Offset(local.other)))) {
    Apply(local.other);
    zoneInfo_->setText(
        QString(texts::kZoneInfoSecond)
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
  clock_ = Clock::Resolved;
  zoneInfo_->setStyleSheet({});
  zoneInfo_->setText(
      QString(texts::kZoneInfo)
          .arg(FromStd(zone_->name()), FromStd(FormatUtcOffset(offset.utcOffsetSeconds))));
}

void AtlasCityField::ShowUnresolved(const QString& summary) {
  zoneInfo_->setStyleSheet("color: #a00000;");
  zoneInfo_->setText(summary);
}

bool AtlasCityField::CheckResolved() {
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
  lastLocal_.reset();
  clock_ = Clock::Resolved;
  clockMessage_.clear();
  zoneInfo_->setStyleSheet({});
  zoneInfo_->clear();
}

void AtlasCityField::DetachUnlessWriting() {
  if (!writing_ && Attached()) Detach();
}

QString AtlasCityField::MomentText() const {
  return QString("%1:%2 on %3 %4 %5")
      .arg(moment_.hour->currentText().toInt(), 2, 10, QChar('0'))
      .arg(moment_.minute->currentText().toInt(), 2, 10, QChar('0'))
      .arg(moment_.month->currentText(), moment_.day->currentText(), moment_.year->currentText());
}

void AtlasCityField::FollowWrittenMoment() {
  if (!Attached()) return;
  const int month = moment_.month->currentIndex() + 1;
  const int day = moment_.day->currentText().toInt();
  const int year = moment_.year->currentText().toInt();
  if (month < 1 || !IsValidDate(year, month, day)) return Recompute();
  const LocalTimeOffsets local = zone_->AtLocal(
      year, month, day, moment_.hour->currentText().toInt(), moment_.minute->currentText().toInt());
  if (local.kind != LocalTimeKind::Repeated) return Recompute();
  lastLocal_ = local;
  Apply(local.offset);
  zoneInfo_->setText(QString(texts::kZoneInfoFirst)
                         .arg(FromStd(zone_->name()),
                              FromStd(FormatUtcOffset(local.offset.utcOffsetSeconds)),
                              MomentText().section(' ', 0, 0)));
}

}  // namespace horavela::app
