#include "app/page_checks.h"

#include <QLocale>

#include "app/app_texts.h"
#include "engine/input_check.h"

namespace horavela::app {

namespace {

// A digits-only text as a number; texts too long for an int count as huge.
long long NumberOf(const QString& digits) {
  bool ok = false;
  const long long value = digits.trimmed().toLongLong(&ok);
  return ok ? value : std::numeric_limits<long long>::max();
}

std::optional<CoordinateProblem> CheckOne(const QString& degreesText, const QString& minutesText,
                                          long long maxDegrees, CoordinateField degreesField,
                                          CoordinateField minutesField, const char* degreesMessage,
                                          const char* minutesMessage, const char* beyondMessage) {
  const long long degrees = NumberOf(degreesText);
  const long long minutes = NumberOf(minutesText);
  if (degrees < 0 || degrees > maxDegrees) return CoordinateProblem{degreesField, degreesMessage};
  if (minutes < 0 || minutes > 59) return CoordinateProblem{minutesField, minutesMessage};
  if (degrees == maxDegrees && minutes > 0) return CoordinateProblem{minutesField, beyondMessage};
  return std::nullopt;
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
  if (auto problem =
          CheckOne(latitudeDegrees, latitudeMinutes, 90, CoordinateField::LatitudeDegrees,
                   CoordinateField::LatitudeMinutes, texts::kLatitudeDegreesRange,
                   texts::kLatitudeMinutesRange, texts::kLatitudeBeyondPole)) {
    return problem;
  }
  return CheckOne(longitudeDegrees, longitudeMinutes, 180, CoordinateField::LongitudeDegrees,
                  CoordinateField::LongitudeMinutes, texts::kLongitudeDegreesRange,
                  texts::kLongitudeMinutesRange, texts::kLongitudeBeyondLimit);
}

QString CheckDateExists(const QString& which, int year, int month, int day) {
  if (IsValidDate(year, month, day)) return {};
  const QString monthName = QLocale::c().standaloneMonthName(month, QLocale::LongFormat);
  return QString("%1 date %2 %3 %4 does not exist").arg(which, monthName).arg(day).arg(year);
}

QString PlaceSearchText(const QString& city, const QString& state, const QString& country) {
  return city + " " + state + " " + country + texts::kPlaceSearchSuffix;
}

QString DateText(const QString& month, const QString& day, const QString& year) {
  return QStringList{month.trimmed(), day.trimmed(), year.trimmed(), texts::kDateSuffix}.join(' ');
}

QString TimeText(const QString& hour, const QString& minute) {
  return QStringList{hour.trimmed(), minute.trimmed(), texts::kTimeSuffix}.join(' ');
}

QString PlaceText(const QString& city, const QString& state, const QString& country) {
  return QStringList{city.trimmed(), state.trimmed(), country.trimmed()}.join(' ');
}

}  // namespace horavela::app
