#include "panchang/strengths.h"

#include <array>
#include <cstdlib>

namespace horavela {

namespace {

// Tara verdict by the tara number 0..8: the odd taras are the unlucky ones.
constexpr std::array<Word, 9> kTaraVerdicts = {
    Word::VeryFavourable, Word::Unfavourable, Word::Favourable,
    Word::Unfavourable,   Word::Favourable,   Word::Unfavourable,
    Word::Favourable,     Word::Unfavourable, Word::Favourable,
};

}  // namespace

void ComputeTaraBala(CalculationState& state) {
  // 1-based positions, 0 for a star that could not be computed.
  const int birth = PositionOf(state.BirthChart.nakshatra);
  const int election = PositionOf(state.ElectionChart.nakshatra);
  // The plain distance between the two stars, in either direction, unwrapped.
  const int tara = std::abs(birth - election) % 9;
  state.TaraBalaVerdict = kTaraVerdicts[static_cast<std::size_t>(tara)];
}

void ComputeChandraBala(CalculationState& state) {
  const int birth = PositionOf(state.BirthChart.moonSign);
  const int election = PositionOf(state.ElectionChart.moonSign);
  const int count = std::abs(birth - election) + 1;
  // The sixth, eighth and twelfth signs from the birth Moon are weak.
  const bool weak = count == 6 || count == 8 || count == 12;
  state.ChandraBalaVerdict = weak ? Word::Unfavourable : Word::Favourable;
}

}  // namespace horavela
