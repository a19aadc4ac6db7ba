#include "tradition/eclipses.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/place_clocks.h"

namespace horavela {
namespace {

using testing::ClockAt;
using testing::UniversalAt;

PlaceEntry Madrid() {
  return testing::Place().North(40, 25).West(3, 42).Zone(-1, 0);
}

// Eclipses seen at one place and not at another (NASA's eclipse catalogues:
// the Moon totally eclipsed on 7 September 2025 over Asia, below New York's
// horizon; the Sun totally eclipsed on 12 August 2026 over Spain, after
// sunset in New Delhi).
struct Sighting {
  const char* what;
  PlaceEntry place;
  const char* zone;
  int year, month, day;
  bool seen;
  Veto veto;
  EclipseKind kind;
};
const Sighting kSightings[] = {
    {"7 September 2025, New Delhi", testing::NewDelhi(), testing::kIndiaZone, 2025, 9, 7, true,
     Veto::LunarEclipse, EclipseKind::Total},
    {"7 September 2025, New York", testing::NewYork(), testing::kNewYorkZone, 2025, 9, 7, false,
     Veto::LunarEclipse, EclipseKind::Total},
    {"12 August 2026, Madrid", Madrid(), "Europe/Madrid", 2026, 8, 12, true, Veto::SolarEclipse,
     EclipseKind::Partial},
    {"12 August 2026, New Delhi", testing::NewDelhi(), testing::kIndiaZone, 2026, 8, 12, false,
     Veto::SolarEclipse, EclipseKind::Total},
};

TEST(Eclipses, SeenAtOnePlaceAndNotAnother) {
  for (const Sighting& sighting : kSightings) {
    SCOPED_TRACE(sighting.what);
    const PlaceClock clock = ClockAt(sighting.place, sighting.zone);
    const std::int64_t midnight = UniversalAt(clock, sighting.year, sighting.month, sighting.day);
    const auto eclipses = EclipsesOver(clock, midnight - 1440, midnight + 2 * 1440);
    ASSERT_EQ(eclipses.size(), sighting.seen ? 1u : 0u);
    if (!sighting.seen) continue;
    EXPECT_EQ(eclipses[0].veto, sighting.veto);
    EXPECT_LE(eclipses[0].first, eclipses[0].last);
  }
}

// The umbral phase of 7 September 2025 from 16:27 to 19:56 UT (NASA), all of
// it seen from New Delhi (21:57 to 01:26 Indian time), over two civil days.
TEST(Eclipses, LunarEclipseSpanAndItsDays) {
  const PlaceClock delhi = ClockAt(testing::NewDelhi(), testing::kIndiaZone);
  const std::int64_t from = UniversalAt(delhi, 2025, 9, 1);
  const auto eclipses = EclipsesOver(delhi, from, from + 30 * 1440);
  ASSERT_EQ(eclipses.size(), 1u);
  const EclipseAtPlace& eclipse = eclipses[0];
  EXPECT_EQ(eclipse.kind, EclipseKind::Total);
  EXPECT_NEAR(eclipse.first, UniversalAt(delhi, 2025, 9, 7, 21, 57), 2);
  EXPECT_NEAR(eclipse.last, UniversalAt(delhi, 2025, 9, 8, 1, 26), 2);
  EXPECT_EQ(eclipse.dayFirst, UniversalAt(delhi, 2025, 9, 7));
  EXPECT_EQ(eclipse.dayLast, UniversalAt(delhi, 2025, 9, 9) - 1);

  const auto spans = EclipsePeriodsOver(delhi, from, from + 30 * 1440, EclipseReach::Span);
  const auto days = EclipsePeriodsOver(delhi, from, from + 30 * 1440, EclipseReach::Day);
  ASSERT_EQ(spans.size(), 1u);
  ASSERT_EQ(days.size(), 1u);
  EXPECT_EQ(spans[0].first, eclipse.first);
  EXPECT_EQ(days[0].first, eclipse.dayFirst);
  EXPECT_EQ(spans[0].reason, "Total lunar eclipse seen here from " +
                                 ClockMomentText(delhi.At(eclipse.first).local) + " to " +
                                 ClockMomentText(delhi.At(eclipse.last).local) + ".");
}

// The penumbral eclipse of 20 February 2027, which New Delhi sees, is not kept.
TEST(Eclipses, PenumbralEclipsesAreNotKept) {
  const PlaceClock delhi = ClockAt(testing::NewDelhi(), testing::kIndiaZone);
  const std::int64_t from = UniversalAt(delhi, 2027, 2, 15);
  EXPECT_TRUE(EclipsesOver(delhi, from, from + 10 * 1440).empty());
}

}  // namespace
}  // namespace horavela
