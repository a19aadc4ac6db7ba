#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "app/app_services.h"
#include "app/input_boxes.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace horavela::app {

class AtlasCityField;

// What the election and the birth page share: a moment, a place with its
// offline atlas and its zone, the activity heading, the row of buttons at the
// bottom and the checks of them. A failing check shows its message and puts
// the focus into the field at fault.
class InputPage : public QWidget {
  Q_OBJECT

 public:
  const MomentBoxes& Moment() const { return moment_; }
  const PlaceBoxes& Place() const { return place_; }
  AtlasCityField* Atlas() const { return atlas_; }
  MomentEntry ReadMoment() const { return app::ReadMoment(moment_, place_); }

  // "Activity: <subject>" atop the page; nothing without a subject.
  void ShowActivity(const QString& subject);
  // Writes a place of the book into the page as typing and choosing would.
  void FillPlace(const PlaceEntry& entry, const std::string& tz);
  // The first entries of the boxes, no coordinates and no place.
  void ClearEntries();
  // New Evaluation: the zone captions at 0, no DST, North and East.
  void ResetZoneAndSides();

  QPushButton* BackButton() const { return back_; }
  QPushButton* NextButton() const { return next_; }

 signals:
  void findTimesClicked();
  void chooseClicked();  // "Choose person..." or "Choose place..."
  void saveClicked();    // "Save person" or "Save place"

 protected:
  // How one page's boxes and buttons are named and captioned.
  struct Names {
    QString placePrefix;  // "" or "Birth": "txt<prefix>City"
    QString suffix;       // "_Muhurtha" or "_Birth"
    int search = 0;       // "cmdSearch_<search>"
    int navigation = 0;   // "cmdBack_<navigation>", "cmdNext_<navigation>"
    const char* findTimes = nullptr;
    const char* choose = nullptr;
    QString chooseCaption;
    const char* save = nullptr;
    QString saveCaption;
  };

  InputPage(const AppServices& services, Names names, QWidget* parent);

  // The object names and captions of a page's moment rows.
  struct MomentRowNames {
    const char* month;
    const char* day;
    const char* year;
    const char* weekday;
    const char* hour;
    const char* minute;
    const char* second;
    QString dateCaption;
    QString weekdayCaption;
    QString timeCaption;
  };
  // The date, weekday, time, place and zone rows of the page's frame from
  // `row` on, in reading order (which is also the order the boxes are made).
  void AddMomentAndPlaceRows(QWidget* frame, QGridLayout* grid, int row,
                             const MomentRowNames& names);
  // The rows of the page's frame, in reading order.
  void AddTimeRows(QGridLayout* grid, int& row);
  void AddPlaceRows(QGridLayout* grid, int& row);
  QWidget* BuildZoneFrame();
  // The heading, the frame with its help beside it, the buttons; then the
  // page's atlas and the weekday that follows the date.
  void FinishPage(QWidget* frame, const QString& firstHelp, const QString& secondHelp);
  FilteredLineEdit* NewFilteredField(CharacterRule rule, const QString& name);
  void WatchNumberTyping();

  bool CheckRequired(const std::vector<std::pair<QLineEdit*, QString>>& fields, bool trimmed,
                     MessageIcon icon);
  // Coordinates no place on Earth has are refused at the field at fault.
  bool CheckCoordinateRanges();
  bool CheckDate(const QString& which);
  void Refuse(QWidget* field, const QString& message, MessageIcon icon);
  // The moment, the place and the buttons for the Tab key, in reading order.
  std::vector<QWidget*> MomentAndPlaceStops() const;
  std::vector<QWidget*> ButtonStops() const;

  const AppServices& services_;
  MomentBoxes moment_;
  PlaceBoxes place_;

 private:
  // "Search": the offline atlas first, then a web search for the place.
  void SearchPlace();
  void PickZone();

  Names names_;
  AtlasCityField* atlas_ = nullptr;
  QLabel* heading_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* findTimes_ = nullptr;
  QPushButton* choose_ = nullptr;
  QPushButton* save_ = nullptr;
};

}  // namespace horavela::app
