// Arbitrary bytes as a tz database zone file: the reader must refuse what it
// cannot trust, and rules it accepts must answer every query within the
// offsets a sound zone can have.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "atlas/time_zone_rules.h"

namespace {

struct Query {
  int year, month, day, hour, minute;
};

// Before any table, across the common range, and beyond the last transition.
constexpr Query kQueries[] = {{1901, 1, 1, 0, 0},   {1943, 6, 1, 12, 0},  {1970, 1, 1, 0, 0},
                              {2024, 3, 10, 2, 30}, {2024, 11, 3, 1, 30}, {2050, 12, 31, 23, 59}};

constexpr int kFurthestOffset = 25 * 3600;

void Check(const horavela::ZoneOffset& offset) {
  if (std::abs(offset.utcOffsetSeconds) > kFurthestOffset ||
      std::abs(offset.standardOffsetSeconds) > kFurthestOffset)
    std::abort();
  const horavela::ZoneCaptions captions = horavela::CaptionsForOffset(offset);
  if (std::abs(captions.hours) > 25 || std::abs(captions.minutes) > 59) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto rules = horavela::TimeZoneRules::FromTzif("Fuzz/Zone", bytes);
  if (!rules) {
    if (rules.error().message.find("\"Fuzz/Zone\"") == std::string::npos) std::abort();
    return 0;
  }
  for (const Query& q : kQueries) {
    const horavela::LocalTimeOffsets local =
        rules->AtLocal(q.year, q.month, q.day, q.hour, q.minute);
    Check(local.offset);
    if (local.kind != horavela::LocalTimeKind::Unique) Check(local.other);
    horavela::FormatUtcOffset(local.offset.utcOffsetSeconds);
  }
  return 0;
}
