#include "app/election_page.h"
#include "app/translation.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/book_texts.h"
#include "app/page_parts.h"

namespace horavela::app {

ElectionPage::ElectionPage(const AppServices& services, QWidget* parent)
    : InputPage(services,
                {.placePrefix = "",
                 .suffix = "_Muhurtha",
                 .search = 0,
                 .navigation = 1,
                 .findTimes = "cmdFindTimes",
                 .choose = "cmdChoosePlace",
                 .chooseCaption = Tr(texts::kChoosePlace),
                 .save = "cmdSavePlace",
                 .saveCaption = Tr(texts::kSavePlace)},
                parent) {
  setObjectName("picSearchMode");

  auto* frame = new QGroupBox(Tr(texts::kElectionFrame), this);
  frame->setObjectName("fraElectionDetails");
  auto* grid = new QGridLayout(frame);
  int row = 0;
  AddMomentAndPlaceRows(frame, grid, row,
                        {"cboMuhurthaMonth", "cboMuhurthaDate", "cboMuhurthaYear",
                         "cboMuhurthaWeekday", "cboHourFrom", "cboMinuteFrom", "cboSecondFrom",
                         Tr(texts::kDate), Tr(texts::kWeekday), Tr(texts::kTime)});
  FinishPage(frame, Tr(texts::kElectionParagraph1), Tr(texts::kElectionParagraph2));
}

bool ElectionPage::Check() {
  const PlaceBoxes& p = place_;
  return Atlas()->CheckPlaceKnown() &&
         CheckRequired({{p.latitudeDegrees, Tr(texts::kEnterLatitudeDegrees)},
                        {p.latitudeMinutes, Tr(texts::kEnterLatitudeMinutes)},
                        {p.longitudeDegrees, Tr(texts::kEnterLongitudeDegrees)},
                        {p.longitudeMinutes, Tr(texts::kEnterLongitudeMinutes)}},
                       true, MessageIcon::Error) &&
         CheckCoordinateRanges() && CheckDate(Tr(texts::kElectionWord)) && Atlas()->CheckResolved();
}

bool ElectionPage::CheckPlaceToSave() {
  const PlaceBoxes& p = place_;
  return Atlas()->CheckPlaceKnown() &&
         CheckRequired({{p.city, Tr(texts::kEnterCity)},
                        {p.latitudeDegrees, Tr(texts::kEnterLatitudeDegrees)},
                        {p.latitudeMinutes, Tr(texts::kEnterLatitudeMinutes)},
                        {p.longitudeDegrees, Tr(texts::kEnterLongitudeDegrees)},
                        {p.longitudeMinutes, Tr(texts::kEnterLongitudeMinutes)}},
                       true, MessageIcon::Error) &&
         CheckCoordinateRanges();
}

void ElectionPage::WriteMinute(const LocalMinute& minute) {
  // The whole moment in one step: an atlas city's zone is found for it alone,
  // never for a half-written moment on the way (which the clocks may have
  // skipped or repeated, and which would be asked about).
  {
    std::vector<QSignalBlocker> held;
    for (QComboBox* box :
         {moment_.year, moment_.month, moment_.day, moment_.hour, moment_.minute, moment_.second}) {
      held.emplace_back(box);
    }
    moment_.year->setCurrentText(QString::number(minute.year));
    moment_.month->setCurrentIndex(minute.month - 1);
    moment_.day->setCurrentText(QString::number(minute.day));
    moment_.hour->setCurrentText(QString::number(minute.hour));
    moment_.minute->setCurrentText(QString::number(minute.minute));
    moment_.second->setCurrentIndex(0);
  }
  SyncWeekday(moment_);
  Atlas()->FollowWrittenMoment(minute.repeated && minute.repeated->second);
}

std::vector<QWidget*> ElectionPage::TabStops() const {
  std::vector<QWidget*> stops = MomentAndPlaceStops();
  const std::vector<QWidget*> buttons = ButtonStops();
  stops.insert(stops.end(), buttons.begin(), buttons.end());
  return stops;
}

}  // namespace horavela::app
