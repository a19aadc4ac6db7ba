#pragma once

#include <string_view>

#include "engine/calculation_state.h"

namespace horavela {

// The tara of the day's star seen from the birth star, 1 (Janma) to 9
// (Parama Mitra), by `count`; 0 when the inclusive count meets a star that
// could not be computed.
int TaraNumberOf(Nakshatra birth, Nakshatra day, TaraCount count);
// "Janma", "Sampat", ..., "Parama Mitra" for 1 to 9; empty otherwise.
std::string_view TaraNameOf(int number);

// Tarabala of the day's star seen from the birth star, by `count`; None when
// the inclusive count meets a star that could not be computed.
Word TaraBalaOf(Nakshatra birth, Nakshatra day, TaraCount count);
// Chandrabala of the day's Moon sign seen from the birth Moon sign.
Word ChandraBalaOf(Rashi birth, Rashi day);

// Strength of the star from the two charts' nakshatras (slot 2), counted as
// the evaluation's settings say.
void ComputeTaraBala(CalculationState& state);
// Strength of the Moon from the two charts' Moon signs (slot 0).
void ComputeChandraBala(CalculationState& state);

}  // namespace horavela
