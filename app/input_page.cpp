#include "app/input_page.h"
#include "app/translation.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/atlas_matches_dialog.h"
#include "app/clickable_label.h"
#include "app/find_times_texts.h"
#include "app/number_box_keys.h"
#include "app/page_checks.h"
#include "app/page_parts.h"
#include "app/program_links.h"
#include "app/scrolling.h"
#include "app/subject_catalogue.h"
#include "app/time_zone_dialog.h"
#include "engine/text_limits.h"

namespace horavela::app {

namespace {

constexpr std::size_t kAtlasMatches = 12;  // places offered by the latitude button

double SignedDegrees(int degrees, int minutes, bool positive) {
  const double value = degrees + minutes / 60.0;
  return positive ? value : -value;
}

void SelectFirst(QComboBox* box) {
  box->setCurrentIndex(0);
}

}  // namespace

InputPage::InputPage(const AppServices& services, Names names, QWidget* parent)
    : QWidget(parent), services_(services), names_(std::move(names)) {}

FilteredLineEdit* InputPage::NewFilteredField(CharacterRule rule, const QString& name) {
  auto* field = new FilteredLineEdit(rule);
  field->setObjectName(name);
  // A refused key is noted beside the field, once, without a box to dismiss
  // for every keystroke.
  connect(field, &FilteredLineEdit::refused, this,
          [this, field](const QString& message) { services_.messages->Notify(field, message); });
  if (rule == CharacterRule::Digits) {
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance("00000") + 16);
  }
  return field;
}

void InputPage::WatchNumberTyping() {
  const std::pair<QComboBox*, QString> boxes[] = {
      {moment_.month, Tr(texts::kMonthsRange)},   {moment_.day, Tr(texts::kDaysRange)},
      {moment_.year, Tr(texts::kYearsRange)},     {moment_.hour, Tr(texts::kHoursRange)},
      {moment_.minute, Tr(texts::kMinutesRange)}, {moment_.second, Tr(texts::kSecondsRange)}};
  // A named pair rather than a structured binding: clang 14, which builds
  // the sanitized suite, cannot capture a structured binding in a lambda.
  for (const auto& watched : boxes) {
    QComboBox* box = watched.first;
    new NumberBoxKeys(box, watched.second, [this, box](const QString& message) {
      services_.messages->Notify(box, message);
    });
  }
}

void InputPage::AddMomentAndPlaceRows(QWidget* frame, QGridLayout* grid, int row,
                                      const MomentRowNames& names) {
  moment_.month = NewCombo(names.month, frame);
  moment_.day = NewCombo(names.day, frame);
  moment_.year = NewCombo(names.year, frame);
  auto* date = new QHBoxLayout;
  for (QComboBox* box : {moment_.month, moment_.day, moment_.year}) date->addWidget(box);
  date->addStretch();
  grid->addWidget(new QLabel(names.dateCaption), row, 0);
  grid->addLayout(date, row++, 1);
  moment_.weekday = NewCombo(names.weekday, frame);
  grid->addWidget(new QLabel(names.weekdayCaption), row, 0);
  grid->addWidget(moment_.weekday, row++, 1, Qt::AlignLeft);
  moment_.hour = NewCombo(names.hour, frame);
  moment_.minute = NewCombo(names.minute, frame);
  moment_.second = NewCombo(names.second, frame);
  grid->addWidget(new QLabel(names.timeCaption), row, 0);
  AddTimeRows(grid, row);
  WatchNumberTyping();
  AddPlaceRows(grid, row);
  grid->addWidget(BuildZoneFrame(), row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);
}

void InputPage::AddTimeRows(QGridLayout* grid, int& row) {
  auto* time = new QHBoxLayout;
  time->addWidget(moment_.hour);
  time->addWidget(moment_.minute);
  time->addWidget(moment_.second);
  time->addWidget(new QLabel(Tr(texts::kTimeHint)));
  time->addStretch();
  grid->addLayout(time, row++, 1);
}

void InputPage::AddPlaceRows(QGridLayout* grid, int& row) {
  const QString& prefix = names_.placePrefix;
  // The fields' names stay English whatever the language: tests and the
  // program find them by name.
  const std::array<std::pair<const char*, FilteredLineEdit**>, 3> names = {{
      {texts::kCity, &place_.city},
      {texts::kState, &place_.state},
      {texts::kCountry, &place_.country},
  }};
  for (const auto& [caption, field] : names) {
    *field = NewFilteredField(CharacterRule::Letters, QString("txt%1%2").arg(prefix, caption));
    (*field)->setMaxLength(static_cast<int>(text_limits::kPlace));
    auto* label = new QLabel(Tr(caption));
    label->setBuddy(*field);
    grid->addWidget(label, row, 0);
    grid->addWidget(*field, row++, 1);
  }
  place_.search = new QPushButton(Tr(texts::kSearch));
  place_.search->setObjectName(QString("cmdSearch_%1").arg(names_.search));
  connect(place_.search, &QPushButton::clicked, this, &InputPage::SearchPlace);
  grid->addWidget(place_.search, row++, 1, Qt::AlignLeft);

  struct Axis {
    QString caption;
    const char* name;
    FilteredLineEdit** degrees;
    FilteredLineEdit** minutes;
    QButtonGroup** side;
    const char* group;
    QString first;
    QString second;
  };
  const Axis axes[] = {
      {Tr(texts::kLatitude), "Lat", &place_.latitudeDegrees, &place_.latitudeMinutes,
       &place_.latitudeSide, "optLat", Tr(texts::kNorth), Tr(texts::kSouth)},
      {Tr(texts::kLongitude), "Long", &place_.longitudeDegrees, &place_.longitudeMinutes,
       &place_.longitudeSide, "optLong", Tr(texts::kEast), Tr(texts::kWest)},
  };
  for (const Axis& axis : axes) {
    auto* line = new QHBoxLayout;
    *axis.degrees =
        NewFilteredField(CharacterRule::Digits, QString("txt%1Degree%2").arg(prefix, axis.name));
    (*axis.degrees)->setPlaceholderText(Tr(texts::kDegrees));
    *axis.minutes =
        NewFilteredField(CharacterRule::Digits, QString("txt%1Minute%2").arg(prefix, axis.name));
    (*axis.minutes)->setPlaceholderText(Tr(texts::kMinutes));
    line->addWidget(*axis.degrees);
    line->addWidget(*axis.minutes);
    *axis.side = NewOptionPair(axis.group + names_.suffix, axis.first, axis.second, this, line);
    line->addStretch();
    auto* label = new QLabel(axis.caption);
    label->setBuddy(*axis.degrees);
    grid->addWidget(label, row, 0);
    grid->addLayout(line, row++, 1);
  }
}

QWidget* InputPage::BuildZoneFrame() {
  const QString& suffix = names_.suffix;
  auto* frame = new QGroupBox(Tr(texts::kTimeZoneFrame));
  frame->setObjectName("fraTimeZone" + suffix);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(new QLabel(Tr(texts::kZoneHour)));
  place_.zoneHour = NewZoneCaption("lblZoneHour" + suffix, frame);
  row->addWidget(place_.zoneHour);
  row->addWidget(new QLabel(Tr(texts::kZoneMinute)));
  place_.zoneMinute = NewZoneCaption("lblZoneMinute" + suffix, frame);
  row->addWidget(place_.zoneMinute);
  place_.dst = new QCheckBox(Tr(texts::kDst), frame);
  place_.dst->setObjectName("chkDST" + suffix);
  row->addWidget(place_.dst);
  place_.zoneOffset = new QLabel(frame);
  place_.zoneOffset->setObjectName("lblZoneOffset" + suffix);
  row->addWidget(place_.zoneOffset);
  connect(place_.dst, &QCheckBox::toggled, this, [this] { ShowZoneOffset(place_); });
  place_.tzHelp = new ClickableLabel(Tr(texts::kTzHelp), frame);
  place_.tzHelp->setObjectName("lblTZHelp" + suffix);
  QFont link = place_.tzHelp->font();
  link.setUnderline(true);
  place_.tzHelp->setFont(link);
  QPalette palette = place_.tzHelp->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
  place_.tzHelp->setPalette(palette);
  row->addWidget(place_.tzHelp);
  row->addStretch();
  return frame;
}

void InputPage::FinishPage(QWidget* frame, const QString& firstHelp, const QString& secondHelp) {
  auto* layout = new QVBoxLayout(this);
  heading_ = NewActivityHeading("lblActivity" + names_.suffix, this);
  layout->addWidget(heading_);
  layout->addWidget(Scrolling(WithParagraphs(frame, firstHelp, secondHelp, this)), 1);

  NavigationRow navigation = NewNavigationRow(names_.navigation, names_.navigation);
  back_ = navigation.back;
  next_ = navigation.next;
  findTimes_ = new QPushButton(Tr(texts::kFindTimes), navigation.row);
  findTimes_->setObjectName(names_.findTimes);
  findTimes_->setAutoDefault(false);
  connect(findTimes_, &QPushButton::clicked, this, &InputPage::findTimesClicked);
  // Left of the row, away from Back and Next.
  static_cast<QHBoxLayout*>(navigation.row->layout())->insertWidget(0, findTimes_);

  // The book's buttons in a row of their own above Back and Next: beside
  // them the page would be too wide for a small screen.
  auto* rows = new QWidget;
  auto* column = new QVBoxLayout(rows);
  column->setContentsMargins(0, 0, 0, 0);
  auto* row = new QHBoxLayout;
  choose_ = new QPushButton(names_.chooseCaption, rows);
  choose_->setObjectName(names_.choose);
  save_ = new QPushButton(names_.saveCaption, rows);
  save_->setObjectName(names_.save);
  for (QPushButton* button : {choose_, save_}) {
    button->setAutoDefault(false);
    row->addWidget(button);
  }
  connect(choose_, &QPushButton::clicked, this, &InputPage::chooseClicked);
  connect(save_, &QPushButton::clicked, this, &InputPage::saveClicked);
  row->addStretch();
  column->addLayout(row);
  column->addWidget(navigation.row);
  layout->addWidget(rows);

  // The zone for the date comes from the tz database reader the command line
  // uses as well (it reads the system's zone files, as QTimeZone would), so
  // both give the same universal time.
  atlas_ = new AtlasCityField(moment_, place_, names_.suffix, services_, this);
  connect(atlas_, &AtlasCityField::zoneWritten, this, [this] { ShowZoneOffset(place_); });
  connect(place_.tzHelp, &ClickableLabel::clicked, this, &InputPage::PickZone);
  // The weekday box follows its date as soon as it has one.
  for (QComboBox* box : {moment_.month, moment_.day, moment_.year}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { SyncWeekday(moment_); });
  }
}

void InputPage::ShowActivity(const QString& subject) {
  heading_->setText(subject.isEmpty()
                        ? QString()
                        : QString(Tr(texts::kActivityHeading)).arg(SubjectText(subject)));
}

void InputPage::SearchPlace() {
  // Blanks count here: a city of one blank passes.
  if (!CheckRequired({{place_.city, Tr(texts::kEnterCity)},
                      {place_.state, Tr(texts::kEnterState)},
                      {place_.country, Tr(texts::kEnterCountry)}},
                     false, MessageIcon::Information)) {
    return;
  }
  // The offline atlas first: a city it knows needs no browser at all. A page
  // that already follows an atlas city goes on to the web search.
  const QString city = place_.city->text().trimmed();
  if (!atlas_->Attached() && city.size() >= 2) {
    std::vector<horavela::Place> matches =
        services_.cityLookup.find(city.toStdString(), kAtlasMatches);
    if (!matches.empty()) {
      AtlasMatchesDialog dialog(city, std::move(matches), window());
      dialog.exec();
      if (dialog.choice() == AtlasMatchesDialog::Choice::UsePlace) {
        atlas_->ChoosePlace(dialog.chosen());
        return;
      }
      if (dialog.choice() == AtlasMatchesDialog::Choice::Cancel) return;
    }
  }
  const QString text =
      PlaceSearchText(place_.city->text(), place_.state->text(), place_.country->text());
  if (!services_.placeSearch->Search(text, WebAddress())) {
    services_.messages->Show(MessageIcon::Error, QString(Tr(texts::kNoBrowserForSearch)).arg(text));
  }
}

void InputPage::PickZone() {
  TimeZoneDialog picker(window());
  picker.exec();
  if (!picker.picked()) return;
  SetZoneCaptions(place_, picker.picked()->hours, picker.picked()->minutes);
  // The zone picked by hand wins over the atlas city.
  atlas_->Detach();
}

void InputPage::FillPlace(const PlaceEntry& entry, const std::string& tz) {
  atlas_->Detach();
  if (!tz.empty()) {
    horavela::Place city;
    city.name = entry.city;
    city.state = entry.state;
    city.country = entry.country;
    city.latitude = SignedDegrees(entry.latitudeDegrees, entry.latitudeMinutes, entry.north);
    city.longitude = SignedDegrees(entry.longitudeDegrees, entry.longitudeMinutes, entry.east);
    city.timeZone = tz;
    atlas_->ChoosePlace(city);
    if (atlas_->Attached()) return;
  }
  // Without a zone of the atlas the coordinates count as typed by hand.
  FillPlaceBoxes(place_, entry);
}

void InputPage::ClearEntries() {
  for (QComboBox* box : {moment_.month, moment_.day, moment_.year, moment_.weekday, moment_.hour,
                         moment_.minute, moment_.second}) {
    SelectFirst(box);
  }
  for (QLineEdit* field : {place_.latitudeDegrees, place_.latitudeMinutes, place_.longitudeDegrees,
                           place_.longitudeMinutes, place_.city, place_.state, place_.country}) {
    field->clear();
  }
}

void InputPage::ResetZoneAndSides() {
  SetZoneCaptions(place_, "0", "0");
  place_.dst->setChecked(false);
  place_.latitudeSide->button(0)->setChecked(true);
  place_.longitudeSide->button(0)->setChecked(true);
}

void InputPage::Refuse(QWidget* field, const QString& message, MessageIcon icon) {
  services_.messages->Show(icon, message);
  if (field != nullptr) field->setFocus(Qt::OtherFocusReason);
}

bool InputPage::CheckRequired(const std::vector<std::pair<QLineEdit*, QString>>& fields,
                              bool trimmed, MessageIcon icon) {
  std::vector<RequiredField> required;
  for (const auto& [field, message] : fields) required.push_back({field->text(), message});
  const std::optional<int> empty = FirstEmptyField(required, trimmed);
  if (!empty) return true;
  const auto& [field, message] = fields[static_cast<std::size_t>(*empty)];
  Refuse(field, message, icon);
  return false;
}

bool InputPage::CheckCoordinateRanges() {
  const std::optional<CoordinateProblem> problem =
      CheckCoordinates(place_.latitudeDegrees->text(), place_.latitudeMinutes->text(),
                       place_.longitudeDegrees->text(), place_.longitudeMinutes->text());
  if (!problem) return true;
  QLineEdit* field = nullptr;
  switch (problem->field) {
    case CoordinateField::LatitudeDegrees:
      field = place_.latitudeDegrees;
      break;
    case CoordinateField::LatitudeMinutes:
      field = place_.latitudeMinutes;
      break;
    case CoordinateField::LongitudeDegrees:
      field = place_.longitudeDegrees;
      break;
    case CoordinateField::LongitudeMinutes:
      field = place_.longitudeMinutes;
      break;
  }
  Refuse(field, problem->message, MessageIcon::Error);
  return false;
}

bool InputPage::CheckDate(const QString& which) {
  const QString problem =
      CheckDateExists(which, moment_.year->currentText().toInt(), moment_.month->currentIndex() + 1,
                      moment_.day->currentText().toInt());
  if (problem.isEmpty()) return true;
  Refuse(moment_.day, problem, MessageIcon::Error);
  return false;
}

std::vector<QWidget*> InputPage::MomentAndPlaceStops() const {
  const MomentBoxes& m = moment_;
  const PlaceBoxes& p = place_;
  // Radio pairs take one stop each.
  return {m.month,
          m.day,
          m.year,
          m.weekday,
          m.hour,
          m.minute,
          m.second,
          p.city,
          p.state,
          p.country,
          p.search,
          p.latitudeDegrees,
          p.latitudeMinutes,
          p.latitudeSide->button(0),
          p.latitudeSide->button(1),
          p.longitudeDegrees,
          p.longitudeMinutes,
          p.longitudeSide->button(0),
          p.longitudeSide->button(1),
          p.dst,
          p.tzHelp};
}

std::vector<QWidget*> InputPage::ButtonStops() const {
  // The buttons left of Back and Next come after them, as they are used less.
  return {back_, next_, findTimes_, choose_, save_};
}

}  // namespace horavela::app
