// Where a new evaluation starts: today at the current time, at the election
// place of the last evaluation, which the settings keep between sessions.
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QLineEdit>
#include <QSettings>
#include <algorithm>

#include "app/atlas_city_field.h"
#include "app/election_page.h"
#include "app/last_place.h"
#include "app/main_window.h"
#include "calendar/civil_calendar.h"

namespace horavela::app {

namespace {

// The years the date boxes offer.
const QDate kFirstDay(1901, 1, 1);
const QDate kLastDay(2050, 12, 31);

LocalMinute ToMinute(const QDateTime& clock) {
  const QDate date = std::clamp(clock.date(), kFirstDay, kLastDay);
  const QTime time = clock.date() == date ? clock.time() : QTime(0, 0);
  return {static_cast<std::int16_t>(date.year()), static_cast<std::int16_t>(date.month()),
          static_cast<std::int16_t>(date.day()), static_cast<std::int16_t>(time.hour()),
          static_cast<std::int16_t>(time.minute())};
}

}  // namespace

void MainWindow::StartAtLastPlaceNow() {
  std::optional<LastPlace> last;
  if (services_.settings) {
    if (const std::unique_ptr<QSettings> settings = services_.settings()) {
      last = RecallPlace(*settings);
    }
  }
  if (last) electionPage_->FillPlace(last->place, last->tz);
  // The clock of the place: its atlas zone, else its captions; without a
  // place, the computer's own.
  const QDateTime now = services_.now();
  QDateTime local = now;
  if (const TimeZoneRules* zone = electionPage_->Atlas()->Zone()) {
    local = now.toUTC().addSecs(zone->AtUtc(now.toSecsSinceEpoch()).utcOffsetSeconds);
  } else if (last) {
    const PlaceEntry& p = last->place;
    local = now.toUTC().addSecs(UtcOffsetOfZoneCaptions(p.zoneHours, p.zoneMinutes, p.dst));
  }
  electionPage_->WriteMinute(ToMinute(local));
}

void MainWindow::RememberElectionPlace() {
  if (!services_.settings) return;
  const std::unique_ptr<QSettings> settings = services_.settings();
  if (!settings) return;
  const TimeZoneRules* zone = electionPage_->Atlas()->Zone();
  RememberPlace(*settings, {electionPage_->ReadMoment().place,
                            zone != nullptr ? zone->name() : std::string()});
}

}  // namespace horavela::app
