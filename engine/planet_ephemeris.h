#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calculation_settings.h"
#include "engine/calculation_state.h"

namespace horavela {

// Geocentric apparent tropical longitudes, degrees, of the seven planets in
// the order Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn.
using PlanetLongitudes = std::array<double, kPlanetCount>;

// A set of the seven planets, bit `1 << index` in the order above.
using PlanetSet = unsigned;
inline constexpr PlanetSet kAllPlanets = (1u << kPlanetCount) - 1;
constexpr PlanetSet PlanetBit(int index) {
  return 1u << index;
}

// A source of planetary positions. Kept behind this interface so the rules
// can be tested with fixed texts and the library exchanged.
class PlanetEphemeris {
 public:
  virtual ~PlanetEphemeris() = default;
  // The longitudes of the planets in `planets`, NaN for the others; nothing
  // when the ephemeris cannot give one of them.
  virtual std::optional<PlanetLongitudes> TropicalLongitudes(double julianDayUt,
                                                             PlanetSet planets) = 0;
  // Which ephemeris answered the last call, for the user ("Swiss Ephemeris files", ...).
  virtual std::string Description() const = 0;
  // Frees what the ephemeris keeps for the calling thread (open files,
  // caches). A worker thread that asked for positions calls it before it
  // ends; a later call in the same thread sets everything up again.
  virtual void ReleaseThreadState() {}
};

// Releases the calling thread's state in `ephemeris` when it goes out of
// scope. A thread that computes positions holds one for its whole life, so
// that no way out of it (an exception included) leaves its state behind.
class ThreadStateRelease {
 public:
  explicit ThreadStateRelease(PlanetEphemeris& ephemeris) : ephemeris_(ephemeris) {}
  ~ThreadStateRelease() { ephemeris_.ReleaseThreadState(); }
  ThreadStateRelease(const ThreadStateRelease&) = delete;
  ThreadStateRelease& operator=(const ThreadStateRelease&) = delete;

 private:
  PlanetEphemeris& ephemeris_;
};

// Swiss Ephemeris: its data files where installed, else its built-in analytical
// (Moshier) ephemeris. Safe to call from several threads at once.
PlanetEphemeris& SwissEphemeris();

// The sign, degree and arc-minute of a sidereal longitude (any number of
// turns); unknown when the longitude is not finite.
PlanetPosition PlanetPositionAt(double siderealLongitude);

// The universal time, as a Julian day, of the moment `time` was built for.
double UniversalJulianDay(const TimeBase& time);

// The sidereal longitudes (the ayanamsa of `system` at the moment, the Moon's
// J2000 one for the program's; not folded into 0..360) of the planets in
// `planets` at the moment of `time`, NaN for the others; nothing when the
// ephemeris cannot give them.
std::optional<PlanetLongitudes> SiderealPlanetLongitudes(const TimeBase& time,
                                                         PlanetEphemeris& ephemeris,
                                                         PlanetSet planets, AyanamsaSystem system);

// Fills state.Lagna.PlanetSigns for the election moment (its universal time as
// the engine computed it, made sidereal with the Moon's ayanamsa). On a
// failure of the ephemeris the positions stay unknown and a warning is added.
bool ComputePlanetSigns(CalculationState& state, PlanetEphemeris& ephemeris);

// As ComputePlanetSigns, for the election moment computed last, but only when
// ElectionPlanetSigns first asks for them: until then the positions are unknown.
void ComputePlanetSignsOnDemand(CalculationState& state, PlanetEphemeris& ephemeris);

// The election moment's planets, computed first (with the warning of a
// failure) when ComputePlanetSignsOnDemand left them to be; otherwise as they
// stand in state.Lagna.PlanetSigns. Every reader of the planets goes through it.
const PlanetPositions& ElectionPlanetSigns(CalculationState& state);

}  // namespace horavela
