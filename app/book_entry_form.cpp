#include "app/book_entry_form.h"
#include "app/translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <iterator>

#include "app/app_texts.h"
#include "app/atlas_texts.h"
#include "app/book_entries.h"
#include "app/book_texts.h"
#include "app/filtered_line_edit.h"
#include "app/page_checks.h"
#include "app/typed_city.h"
#include "calendar/civil_calendar.h"
#include "engine/text_limits.h"

namespace horavela::app {

namespace {

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

QSpinBox* NewSpin(const QString& name, int low, int high, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, high);
  return spin;
}

QComboBox* NewChoice(const QString& name, const QStringList& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(items);
  return box;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

std::int16_t Short(int value) {
  return static_cast<std::int16_t>(value);
}

std::int16_t Number(const QLineEdit* field) {
  return Short(field->text().trimmed().toInt());
}

}  // namespace

BookEntryForm::BookEntryForm(bool isPerson, std::shared_ptr<MessageBoxes> messages,
                             CityLookup lookup, QWidget* parent)
    : QDialog(parent),
      isPerson_(isPerson),
      messages_(std::move(messages)),
      lookup_(std::move(lookup)) {
  setObjectName("dlgBookEntry");
  setWindowTitle(isPerson ? Tr(texts::kEditPersonTitle) : Tr(texts::kEditPlaceTitle));
  auto* form = new QFormLayout;
  if (isPerson) AddPersonRows(form);
  AddPlaceRows(form);
  if (isPerson) {
    note_ = new QLineEdit(this);
    note_->setObjectName("frmNote");
    note_->setMaxLength(static_cast<int>(text_limits::kNote));
    form->addRow(Tr(texts::kNote), note_);
  }
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Tr(texts::kOk), QDialogButtonBox::AcceptRole)->setObjectName("cmdFormOk");
  buttons->addButton(Tr(texts::kCancel), QDialogButtonBox::RejectRole)
      ->setObjectName("cmdFormCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &BookEntryForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &BookEntryForm::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

BookEntryForm::BookEntryForm(const book::Person& person, std::shared_ptr<MessageBoxes> messages,
                             CityLookup lookup, QWidget* parent)
    : BookEntryForm(true, std::move(messages), std::move(lookup), parent) {
  person_ = person;
  const MomentEntry& b = person.birth;
  name_->setText(FromStd(person.name));
  sex_->setCurrentIndex(person.sex == texts::kFemale ? 1 : 0);
  month_->setCurrentIndex(b.month - 1);
  day_->setValue(b.day);
  year_->setValue(b.year);
  hour_->setValue(b.hour);
  minute_->setValue(b.minute);
  second_->setValue(b.second);
  note_->setText(FromStd(person.note));
  ShowPlace(b.place, person.tz);
}

BookEntryForm::BookEntryForm(const book::Place& place, std::shared_ptr<MessageBoxes> messages,
                             CityLookup lookup, QWidget* parent)
    : BookEntryForm(false, std::move(messages), std::move(lookup), parent) {
  place_ = place;
  ShowPlace(place.place, place.tz);
}

void BookEntryForm::AddPersonRows(QFormLayout* form) {
  name_ = new QLineEdit(this);
  name_->setObjectName("frmName");
  name_->setMaxLength(static_cast<int>(text_limits::kName));
  form->addRow(Tr(texts::kName), name_);
  sex_ = NewChoice("frmSex", {Tr(texts::kMale), Tr(texts::kFemale)}, this);
  form->addRow(Tr(texts::kSex), sex_);
  QStringList months;
  for (std::string_view month : kMonthNames) months << FromStd(std::string(month));
  month_ = NewChoice("frmMonth", months, this);
  day_ = NewSpin("frmDay", 1, 31, this);
  year_ = NewSpin("frmYear", 1901, 2050, this);
  form->addRow(Tr(texts::kBirthDate), Row({month_, day_, year_}));
  hour_ = NewSpin("frmHour", 0, 23, this);
  minute_ = NewSpin("frmMinute", 0, 59, this);
  second_ = NewSpin("frmSecond", 0, 59, this);
  form->addRow(Tr(texts::kBirthTime), Row({hour_, minute_, second_}));
}

FilteredLineEdit* BookEntryForm::NewField(CharacterRule rule, const QString& name) {
  auto* field = new FilteredLineEdit(rule, this);
  field->setObjectName(name);
  connect(field, &FilteredLineEdit::refused, this,
          [this, field](const QString& message) { messages_->Notify(field, message); });
  return field;
}

void BookEntryForm::AddPlaceRows(QFormLayout* form) {
  const CharacterRule letters = CharacterRule::Letters;
  const CharacterRule digits = CharacterRule::Digits;
  city_ = NewField(letters, "frmCity");
  state_ = NewField(letters, "frmState");
  country_ = NewField(letters, "frmCountry");
  for (QLineEdit* field : {city_, state_, country_})
    field->setMaxLength(static_cast<int>(text_limits::kPlace));
  form->addRow(Tr(texts::kCity), city_);
  form->addRow(Tr(texts::kState), state_);
  form->addRow(Tr(texts::kCountry), country_);
  latitudeDegrees_ = NewField(digits, "frmLatDeg");
  latitudeMinutes_ = NewField(digits, "frmLatMin");
  latitudeSide_ = NewChoice("frmLatSide", {Tr(texts::kNorth), Tr(texts::kSouth)}, this);
  longitudeDegrees_ = NewField(digits, "frmLongDeg");
  longitudeMinutes_ = NewField(digits, "frmLongMin");
  longitudeSide_ = NewChoice("frmLongSide", {Tr(texts::kEast), Tr(texts::kWest)}, this);
  for (QLineEdit* field :
       {latitudeDegrees_, latitudeMinutes_, longitudeDegrees_, longitudeMinutes_}) {
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance("00000") + 16);
  }
  latitudeDegrees_->setPlaceholderText(Tr(texts::kDegrees));
  latitudeMinutes_->setPlaceholderText(Tr(texts::kMinutes));
  longitudeDegrees_->setPlaceholderText(Tr(texts::kDegrees));
  longitudeMinutes_->setPlaceholderText(Tr(texts::kMinutes));
  form->addRow(Tr(texts::kLatitude), Row({latitudeDegrees_, latitudeMinutes_, latitudeSide_}));
  form->addRow(Tr(texts::kLongitude), Row({longitudeDegrees_, longitudeMinutes_, longitudeSide_}));
  coordinates_ = {latitudeDegrees_, latitudeMinutes_, longitudeDegrees_, longitudeMinutes_};
  placeSource_ = new QLabel(this);
  placeSource_->setObjectName("frmPlaceSource");
  placeSource_->setWordWrap(true);
  form->addRow(QString(), placeSource_);
  city_->installEventFilter(this);
  // The captions as the zone picker writes them: signed, west of Greenwich positive.
  zoneHours_ = NewSpin("frmZoneHour", -14, 14, this);
  zoneMinutes_ = NewSpin("frmZoneMinute", -59, 59, this);
  dst_ = new QCheckBox(Tr(texts::kDst), this);
  dst_->setObjectName("frmDST");
  form->addRow(Tr(texts::kZone), Row({zoneHours_, zoneMinutes_, dst_}));
  followsTz_ = new QCheckBox(this);
  followsTz_->setObjectName("frmFollowsTz");
  form->addRow(QString(), followsTz_);
  // A zone set by hand wins over the atlas, as on the pages.
  const auto byHand = [this] { followsTz_->setChecked(false); };
  connect(zoneHours_, &QSpinBox::valueChanged, this, byHand);
  connect(zoneMinutes_, &QSpinBox::valueChanged, this, byHand);
  connect(dst_, &QCheckBox::toggled, this, byHand);
}

void BookEntryForm::ShowPlace(const PlaceEntry& place, const std::string& tz) {
  city_->setText(FromStd(place.city));
  state_->setText(FromStd(place.state));
  country_->setText(FromStd(place.country));
  latitudeDegrees_->setText(QString::number(place.latitudeDegrees));
  latitudeMinutes_->setText(QString::number(place.latitudeMinutes));
  latitudeSide_->setCurrentIndex(place.north ? 0 : 1);
  longitudeDegrees_->setText(QString::number(place.longitudeDegrees));
  longitudeMinutes_->setText(QString::number(place.longitudeMinutes));
  longitudeSide_->setCurrentIndex(place.east ? 0 : 1);
  zoneHours_->setValue(place.zoneHours);
  zoneMinutes_->setValue(place.zoneMinutes);
  dst_->setChecked(place.dst);
  tz_ = tz;
  followsTz_->setText(QString(Tr(texts::kFollowsAtlasZone)).arg(FromStd(tz)));
  followsTz_->setChecked(!tz.empty());
  followsTz_->setVisible(!tz.empty());
  cityOfPlace_ = city_->text();
}

bool BookEntryForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == city_ && event->type() == QEvent::FocusOut) SettleCity();
  return QDialog::eventFilter(watched, event);
}

void BookEntryForm::SettleCity() {
  // Once the place was cleared, another name is looked up as well until the
  // user enters coordinates of their own.
  const bool typed =
      std::any_of(std::begin(coordinates_), std::end(coordinates_),
                  [](const QLineEdit* field) { return !field->text().trimmed().isEmpty(); });
  const bool waiting = clearedCity_.isEmpty() || !typed;
  if (!waiting || ComparableName(city_->text()) == ComparableName(cityOfPlace_)) return;
  if (const std::optional<Place> city = CityNamedBy(city_->text(), lookup_)) {
    TakeCity(*city);
    return;
  }
  // What the user typed since the place was cleared is theirs.
  if (clearedCity_.isEmpty()) ClearPlace();
  cityOfPlace_ = city_->text();
}

void BookEntryForm::TakeCity(const Place& city) {
  const Result<TimeZoneRules> zone = TimeZoneRules::Load(city.timeZone);
  const DegreesMinutes latitude = ToDegreesMinutes(city.latitude);
  const DegreesMinutes longitude = ToDegreesMinutes(city.longitude);
  PlaceEntry place = ReadPlace();
  place.city = ForPlaceField(FromStd(city.name)).toStdString();
  place.state = ForPlaceField(FromStd(city.state)).toStdString();
  place.country = ForPlaceField(FromStd(city.country)).toStdString();
  place.latitudeDegrees = Short(latitude.degrees);
  place.latitudeMinutes = Short(latitude.minutes);
  place.north = latitude.positive;
  place.longitudeDegrees = Short(longitude.degrees);
  place.longitudeMinutes = Short(longitude.minutes);
  place.east = longitude.positive;
  // Without its zone in this system's database, the old city's zone goes too.
  const ZoneCaptions captions = zone ? CaptionsForOffset(OffsetOfCity(*zone)) : ZoneCaptions{};
  place.zoneHours = captions.hours;
  place.zoneMinutes = captions.minutes;
  place.dst = captions.dst;
  ShowPlace(place, zone ? city.timeZone : std::string());
  clearedCity_.clear();
  placeSource_->clear();
}

ZoneOffset BookEntryForm::OffsetOfCity(const TimeZoneRules& zone) const {
  // A person's at the birth (the first of a repeated clock time); a place's
  // standard time, which the pages replace by the offset of their own moment.
  if (isPerson_) {
    return zone
        .AtLocal(year_->value(), month_->currentIndex() + 1, day_->value(), hour_->value(),
                 minute_->value())
        .offset;
  }
  const ZoneOffset january = zone.AtUtc(CivilToSeconds(2020, 1, 15, 12, 0));
  return january.dst ? zone.AtUtc(CivilToSeconds(2020, 7, 15, 12, 0)) : january;
}

void BookEntryForm::ClearPlace() {
  PlaceEntry cleared = ReadPlace();
  cleared.city = cityOfPlace_.trimmed().toStdString();
  clearedCity_ = PlaceLabelText(cleared);
  state_->clear();
  country_->clear();
  for (QLineEdit* field : coordinates_) field->clear();
  latitudeSide_->setCurrentIndex(0);
  longitudeSide_->setCurrentIndex(0);
  zoneHours_->setValue(0);
  zoneMinutes_->setValue(0);
  dst_->setChecked(false);
  tz_.clear();
  followsTz_->setChecked(false);
  followsTz_->setVisible(false);
  placeSource_->setText(Tr(texts::kFormPlaceToEnter));
}

PlaceEntry BookEntryForm::ReadPlace() const {
  PlaceEntry place;
  place.city = city_->text().trimmed().toStdString();
  place.state = state_->text().trimmed().toStdString();
  place.country = country_->text().trimmed().toStdString();
  place.latitudeDegrees = Number(latitudeDegrees_);
  place.latitudeMinutes = Number(latitudeMinutes_);
  place.north = latitudeSide_->currentIndex() == 0;
  place.longitudeDegrees = Number(longitudeDegrees_);
  place.longitudeMinutes = Number(longitudeMinutes_);
  place.east = longitudeSide_->currentIndex() == 0;
  place.zoneHours = Short(zoneHours_->value());
  place.zoneMinutes = Short(zoneMinutes_->value());
  place.dst = dst_->isChecked();
  return place;
}

std::string BookEntryForm::ReadTz() const {
  return followsTz_->isChecked() ? tz_ : std::string();
}

book::Person BookEntryForm::person() const {
  book::Person person = person_;
  person.name = name_->text().trimmed().toStdString();
  person.sex = sex_->currentText().toStdString();
  person.birth.year = Short(year_->value());
  person.birth.month = Short(month_->currentIndex() + 1);
  person.birth.day = Short(day_->value());
  person.birth.hour = Short(hour_->value());
  person.birth.minute = Short(minute_->value());
  person.birth.second = Short(second_->value());
  person.birth.place = ReadPlace();
  person.tz = ReadTz();
  person.note = note_->text().trimmed().toStdString();
  return person;
}

book::Place BookEntryForm::place() const {
  book::Place place = place_;
  place.place = ReadPlace();
  place.tz = ReadTz();
  return place;
}

bool BookEntryForm::Refuse(QWidget* field, const QString& message) {
  messages_->Show(MessageIcon::Error, message);
  field->setFocus(Qt::OtherFocusReason);
  return false;
}

bool BookEntryForm::Check() {
  if (isPerson_ && name_->text().trimmed().isEmpty()) {
    return Refuse(name_, Tr(texts::kEnterPersonName));
  }
  if (!isPerson_ && city_->text().trimmed().isEmpty()) {
    return Refuse(city_, Tr(texts::kEnterPlaceCity));
  }
  SettleCity();
  const bool complete =
      std::none_of(std::begin(coordinates_), std::end(coordinates_),
                   [](const QLineEdit* field) { return field->text().trimmed().isEmpty(); });
  if (!clearedCity_.isEmpty() && !complete) {
    return Refuse(
        latitudeDegrees_,
        QString(Tr(texts::kFormPlaceUnknown)).arg(city_->text().simplified(), clearedCity_));
  }
  const std::pair<QLineEdit*, QString> required[] = {
      {latitudeDegrees_, Tr(texts::kEnterLatitudeDegrees)},
      {latitudeMinutes_, Tr(texts::kEnterLatitudeMinutes)},
      {longitudeDegrees_, Tr(texts::kEnterLongitudeDegrees)},
      {longitudeMinutes_, Tr(texts::kEnterLongitudeMinutes)}};
  for (const auto& [field, message] : required) {
    if (field->text().trimmed().isEmpty()) return Refuse(field, message);
  }
  if (const auto problem = CheckCoordinates(latitudeDegrees_->text(), latitudeMinutes_->text(),
                                            longitudeDegrees_->text(), longitudeMinutes_->text())) {
    QLineEdit* fields[] = {latitudeDegrees_, latitudeMinutes_, longitudeDegrees_,
                           longitudeMinutes_};
    return Refuse(fields[static_cast<int>(problem->field)], problem->message);
  }
  if (isPerson_) {
    const QString problem = CheckDateExists(Tr(texts::kBirthWord), year_->value(),
                                            month_->currentIndex() + 1, day_->value());
    if (!problem.isEmpty()) return Refuse(day_, problem);
  }
  return true;
}

void BookEntryForm::accept() {
  if (Check()) QDialog::accept();
}

}  // namespace horavela::app
