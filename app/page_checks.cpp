#include "app/page_checks.h"
#include "app/translation.h"

#include <QStringList>
#include <limits>

#include "app/app_language.h"
#include "app/app_texts.h"
#include "calendar/civil_calendar.h"
#include "engine/input_check.h"
#include "engine/universal_time.h"
#include "usecases/birth_order.h"

namespace horavela::app {

namespace {

// A digits-only text as a number; texts too long for an int count as huge.
long long NumberOf(const QString& digits) {
  bool ok = false;
  const long long value = digits.trimmed().toLongLong(&ok);
  return ok ? value : std::numeric_limits<long long>::max();
}

// The page's words for what the core found wrong with one coordinate: the
// core decides, the page keeps its own texts.
struct CoordinateTexts {
  CoordinateField degreesField;
  CoordinateField minutesField;
  const char* degreesRange;
  const char* minutesRange;
  const char* beyondLimit;
};

constexpr CoordinateTexts kLatitudeTexts = {
    CoordinateField::LatitudeDegrees, CoordinateField::LatitudeMinutes,
    texts::kLatitudeDegreesRange, texts::kLatitudeMinutesRange, texts::kLatitudeBeyondPole};
constexpr CoordinateTexts kLongitudeTexts = {
    CoordinateField::LongitudeDegrees, CoordinateField::LongitudeMinutes,
    texts::kLongitudeDegreesRange, texts::kLongitudeMinutesRange, texts::kLongitudeBeyondLimit};

std::optional<CoordinateProblem> CheckOne(const QString& degreesText, const QString& minutesText,
                                          int maxDegrees, const CoordinateTexts& words) {
  const Result<void> checked =
      CheckCoordinate(NumberOf(degreesText), NumberOf(minutesText), maxDegrees, "");
  if (checked) return std::nullopt;
  const Problem& problem = checked.error();
  if (problem.path == "degrees")
    return CoordinateProblem{words.degreesField, Tr(words.degreesRange)};
  const bool beyond = problem.rule == Rule::BeyondLimit;
  return CoordinateProblem{words.minutesField, Tr(beyond ? words.beyondLimit : words.minutesRange)};
}

}  // namespace

std::optional<int> FirstEmptyField(const std::vector<RequiredField>& fields, bool trimmed) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const QString text = trimmed ? fields[i].text.trimmed() : fields[i].text;
    if (text.isEmpty()) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<CoordinateProblem> CheckCoordinates(const QString& latitudeDegrees,
                                                  const QString& latitudeMinutes,
                                                  const QString& longitudeDegrees,
                                                  const QString& longitudeMinutes) {
  if (auto problem = CheckOne(latitudeDegrees, latitudeMinutes, 90, kLatitudeTexts)) return problem;
  return CheckOne(longitudeDegrees, longitudeMinutes, 180, kLongitudeTexts);
}

QString CheckDateExists(const QString& which, int year, int month, int day) {
  const Result<void> checked = horavela::CheckDateExists(year, month, day, "");
  if (checked) return {};
  return QString(Tr(texts::kDateProblem))
      .arg(which, QString::fromStdString(checked.error().message));
}

QString PlaceSearchText(const QString& city, const QString& state, const QString& country) {
  return city + " " + state + " " + country + Tr(texts::kPlaceSearchSuffix);
}

QString DateText(const QString& month, const QString& day, const QString& year) {
  return QStringList{month.trimmed(), day.trimmed(), year.trimmed(), Tr(texts::kDateSuffix)}.join(
      ' ');
}

QString TimeText(const QString& hour, const QString& minute) {
  return QStringList{hour.trimmed(), minute.trimmed(), Tr(texts::kTimeSuffix)}.join(' ');
}

QString PlaceText(const QString& city, const QString& state, const QString& country) {
  return QStringList{city.trimmed(), state.trimmed(), country.trimmed()}.join(' ');
}

QString ZoneOffsetText(const QString& hours, const QString& minutes, bool dst) {
  const int offset =
      UtcOffsetOfZoneCaptions(hours.trimmed().toInt(), minutes.trimmed().toInt(), dst);
  return QString::fromStdString(FormatUtcOffset(offset));
}

namespace {

// "20 December 2024 at 07:05"
QString MomentWords(const MomentEntry& moment) {
  return QString(Tr(texts::kMomentWords))
      .arg(moment.day)
      .arg(MonthName((moment.month + 11) % 12 + 1))
      .arg(moment.year)
      .arg(moment.hour, 2, 10, QChar('0'))
      .arg(moment.minute, 2, 10, QChar('0'));
}

}  // namespace

QString CheckBornBeforeElection(const MomentEntry& birth, const MomentEntry& election) {
  if (horavela::CheckBornBeforeElection(birth, election)) return {};
  return QString(Tr(texts::kBirthAfterElection)).arg(MomentWords(birth), MomentWords(election));
}

}  // namespace horavela::app
