#include "app/partner_box.h"
#include "app/translation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <array>

#include "app/app_services.h"
#include "app/app_texts.h"
#include "app/page_checks.h"
#include "app/page_parts.h"
#include "app/partner_texts.h"
#include "engine/text_limits.h"

namespace horavela::app {

namespace {

// The undertakings of a couple, as the start page lists them.
constexpr std::array<const char*, 3> kCoupleSubjects = {"Engagement", "Marriage",
                                                        "First Entrance of the Bride"};

QLineEdit* NumberField(const QString& name, int digits, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(digits);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
  field->setMaximumWidth(field->fontMetrics().averageCharWidth() * (digits + 4));
  return field;
}

QComboBox* SideBox(const QString& name, const char* first, const char* second, QWidget* parent) {
  QComboBox* box = NewCombo(name, parent);
  box->addItems({first, second});
  return box;
}

}  // namespace

bool TakesPartner(const QString& subject) {
  for (const char* couple : kCoupleSubjects) {
    if (subject == couple) return true;
  }
  return false;
}

std::optional<std::pair<int, int>> ZoneWestPositive(const QString& typed) {
  static const QRegularExpression zone(R"(^\s*([+-]?)(\d{1,2})(?::?(\d{2}))?\s*$)");
  const QRegularExpressionMatch match = zone.match(typed);
  if (!match.hasMatch()) return std::nullopt;
  const int hours = match.captured(2).toInt();
  const int minutes = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
  if (hours > 14 || minutes > 59) return std::nullopt;
  // West of Greenwich counts positive in the program, as the zone captions do.
  const int sign = match.captured(1) == "-" ? 1 : -1;
  return std::pair{sign * hours, sign * minutes};
}

PartnerBox::PartnerBox(QWidget* parent) : QWidget(parent) {
  setObjectName("fraPartnerBox");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  wanted_ = new QCheckBox(Tr(texts::kAddPartner), this);
  wanted_->setObjectName("chkAddPartner");
  layout->addWidget(wanted_);

  frame_ = new QGroupBox(Tr(texts::kPartnerFrame), this);
  frame_->setObjectName("fraPartner");
  auto* grid = new QGridLayout(frame_);
  int row = 0;
  name_ = new QLineEdit(frame_);
  name_->setObjectName("txtPartnerName");
  name_->setMaxLength(static_cast<int>(text_limits::kName));
  grid->addWidget(new QLabel(Tr(texts::kName), frame_), row, 0);
  grid->addWidget(name_, row++, 1);
  auto* sexRow = new QHBoxLayout;
  sex_ = NewOptionPair("optPartnerSex", Tr(texts::kMale), Tr(texts::kFemale), frame_, sexRow);
  sexRow->addStretch();
  grid->addLayout(sexRow, row++, 1);

  auto* bornRow = new QHBoxLayout;
  date_ = new QDateEdit(QDate(1990, 1, 1), frame_);
  date_->setObjectName("datPartnerBirth");
  date_->setDisplayFormat("yyyy-MM-dd");
  date_->setDateRange(QDate(1901, 1, 1), QDate(2050, 12, 31));
  time_ = new QTimeEdit(QTime(0, 0), frame_);
  time_->setObjectName("timPartnerBirth");
  time_->setDisplayFormat("HH:mm");
  bornRow->addWidget(date_);
  bornRow->addWidget(time_);
  bornRow->addStretch();
  grid->addWidget(new QLabel(Tr(texts::kPartnerBorn), frame_), row, 0);
  grid->addLayout(bornRow, row++, 1);

  city_ = new QLineEdit(frame_);
  city_->setObjectName("txtPartnerCity");
  grid->addWidget(new QLabel(Tr(texts::kPartnerPlace), frame_), row, 0);
  grid->addWidget(city_, row++, 1);
  auto* coordinates = new QHBoxLayout;
  latitudeDegrees_ = NumberField("txtPartnerDegreeLat", 2, frame_);
  latitudeMinutes_ = NumberField("txtPartnerMinuteLat", 2, frame_);
  north_ = SideBox("cboPartnerNorth", "N", "S", frame_);
  longitudeDegrees_ = NumberField("txtPartnerDegreeLong", 3, frame_);
  longitudeMinutes_ = NumberField("txtPartnerMinuteLong", 2, frame_);
  east_ = SideBox("cboPartnerEast", "E", "W", frame_);
  coordinates->addWidget(new QLabel(Tr(texts::kPartnerLatitude), frame_));
  for (QWidget* w : std::initializer_list<QWidget*>{latitudeDegrees_, latitudeMinutes_, north_}) {
    coordinates->addWidget(w);
  }
  coordinates->addWidget(new QLabel(Tr(texts::kPartnerLongitude), frame_));
  for (QWidget* w : std::initializer_list<QWidget*>{longitudeDegrees_, longitudeMinutes_, east_}) {
    coordinates->addWidget(w);
  }
  coordinates->addStretch();
  grid->addLayout(coordinates, row++, 1);
  zone_ = new QLineEdit("+05:30", frame_);
  zone_->setObjectName("txtPartnerZone");
  zone_->setMaximumWidth(zone_->fontMetrics().averageCharWidth() * 10);
  auto* zoneRow = new QHBoxLayout;
  zoneRow->addWidget(zone_);
  zoneRow->addStretch();
  choose_ = new QPushButton(Tr(texts::kChoosePartner), frame_);
  choose_->setObjectName("cmdChoosePartner");
  zoneRow->addWidget(choose_);
  grid->addWidget(new QLabel(Tr(texts::kPartnerZone), frame_), row, 0);
  grid->addLayout(zoneRow, row++, 1);
  layout->addWidget(frame_);

  frame_->setVisible(false);
  wanted_->setVisible(false);
  connect(wanted_, &QCheckBox::toggled, frame_, &QWidget::setVisible);
  connect(choose_, &QPushButton::clicked, this, &PartnerBox::chooseClicked);
}

void PartnerBox::ShowFor(const QString& subject) {
  wanted_->setVisible(TakesPartner(subject));
  frame_->setVisible(Wanted());
}

bool PartnerBox::Wanted() const {
  return wanted_->isChecked() && !wanted_->isHidden();
}

bool PartnerBox::CheckEntries(MessageBoxes& messages) {
  if (!Wanted()) return true;
  const auto refuse = [&messages](QWidget* field, const QString& text) {
    messages.Show(MessageIcon::Error, text);
    field->setFocus(Qt::OtherFocusReason);
    return false;
  };
  if (name_->text().trimmed().isEmpty()) return refuse(name_, Tr(texts::kEnterPartnerName));
  for (QLineEdit* field :
       {latitudeDegrees_, latitudeMinutes_, longitudeDegrees_, longitudeMinutes_}) {
    if (field->text().isEmpty()) return refuse(field, Tr(texts::kEnterPartnerCoordinates));
  }
  if (const auto problem = CheckCoordinates(latitudeDegrees_->text(), latitudeMinutes_->text(),
                                            longitudeDegrees_->text(), longitudeMinutes_->text())) {
    return refuse(latitudeDegrees_, QString(Tr(texts::kPartnerCoordinates)).arg(problem->message));
  }
  if (!ZoneWestPositive(zone_->text())) return refuse(zone_, Tr(texts::kEnterPartnerZone));
  return true;
}

std::optional<Partner> PartnerBox::Read() const {
  if (!Wanted()) return std::nullopt;
  Partner partner;
  partner.name = name_->text().trimmed().toStdString();
  partner.sex = sex_->button(1)->isChecked() ? texts::kFemale : texts::kMale;
  MomentEntry& birth = partner.birth;
  const QDate date = date_->date();
  const QTime time = time_->time();
  birth.year = static_cast<std::int16_t>(date.year());
  birth.month = static_cast<std::int16_t>(date.month());
  birth.day = static_cast<std::int16_t>(date.day());
  birth.hour = static_cast<std::int16_t>(time.hour());
  birth.minute = static_cast<std::int16_t>(time.minute());
  PlaceEntry& place = birth.place;
  place.city = city_->text().trimmed().toStdString();
  place.latitudeDegrees = static_cast<std::int16_t>(latitudeDegrees_->text().toInt());
  place.latitudeMinutes = static_cast<std::int16_t>(latitudeMinutes_->text().toInt());
  place.north = north_->currentIndex() == 0;
  place.longitudeDegrees = static_cast<std::int16_t>(longitudeDegrees_->text().toInt());
  place.longitudeMinutes = static_cast<std::int16_t>(longitudeMinutes_->text().toInt());
  place.east = east_->currentIndex() == 0;
  const auto zone = ZoneWestPositive(zone_->text()).value_or(std::pair{0, 0});
  place.zoneHours = static_cast<std::int16_t>(zone.first);
  place.zoneMinutes = static_cast<std::int16_t>(zone.second);
  return partner;
}

void PartnerBox::Fill(const QString& name, const std::string& sex, const MomentEntry& birth) {
  wanted_->setChecked(true);
  name_->setText(name);
  sex_->button(sex == texts::kFemale ? 1 : 0)->setChecked(true);
  date_->setDate(QDate(birth.year, birth.month, birth.day));
  time_->setTime(QTime(birth.hour, birth.minute));
  const PlaceEntry& p = birth.place;
  city_->setText(QString::fromStdString(p.city));
  latitudeDegrees_->setText(QString::number(p.latitudeDegrees));
  latitudeMinutes_->setText(QString::number(p.latitudeMinutes));
  north_->setCurrentIndex(p.north ? 0 : 1);
  longitudeDegrees_->setText(QString::number(p.longitudeDegrees));
  longitudeMinutes_->setText(QString::number(p.longitudeMinutes));
  east_->setCurrentIndex(p.east ? 0 : 1);
  // Shown east-positive, as people say it; DST adds its hour in the east.
  const int east = -(p.zoneHours * 60 + p.zoneMinutes) + (p.dst ? 60 : 0);
  zone_->setText(QString("%1%2:%3")
                     .arg(east < 0 ? '-' : '+')
                     .arg(std::abs(east) / 60, 2, 10, QChar('0'))
                     .arg(std::abs(east) % 60, 2, 10, QChar('0')));
}

void PartnerBox::Clear() {
  wanted_->setChecked(false);
  for (QLineEdit* field :
       {name_, city_, latitudeDegrees_, latitudeMinutes_, longitudeDegrees_, longitudeMinutes_}) {
    field->clear();
  }
  sex_->button(0)->setChecked(true);
}

std::vector<QWidget*> PartnerBox::TabStops() const {
  return {wanted_,
          name_,
          sex_->button(0),
          sex_->button(1),
          date_,
          time_,
          city_,
          latitudeDegrees_,
          latitudeMinutes_,
          north_,
          longitudeDegrees_,
          longitudeMinutes_,
          east_,
          zone_,
          choose_};
}

}  // namespace horavela::app
