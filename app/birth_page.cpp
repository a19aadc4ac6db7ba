#include "app/birth_page.h"
#include "app/translation.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/book_texts.h"
#include "app/page_parts.h"
#include "app/partner_box.h"
#include "engine/text_limits.h"

namespace horavela::app {

BirthPage::BirthPage(const AppServices& services, QWidget* parent)
    : InputPage(services,
                {.placePrefix = "Birth",
                 .suffix = "_Birth",
                 .search = 1,
                 .navigation = 2,
                 .findTimes = "cmdFindTimes_Birth",
                 .choose = "cmdChoosePerson",
                 .chooseCaption = Tr(texts::kChoosePerson),
                 .save = "cmdSavePerson",
                 .saveCaption = Tr(texts::kSavePerson)},
                parent) {
  setObjectName("picBirthDetails");

  auto* frame = new QGroupBox(Tr(texts::kBirthFrame), this);
  frame->setObjectName("fraBirthDetails");
  auto* grid = new QGridLayout(frame);
  int row = 0;
  nameField_ = new QLineEdit(frame);
  nameField_->setObjectName("txtBirthName");
  nameField_->setMaxLength(static_cast<int>(text_limits::kName));
  auto* nameLabel = new QLabel(Tr(texts::kName));
  nameLabel->setBuddy(nameField_);
  grid->addWidget(nameLabel, row, 0);
  grid->addWidget(nameField_, row++, 1);
  auto* sex = new QHBoxLayout;
  sexChoice_ = NewOptionPair("optSex", Tr(texts::kMale), Tr(texts::kFemale), frame, sex);
  sex->addStretch();
  grid->addLayout(sex, row++, 1);

  AddMomentAndPlaceRows(
      frame, grid, row,
      {"cboMonth", "cboDate", "cboYear", "cboWeekday", "cboBirthHour", "cboBirthMinute",
       "cboBirthSecond", Tr(texts::kBirthDate), Tr(texts::kBirthDay), Tr(texts::kBirthTime)});
  // Below the person's own rows: unticked, the frame is the one person's.
  partner_ = new PartnerBox(frame);
  grid->addWidget(partner_, grid->rowCount(), 0, 1, grid->columnCount());
  FinishPage(frame, Tr(texts::kBirthParagraph1), Tr(texts::kBirthParagraph2));
}

QString BirthPage::PersonName() const {
  return nameField_->text().trimmed();
}

QString BirthPage::PersonSex() const {
  return sexChoice_->button(0)->isChecked() ? texts::kMale : texts::kFemale;
}

bool BirthPage::CheckEntries() {
  const PlaceBoxes& p = place_;
  if (!Atlas()->CheckPlaceKnown()) return false;
  if (!CheckRequired({{nameField_, Tr(texts::kEnterName)},
                      {p.latitudeDegrees, Tr(texts::kEnterLatitudeDegrees)},
                      {p.latitudeMinutes, Tr(texts::kEnterLatitudeMinutes)},
                      {p.longitudeDegrees, Tr(texts::kEnterLongitudeDegrees)},
                      {p.longitudeMinutes, Tr(texts::kEnterLongitudeMinutes)}},
                     true, MessageIcon::Error)) {
    return false;
  }
  for (QComboBox* box : {moment_.month, moment_.day, moment_.year}) {
    if (box->currentIndex() < 0) {
      Refuse(box, Tr(texts::kSelectBirthDate), MessageIcon::Error);
      return false;
    }
  }
  return CheckCoordinateRanges() && CheckDate(Tr(texts::kBirthWord)) && Atlas()->CheckResolved();
}

bool BirthPage::RefuseOrder(const QString& problem) {
  if (problem.isEmpty()) return true;
  Refuse(moment_.year, problem, MessageIcon::Error);
  return false;
}

void BirthPage::FillPerson(const QString& name, const std::string& sex, const MomentEntry& birth,
                           const std::string& tz) {
  nameField_->setText(name);
  sexChoice_->button(sex == texts::kFemale ? 1 : 0)->setChecked(true);
  // The date first: the atlas city below takes the zone in force at it.
  Atlas()->Detach();
  FillMoment(moment_, birth);
  FillPlace(birth.place, tz);
}

void BirthPage::ClearEntries() {
  InputPage::ClearEntries();
  nameField_->clear();
}

void BirthPage::ResetSex() {
  sexChoice_->button(0)->setChecked(true);
}

std::vector<QWidget*> BirthPage::TabStops() const {
  std::vector<QWidget*> stops = {nameField_, sexChoice_->button(0), sexChoice_->button(1)};
  for (const std::vector<QWidget*>& part :
       {MomentAndPlaceStops(), partner_->TabStops(), ButtonStops()}) {
    stops.insert(stops.end(), part.begin(), part.end());
  }
  return stops;
}

}  // namespace horavela::app
