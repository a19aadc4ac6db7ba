#include "app/last_place.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <cstdint>

#include "atlas/time_zone_rules.h"
#include "engine/input_check.h"

namespace horavela::app {

namespace {

constexpr char kGroup[] = "lastPlace";

// The numbers of an entry, each a field of PlaceEntry.
struct NumberKey {
  const char* key;
  std::int16_t PlaceEntry::*field;
};
constexpr NumberKey kNumbers[] = {
    {"latitudeDegrees", &PlaceEntry::latitudeDegrees},
    {"latitudeMinutes", &PlaceEntry::latitudeMinutes},
    {"longitudeDegrees", &PlaceEntry::longitudeDegrees},
    {"longitudeMinutes", &PlaceEntry::longitudeMinutes},
    {"zoneHours", &PlaceEntry::zoneHours},
    {"zoneMinutes", &PlaceEntry::zoneMinutes},
};

struct FlagKey {
  const char* key;
  bool PlaceEntry::*field;
};
constexpr FlagKey kFlags[] = {
    {"north", &PlaceEntry::north}, {"east", &PlaceEntry::east}, {"dst", &PlaceEntry::dst}};

struct TextKey {
  const char* key;
  std::string PlaceEntry::*field;
};
constexpr TextKey kTexts[] = {
    {"city", &PlaceEntry::city}, {"state", &PlaceEntry::state}, {"country", &PlaceEntry::country}};

// The zone captions the time zone picker writes stay within a day.
bool ZoneCaptionsSound(const PlaceEntry& place) {
  return place.zoneHours >= -14 && place.zoneHours <= 14 && place.zoneMinutes >= -59 &&
         place.zoneMinutes <= 59;
}

}  // namespace

void RememberPlace(QSettings& settings, const LastPlace& last) {
  settings.beginGroup(kGroup);
  for (const NumberKey& n : kNumbers) settings.setValue(n.key, int{last.place.*n.field});
  for (const FlagKey& f : kFlags) settings.setValue(f.key, last.place.*f.field);
  for (const TextKey& t : kTexts) {
    settings.setValue(t.key, QString::fromStdString(last.place.*t.field));
  }
  settings.setValue("tz", QString::fromStdString(last.tz));
  settings.endGroup();
  settings.sync();
}

std::optional<LastPlace> RecallPlace(QSettings& settings) {
  settings.beginGroup(kGroup);
  LastPlace last;
  bool whole = settings.contains("latitudeDegrees");
  for (const NumberKey& n : kNumbers) {
    bool ok = false;
    const int value = settings.value(n.key).toInt(&ok);
    whole = whole && ok && value >= INT16_MIN && value <= INT16_MAX;
    last.place.*n.field = static_cast<std::int16_t>(value);
  }
  for (const FlagKey& f : kFlags) last.place.*f.field = settings.value(f.key).toBool();
  for (const TextKey& t : kTexts)
    last.place.*t.field = settings.value(t.key).toString().toStdString();
  last.tz = settings.value("tz").toString().toStdString();
  settings.endGroup();
  if (!whole || !ZoneCaptionsSound(last.place) || !CheckPlace(last.place, "lastPlace")) {
    return std::nullopt;
  }
  // A zone this system no longer has: the captions kept with it stand.
  if (!last.tz.empty() && !TimeZoneRules::Load(last.tz)) last.tz.clear();
  return last;
}

}  // namespace horavela::app
