#pragma once

// What the classical muhurta texts ask of the five limbs of a moment, one row
// per undertaking, laid out as the texts table them: the nakshatras they give
// it, then the tithis, weekdays, yogas and karanas they reject. Sets are bits
// (a value's index; a tithi's number 1..30 from the bright Pratipada, the new
// Moon 30) so a row reads as the published list it copies.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "engine/vocabulary.h"

namespace horavela::shuddhi {

using Bits = std::uint32_t;

template <typename E>
constexpr Bits SetOf(std::initializer_list<E> values) {
  Bits bits = 0;
  for (E value : values) bits |= Bits{1} << IndexOf(value);
  return bits;
}

// Tithis by their number in the lunar month, 1..30.
constexpr Bits Numbers(std::initializer_list<int> numbers) {
  Bits bits = 0;
  for (int number : numbers) bits |= Bits{1} << (number - 1);
  return bits;
}
// The same tithis (1..14) in both fortnights.
constexpr Bits BothFortnights(std::initializer_list<int> numbers) {
  Bits bits = 0;
  for (int number : numbers) bits |= Numbers({number, number + 15});
  return bits;
}

using N = Nakshatra;
using W = Weekday;
using Y = Yoga;
using K = Karana;

// Avoided in every auspicious work (Muhurta Chintamani, Shubhashubha
// prakarana): the Rikta tithis and the new Moon, the yogas Vyatipata and
// Vaidhriti whole, and the Vishti karana (Bhadra). A reason for one of these
// needs no undertaking named.
inline constexpr Bits kRiktaAndNewMoon = BothFortnights({4, 9, 14}) | Numbers({30});
inline constexpr Bits kAlwaysAvoidedYogas = SetOf<Y>({Y::Vyatipata, Y::Vaidhriti});
inline constexpr Bits kAlwaysAvoidedKaranas = SetOf<K>({K::Vishti});

// The nine yogas the texts call dushta (malefic), rejected whole for rites.
inline constexpr Bits kDushtaYogas =
    SetOf<Y>({Y::Vishkambha, Y::Atiganda, Y::Soola, Y::Ganda, Y::Vyaghata, Y::Vajra, Y::Vyatipata,
              Y::Parigha, Y::Vaidhriti});
// Vishti and the four fixed karanas of the dark Moon.
inline constexpr Bits kVishtiAndFixedKaranas =
    SetOf<K>({K::Vishti, K::Sakuna, K::Chatuspada, K::Naga, K::Kimstughna});
// The days on which the Vedas are not recited (anadhyaya): Pratipada,
// Ashtami, Chaturdashi, the full and the new Moon; learning begins on none.
inline constexpr Bits kAnadhyaya = BothFortnights({1, 8, 14}) | Numbers({15, 30});
// Mars's and Saturn's days, and the Sun's, which the rites avoid.
inline constexpr Bits kMaleficDays = SetOf<W>({W::Tuesday, W::Saturday});
inline constexpr Bits kMaleficDaysAndSunday = kMaleficDays | SetOf<W>({W::Sunday});

struct ShuddhiRow {
  std::string_view subject;      // the subject's exact text
  std::string_view undertaking;  // as a sentence names it: "a marriage"
  Bits nakshatras;               // those given the undertaking
  Bits avoidedTithis;            // by number 1..30
  Bits avoidedWeekdays;
  Bits avoidedYogas;
  Bits avoidedKaranas;
};

// Muhurta Chintamani, Yatra prakarana: Ashwini, Mrigashira, Punarvasu, Pushya,
// Hasta, Anuradha, Shravana, Dhanishta, Revati; tithis 2, 3, 5, 7, 10, 11 of
// both fortnights, the bright Trayodashi and the dark Pratipada. One table for
// every journey, whatever its end.
constexpr ShuddhiRow Journey(std::string_view subject) {
  return {subject,
          "a journey",
          SetOf<N>({N::Ashwini, N::Mrigasira, N::Punarvasu, N::Pushya, N::Hasta, N::Anuradha,
                    N::Shravana, N::Dhanistha, N::Revati}),
          kRiktaAndNewMoon | BothFortnights({6, 8, 12}) | Numbers({1, 15, 28}),
          0,
          kAlwaysAvoidedYogas,
          kAlwaysAvoidedKaranas};
}

// clang-format off
inline constexpr std::array<ShuddhiRow, 15> kShuddhiRows = {{
    // Muhurta Chintamani, Vivaha prakarana: Rohini, the three Uttaras, Revati,
    // Mrigashira, Mula, Anuradha, Magha, Hasta and Swati ("Rohini-dvaya,
    // pitrya, arka, Swati, nairrita, pushan, uttara, maitra"). Ashtami as the
    // southern almanacs add it; Tuesday and Saturday; the fixed karanas.
    {"Marriage", "a marriage",
     SetOf<N>({N::Rohini, N::Mrigasira, N::Magha, N::UttaraPhalguni, N::Hasta, N::Swati,
               N::Anuradha, N::Moola, N::UttaraAshadha, N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon | BothFortnights({8}), kMaleficDays, kDushtaYogas, kVishtiAndFixedKaranas},
    // Muhurta Chintamani, Vivaha prakarana (vagdana, the bride's betrothal):
    // the marriage stars with the three Purvas, Krittika, Shravana, Dhanishta.
    {"Engagement", "an engagement",
     SetOf<N>({N::Krittika, N::Rohini, N::Mrigasira, N::Magha, N::PoorvaPhalguni,
               N::UttaraPhalguni, N::Hasta, N::Swati, N::Anuradha, N::Moola, N::PurvaAshadha,
               N::UttaraAshadha, N::Shravana, N::Dhanistha, N::PoorvaBhadrapada,
               N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon, 0, kDushtaYogas, kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Vivaha prakarana (vadhu pravesha): the three Uttaras,
    // Rohini, Ashwini, Pushya, Hasta, Chitra, Anuradha, Revati, Mrigashira,
    // Shravana, Mula, Magha, Swati; not on Sunday, Tuesday or Wednesday.
    {"First Entrance of the Bride", "the bride's entrance",
     SetOf<N>({N::Ashwini, N::Rohini, N::Mrigasira, N::Pushya, N::Magha, N::UttaraPhalguni,
               N::Hasta, N::Chitra, N::Swati, N::Anuradha, N::Moola, N::UttaraAshadha,
               N::Shravana, N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon, SetOf<W>({W::Sunday, W::Tuesday, W::Wednesday}), kAlwaysAvoidedYogas,
     kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Vastu prakarana (griha pravesha): the gentle
    // (Mrigashira, Chitra, Anuradha, Revati) and fixed (Rohini, the three
    // Uttaras) stars; odd tithis but Navami, of the even only 2, 6 and 10.
    {"Entering a New House", "a new house",
     SetOf<N>({N::Rohini, N::Mrigasira, N::UttaraPhalguni, N::Chitra, N::Anuradha,
               N::UttaraAshadha, N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon | BothFortnights({8, 12}), kMaleficDaysAndSunday, kDushtaYogas,
     kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Samskara prakarana (chaula): the movable (Swati,
    // Punarvasu, Shravana, Dhanishta, Shatabhisha) and light (Hasta, Ashwini,
    // Pushya) stars, Mrigashira, Revati, Chitra, Jyeshtha; tithis 2, 3, 5, 7,
    // 10, 11, 13 only.
    {"Tonsuring of Head", "a tonsure",
     SetOf<N>({N::Ashwini, N::Mrigasira, N::Punarvasu, N::Pushya, N::Hasta, N::Chitra, N::Swati,
               N::Jyeshtha, N::Shravana, N::Dhanistha, N::Shatabhisha, N::Revati}),
     kRiktaAndNewMoon | BothFortnights({1, 6, 8, 12}) | Numbers({15}), kMaleficDaysAndSunday,
     kDushtaYogas, kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Samskara prakarana (upanayana); no Vedic rite on the
    // anadhyaya days.
    {"Thread Ceremony Or Upanayana", "a thread ceremony",
     SetOf<N>({N::Ashwini, N::Rohini, N::Mrigasira, N::Punarvasu, N::Pushya, N::UttaraPhalguni,
               N::Hasta, N::Chitra, N::Swati, N::Anuradha, N::Shravana, N::Dhanistha,
               N::Shatabhisha, N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon | kAnadhyaya, kMaleficDays, kDushtaYogas, kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Samskara prakarana (annaprashana): not on Pratipada,
    // Shashthi, Ashtami, Ekadashi (a fast) or Dwadashi.
    {"First feeding of Solid Food (Annaprasan)", "a first feeding",
     SetOf<N>({N::Ashwini, N::Rohini, N::Mrigasira, N::Punarvasu, N::Pushya, N::UttaraPhalguni,
               N::Hasta, N::Chitra, N::Swati, N::Anuradha, N::UttaraAshadha, N::Shravana,
               N::Dhanistha, N::Shatabhisha, N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon | BothFortnights({1, 6, 8, 11, 12}), kMaleficDaysAndSunday, kDushtaYogas,
     kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Samskara prakarana (aksharambha): the light stars,
    // Swati, Punarvasu, Shravana, Revati, Chitra, Anuradha, Ardra; not on the
    // anadhyaya days.
    {"Starting of Education (Aksharabhyasa)", "the start of education",
     SetOf<N>({N::Ashwini, N::Ardra, N::Punarvasu, N::Pushya, N::Hasta, N::Chitra, N::Swati,
               N::Anuradha, N::Shravana, N::Revati}),
     kRiktaAndNewMoon | kAnadhyaya, kMaleficDays, kDushtaYogas, kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Samskara prakarana (namakarana): the fixed, movable,
    // gentle and light stars; tithis 1, 2, 3, 5, 7, 10, 11, 12, 13.
    {"Naming of The Child or Namakarana", "a naming",
     SetOf<N>({N::Ashwini, N::Rohini, N::Mrigasira, N::Punarvasu, N::Pushya, N::UttaraPhalguni,
               N::Hasta, N::Chitra, N::Swati, N::Anuradha, N::UttaraAshadha, N::Shravana,
               N::Dhanistha, N::Shatabhisha, N::UttaraBhadrapada, N::Revati}),
     kRiktaAndNewMoon | BothFortnights({6, 8}) | Numbers({15}), kMaleficDaysAndSunday,
     kDushtaYogas, kAlwaysAvoidedKaranas},
    // Muhurta Chintamani, Samskara prakarana (karnavedha): the soft stars.
    {"Piercing of the Ear or Karnavedha", "an ear piercing",
     SetOf<N>({N::Rohini, N::Mrigasira, N::Punarvasu, N::Pushya, N::Hasta, N::Chitra, N::Swati,
               N::Anuradha, N::Shravana, N::Dhanistha, N::Revati}),
     kRiktaAndNewMoon, kMaleficDays, kDushtaYogas, kAlwaysAvoidedKaranas},
    // Every journey alike (Journey above).
    Journey("Domestic Journey"),
    Journey("Religious Journey"),
    Journey("Foreign Journey"),
    // Muhurta Chintamani, Nakshatra prakarana: buying (kraya) in Revati,
    // Shatabhisha, Ashwini, Swati, Shravana and Chitra, selling (vikraya) in
    // the three Purvas, Krittika, Vishakha, Ashlesha and Bharani.
    {"Buying Item", "a purchase",
     SetOf<N>({N::Ashwini, N::Chitra, N::Swati, N::Shravana, N::Shatabhisha, N::Revati}),
     kRiktaAndNewMoon, kMaleficDays, kAlwaysAvoidedYogas, kAlwaysAvoidedKaranas},
    {"Sell Item", "a sale",
     SetOf<N>({N::Bharani, N::Krittika, N::Ashlesha, N::PoorvaPhalguni, N::Vishakha,
               N::PurvaAshadha, N::PoorvaBhadrapada}),
     kRiktaAndNewMoon, 0, kAlwaysAvoidedYogas, kAlwaysAvoidedKaranas},
}};
// clang-format on

}  // namespace horavela::shuddhi
