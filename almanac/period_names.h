#pragma once

#include <cstdint>
#include <string>

#include "engine/vocabulary.h"
#include "language/day_part_names.h"
#include "language/element_names.h"
#include "language/language.h"

// What a period of the day is, as a value: the chart element and which of
// it (the tithi with its fortnight, the nakshatra with its pada), the hora's
// planet, the kalam, the named muhurta, the choghadiya, the Gowri part, the
// tara. The English name a period carries is this value named in English;
// a page in another language names the value in its own words, never by
// reading the English back.
namespace horavela {

enum class PeriodKind : std::int8_t {
  None,
  Tithi,
  Nakshatra,
  Yoga,
  Karana,
  MoonSign,
  Lagna,
  Hora,
  Kalam,
  Muhurta,
  Durmuhurta,
  Choghadiya,
  Gowri,
  Tara,
};

// The muhurtas the day names: Abhijit and Vijaya of the daytime, the
// evening's and the dawn's sandhyas, Pradosh and Nishita of the night,
// Brahma muhurta before sunrise, Godhuli around sunset.
enum class NamedMuhurta : std::int8_t {
  Abhijit,
  Vijaya,
  SayahnaSandhya,
  Pradosh,
  NishitaKaal,
  BrahmaMuhurta,
  PratahSandhya,
  Godhuli,
  None
};

struct PeriodName {
  PeriodKind kind = PeriodKind::None;
  // The index in its enum; a durmuhurta's muhurta (1..15); a tara (1..9).
  int value = 0;
  // A tithi's paksha (its index); a nakshatra's pada (1..4, 0 the whole
  // nakshatra); a durmuhurta's night (1) or daytime (0).
  int detail = 0;

  static PeriodName Of(Tithi tithi, Paksha paksha) {
    return {PeriodKind::Tithi, IndexOf(tithi), IndexOf(paksha)};
  }
  static PeriodName Of(Nakshatra nakshatra, int pada = 0) {
    return {PeriodKind::Nakshatra, IndexOf(nakshatra), pada};
  }
  static PeriodName Of(Yoga yoga) { return {PeriodKind::Yoga, IndexOf(yoga), 0}; }
  static PeriodName Of(Karana karana) { return {PeriodKind::Karana, IndexOf(karana), 0}; }
  static PeriodName MoonSignOf(Rashi sign) { return {PeriodKind::MoonSign, IndexOf(sign), 0}; }
  static PeriodName LagnaOf(Rashi sign) { return {PeriodKind::Lagna, IndexOf(sign), 0}; }
  static PeriodName HoraOf(Planet lord) { return {PeriodKind::Hora, IndexOf(lord), 0}; }
  static PeriodName Of(KalamWord kalam) { return {PeriodKind::Kalam, IndexOf(kalam), 0}; }
  static PeriodName Of(NamedMuhurta muhurta) { return {PeriodKind::Muhurta, IndexOf(muhurta), 0}; }
  static PeriodName DurmuhurtaOf(int muhurta, bool night) {
    return {PeriodKind::Durmuhurta, muhurta, night ? 1 : 0};
  }
  static PeriodName Of(Choghadiya choghadiya) {
    return {PeriodKind::Choghadiya, IndexOf(choghadiya), 0};
  }
  static PeriodName Of(Gowri gowri) { return {PeriodKind::Gowri, IndexOf(gowri), 0}; }
  static PeriodName TaraOf(int number) { return {PeriodKind::Tara, number, 0}; }

  bool operator==(const PeriodName&) const = default;
};

// `name` as `language` writes it: "Dwadasi (Shukla)" and "Rohini pada 2" in
// English, "द्वादशी (शुक्ल पक्ष)" and "ரோகிணி பாதம் 2" in Hindi and Tamil.
// Empty for None.
std::string NameOf(const PeriodName& name, Language language);

}  // namespace horavela
