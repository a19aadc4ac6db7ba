#include <swephexp.h>

#include <mutex>

#include "engine/planet_ephemeris.h"

namespace horavela {

namespace {

// Swiss Ephemeris keeps global state (open files, caches): one caller at a time.
class SwissEphemerisSource final : public PlanetEphemeris {
 public:
  std::optional<PlanetLongitudes> TropicalLongitudes(double julianDayUt) override {
    static constexpr int kBodies[kPlanetCount] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                                  SE_MARS, SE_JUPITER, SE_SATURN};
    std::lock_guard<std::mutex> lock(mutex_);
    PlanetLongitudes longitudes{};
    for (int i = 0; i < kPlanetCount; ++i) {
      double position[6] = {};
      char error[AS_MAXCH] = {};
      // Files where installed; the library falls back to its analytical
      // ephemeris by itself and says so in the returned flags.
      const int32 flags = swe_calc_ut(julianDayUt, kBodies[i], SEFLG_SWIEPH, position, error);
      if (flags < 0) {
        description_ = std::string("Swiss Ephemeris: ") + error;
        return std::nullopt;
      }
      usedFiles_ = (flags & SEFLG_SWIEPH) != 0;
      longitudes[i] = position[0];
    }
    description_ =
        usedFiles_ ? "Swiss Ephemeris data files" : "Swiss Ephemeris analytical (Moshier)";
    return longitudes;
  }

  std::string Description() const override {
    std::lock_guard<std::mutex> lock(mutex_);
    return description_;
  }

 private:
  mutable std::mutex mutex_;
  bool usedFiles_ = false;
  std::string description_ = "Swiss Ephemeris";
};

}  // namespace

PlanetEphemeris& SwissEphemeris() {
  static SwissEphemerisSource source;
  return source;
}

}  // namespace horavela
