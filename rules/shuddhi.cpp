#include "rules/shuddhi.h"

#include <array>

#include "rules/shuddhi_tables.h"

namespace horavela {

namespace {

using shuddhi::Bits;
using shuddhi::ShuddhiRow;

constexpr std::array<std::string_view, kShuddhiLimbCount> kLimbKeys = {"nakshatra", "tithi",
                                                                       "weekday", "yoga", "karana"};

const ShuddhiRow* RowOf(std::string_view subject) {
  for (const ShuddhiRow& row : shuddhi::kShuddhiRows)
    if (row.subject == subject) return &row;
  return nullptr;
}

bool Holds(Bits set, int bit) {
  return bit >= 0 && bit < 32 && (set >> bit) & 1u;
}

// The limbs as the rule sets read them: the chart's nakshatra, yoga and
// karana, the panchang's tithi and fortnight, the weekday judged.
struct Limbs {
  Nakshatra nakshatra;
  Tithi tithi;
  Paksha paksha;
  Weekday weekday;
  Yoga yoga;
  Karana karana;
};

Limbs LimbsOf(const CalculationState& s) {
  return {s.ElectionChart.nakshatra, s.Panchang.TithiName, s.Panchang.Fortnight,
          s.Input.electionWeekday,   s.ElectionChart.yoga, s.ElectionChart.karana};
}

// 1..30 from the bright Pratipada, the new Moon 30; 0 when not known.
int TithiNumberOf(Tithi tithi, Paksha paksha) {
  if (tithi == Tithi::None || paksha == Paksha::None) return 0;
  if (tithi == Tithi::Amavasya) return 30;
  if (tithi == Tithi::Purnima) return 15;
  return PositionOf(tithi) + (paksha == Paksha::Krishna ? 15 : 0);
}

// A value not known (None) fails nothing: it cannot be judged.
template <typename E>
bool Rejects(Bits set, E value, bool listIsFavourable) {
  if (value == E::None) return false;
  return Holds(set, IndexOf(value)) != listIsFavourable;
}

ShuddhiFailures FailuresOf(const ShuddhiRow& row, const Limbs& limbs) {
  ShuddhiFailures failures = 0;
  if (Rejects(row.nakshatras, limbs.nakshatra, true)) failures |= LimbBit(ShuddhiLimb::Nakshatra);
  if (Holds(row.avoidedTithis, TithiNumberOf(limbs.tithi, limbs.paksha) - 1))
    failures |= LimbBit(ShuddhiLimb::Tithi);
  if (Rejects(row.avoidedWeekdays, limbs.weekday, false)) failures |= LimbBit(ShuddhiLimb::Weekday);
  if (Rejects(row.avoidedYogas, limbs.yoga, false)) failures |= LimbBit(ShuddhiLimb::Yoga);
  if (Rejects(row.avoidedKaranas, limbs.karana, false)) failures |= LimbBit(ShuddhiLimb::Karana);
  return failures;
}

ShuddhiList TithiList(const ShuddhiRow& row, int number) {
  if (number == 30) return ShuddhiList::NewMoon;
  if (FromIndex<TithiGroup>((number - 1) % 5) == TithiGroup::Rikta) return ShuddhiList::RiktaTithis;
  // Named with its fortnight where the texts reject it in one only.
  const int other = number < 15 ? number + 15 : number - 15;
  const bool bothFortnights = number == 15 || Holds(row.avoidedTithis, other - 1);
  return bothFortnights ? ShuddhiList::AvoidedTithis : ShuddhiList::AvoidedFortnightTithis;
}

ShuddhiReason ReasonFor(ShuddhiLimb limb, const ShuddhiRow& row, const Limbs& limbs) {
  ShuddhiReason reason{.limb = limb, .undertaking = row.undertaking};
  switch (limb) {
    case ShuddhiLimb::Nakshatra:
      reason.list = ShuddhiList::GivenNakshatras;
      reason.nakshatra = limbs.nakshatra;
      break;
    case ShuddhiLimb::Tithi:
      reason.list = TithiList(row, TithiNumberOf(limbs.tithi, limbs.paksha));
      reason.tithi = limbs.tithi;
      reason.paksha = limbs.paksha;
      break;
    case ShuddhiLimb::Weekday:
      reason.list = ShuddhiList::AvoidedWeekdays;
      reason.weekday = limbs.weekday;
      break;
    case ShuddhiLimb::Yoga:
      reason.list = Holds(shuddhi::kAlwaysAvoidedYogas, IndexOf(limbs.yoga))
                        ? ShuddhiList::AlwaysAvoidedYogas
                        : ShuddhiList::AvoidedYogas;
      reason.yoga = limbs.yoga;
      break;
    case ShuddhiLimb::Karana:
      reason.list =
          limbs.karana == Karana::Vishti ? ShuddhiList::Bhadra : ShuddhiList::AvoidedKaranas;
      reason.karana = limbs.karana;
      break;
  }
  return reason;
}

}  // namespace

std::string_view KeyOf(ShuddhiLimb limb) {
  return kLimbKeys[static_cast<std::size_t>(limb)];
}

bool HasShuddhi(std::string_view subject) {
  return RowOf(subject) != nullptr;
}

ShuddhiFailures ShuddhiFailuresOf(std::string_view subject, const CalculationState& state) {
  const ShuddhiRow* row = RowOf(subject);
  return row == nullptr ? 0 : FailuresOf(*row, LimbsOf(state));
}

std::vector<ShuddhiReason> ShuddhiReasons(std::string_view subject, const CalculationState& state) {
  std::vector<ShuddhiReason> reasons;
  const ShuddhiRow* row = RowOf(subject);
  if (row == nullptr) return reasons;
  const Limbs limbs = LimbsOf(state);
  const ShuddhiFailures failures = FailuresOf(*row, limbs);
  for (int i = 0; i < kShuddhiLimbCount; ++i) {
    const auto limb = static_cast<ShuddhiLimb>(i);
    if (failures & LimbBit(limb)) reasons.push_back(ReasonFor(limb, *row, limbs));
  }
  return reasons;
}

}  // namespace horavela
