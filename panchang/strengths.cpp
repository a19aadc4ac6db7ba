#include "panchang/strengths.h"

#include <array>
#include <cstdlib>

namespace horavela {

namespace {

// Tara verdict by the tara's number 1..9, the ninth (Parama Mitra) first as
// 0: Janma, Vipat, Pratyak and Naidhana are the unlucky ones.
constexpr std::array<Word, 9> kTaraVerdicts = {
    Word::VeryFavourable, Word::Unfavourable, Word::Favourable,
    Word::Unfavourable,   Word::Favourable,   Word::Unfavourable,
    Word::Favourable,     Word::Unfavourable, Word::Favourable,
};

// The nine taras in their order from the birth star (Muhurta Chintamani,
// the chapter on the strengths of star and Moon).
constexpr std::array<std::string_view, 9> kTaraNames = {
    "Janma", "Sampat", "Vipat", "Kshema", "Pratyak", "Sadhana", "Naidhana", "Mitra", "Parama Mitra",
};

}  // namespace

int TaraNumberOf(Nakshatra birth, Nakshatra day, TaraCount count) {
  // 1-based positions, 0 for a star that could not be computed.
  const int from = PositionOf(birth);
  const int to = PositionOf(day);
  int tara = 0;  // within the cycle of nine, 9 as 0
  if (count == TaraCount::Program) {
    // The plain distance between the two stars, in either direction,
    // unwrapped, read as the tara's number.
    tara = std::abs(from - to) % 9;
  } else {
    if (from == 0 || to == 0) return 0;
    // Forward round the 27 stars, the birth star itself the first (Janma).
    tara = ((to - from + 27) % 27 + 1) % 9;
  }
  return tara == 0 ? 9 : tara;
}

std::string_view TaraNameOf(int number) {
  if (number < 1 || number > 9) return {};
  return kTaraNames[static_cast<std::size_t>(number - 1)];
}

Word TaraBalaOf(Nakshatra birth, Nakshatra day, TaraCount count) {
  const int tara = TaraNumberOf(birth, day, count);
  if (tara == 0) return Word::None;
  return kTaraVerdicts[static_cast<std::size_t>(tara % 9)];
}

Word ChandraBalaOf(Rashi birth, Rashi day) {
  const int count = std::abs(PositionOf(birth) - PositionOf(day)) + 1;
  // The sixth, eighth and twelfth signs from the birth Moon are weak.
  const bool weak = count == 6 || count == 8 || count == 12;
  return weak ? Word::Unfavourable : Word::Favourable;
}

void ComputeTaraBala(CalculationState& state) {
  state.TaraBalaVerdict = TaraBalaOf(state.BirthChart.nakshatra, state.ElectionChart.nakshatra,
                                     state.Input.settings.tarabala);
}

void ComputeChandraBala(CalculationState& state) {
  state.ChandraBalaVerdict = ChandraBalaOf(state.BirthChart.moonSign, state.ElectionChart.moonSign);
}

}  // namespace horavela
