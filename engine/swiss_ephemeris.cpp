#include <swephexp.h>

#include <cmath>
#include <mutex>

#include "engine/planet_ephemeris.h"
#include "engine/swiss_positions.h"

namespace horavela {

namespace {

// Whether Swiss Ephemeris finds its data files, asked once at J2000, a date
// every set of files covers. Every reading asks with the same flag, so that
// positions and ayanamsas come from one ephemeris.
int32 EphemerisFlag() {
  static const int32 flag = [] {
    double position[6] = {};
    char error[AS_MAXCH] = {};
    const int32 flags = swe_calc_ut(2451545.0, SE_SUN, SEFLG_SWIEPH, position, error);
    return flags >= 0 && (flags & SEFLG_SWIEPH) != 0 ? SEFLG_SWIEPH : SEFLG_MOSEPH;
  }();
  return flag;
}

// The sidereal mode this thread last gave the library (its state, the mode
// included, is per thread), so that it is set again only when it changes:
// setting it throws away the library's caches of the last positions.
thread_local int32 threadSiderealMode = -1;

// The library's sidereal modes of the ayanamsas it offers.
struct SiderealMode {
  AyanamsaSystem system;
  int32 mode;
};
constexpr SiderealMode kSiderealModes[] = {
    {AyanamsaSystem::Lahiri, SE_SIDM_LAHIRI},
    {AyanamsaSystem::Raman, SE_SIDM_RAMAN},
    {AyanamsaSystem::Krishnamurti, SE_SIDM_KRISHNAMURTI},
    {AyanamsaSystem::TrueChitra, SE_SIDM_TRUE_CITRA},
};

// The Debian build of Swiss Ephemeris keeps its working state (open files,
// caches of the last positions) in thread-local storage, so several threads
// may compute at once; only the description of the last answer is shared.
class SwissEphemerisSource final : public PlanetEphemeris {
 public:
  std::optional<PlanetLongitudes> TropicalLongitudes(double julianDayUt,
                                                     PlanetSet planets) override {
    static constexpr int kBodies[kPlanetCount] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                                  SE_MARS, SE_JUPITER, SE_SATURN};
    // Without the files, ask for the analytical ephemeris directly: the
    // library would otherwise look for them again on every call, which costs
    // twice the computation itself, and then give the same positions.
    const int32 wanted = EphemerisFlag();
    PlanetLongitudes longitudes;
    longitudes.fill(NAN);
    bool usedFiles = true;
    for (int i = 0; i < kPlanetCount; ++i) {
      if ((planets & PlanetBit(i)) == 0) continue;
      double position[6] = {};
      char error[AS_MAXCH] = {};
      // Where the files do not cover the date the library falls back to its
      // analytical ephemeris by itself and says so in the returned flags.
      const int32 flags = swe_calc_ut(julianDayUt, kBodies[i], wanted, position, error);
      if (flags < 0) {
        Describe(std::string("Swiss Ephemeris: ") + error);
        return std::nullopt;
      }
      usedFiles = usedFiles && (flags & SEFLG_SWIEPH) != 0;
      longitudes[i] = position[0];
    }
    Describe(usedFiles ? "Swiss Ephemeris data files" : "Swiss Ephemeris analytical (Moshier)");
    return longitudes;
  }

  // The library's per-thread state is freed only by swe_close in that thread.
  void ReleaseThreadState() override {
    swe_close();
    threadSiderealMode = -1;  // closing forgets the mode
  }

  std::string Description() const override {
    std::lock_guard<std::mutex> lock(mutex_);
    return description_;
  }

 private:
  void Describe(std::string text) {
    std::lock_guard<std::mutex> lock(mutex_);
    description_ = std::move(text);
  }

  mutable std::mutex mutex_;
  std::string description_ = "Swiss Ephemeris";
};

}  // namespace

double SwissAyanamsa(AyanamsaSystem system, double julianDayUt) {
  for (const SiderealMode& sidereal : kSiderealModes) {
    if (sidereal.system != system) continue;
    if (threadSiderealMode != sidereal.mode) {
      swe_set_sid_mode(sidereal.mode, 0, 0);
      threadSiderealMode = sidereal.mode;
    }
    double ayanamsa = NAN;
    char error[AS_MAXCH] = {};
    if (swe_get_ayanamsa_ex_ut(julianDayUt, EphemerisFlag(), &ayanamsa, error) < 0) return NAN;
    return -ayanamsa;
  }
  return NAN;
}

PlanetEphemeris& SwissEphemeris() {
  static SwissEphemerisSource source;
  return source;
}

}  // namespace horavela
