#include "panchang/strengths.h"

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/moon.h"

namespace horavela {

namespace {

// 1-based position of `name` in `table` (first exact match), 0 when absent.
template <std::size_t N>
int PositionIn(const std::array<std::string_view, N>& table, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i] == name) return static_cast<int>(i) + 1;
  }
  return 0;
}

// Tara verdict by the tara number 0..8: the odd taras are the unlucky ones.
constexpr std::array<Word, 9> kTaraVerdicts = {
    Word::VeryFavourable, Word::Unfavourable, Word::Favourable,
    Word::Unfavourable,   Word::Favourable,   Word::Unfavourable,
    Word::Favourable,     Word::Unfavourable, Word::Favourable,
};

}  // namespace

void ComputeTaraBala(CalculationState& state) {
  const int birth = PositionIn(kNakshatraNames, state.BirthChart[kNakshatraSlot]);
  const int election = PositionIn(kNakshatraNames, state.ElectionChart[kNakshatraSlot]);
  // The plain distance between the two stars, in either direction, unwrapped.
  const int tara = std::abs(birth - election) % 9;
  state.TaraBalaVerdict = kTaraVerdicts[static_cast<std::size_t>(tara)];
}

void ComputeChandraBala(CalculationState& state) {
  // The Moon-sign spelling of the charts ("Vrishcika", "Dhanush").
  const int birth = PositionIn(kRashiNames, state.BirthChart[kMoonSignSlot]);
  const int election = PositionIn(kRashiNames, state.ElectionChart[kMoonSignSlot]);
  const int count = std::abs(birth - election) + 1;
  // The sixth, eighth and twelfth signs from the birth Moon are weak.
  const bool weak = count == 6 || count == 8 || count == 12;
  state.ChandraBalaVerdict = weak ? Word::Unfavourable : Word::Favourable;
}

}  // namespace horavela
