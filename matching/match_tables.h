#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/vocabulary.h"
#include "language/wording.h"

// The classical tables of marriage matching, laid out as the almanacs print
// them. Sources: Muhurta Chintamani (Vivaha prakarana) for the kootas, their
// points and the vedha pairs; Brihat Parashara Hora Shastra for the natural
// friendships of the planets; the South Indian porutham manuals for rajju and
// the vasya signs. Names of the classes live only in the name tables below.
namespace horavela::matching {

// clang-format off
enum class Varna : std::int8_t { Brahmin, Kshatriya, Vaishya, Shudra };
// The four classes of the Moon's sign, repeating with the elements from Aries:
// fire Kshatriya, earth Vaishya, air Shudra, water Brahmin. (Some pages swap
// earth and air, e.g. saravali.github.io/astrology/koota_varna.html; this
// order is sriramgurujala.com's and most almanacs'.)
inline constexpr std::array<Varna, 12> kVarnaOfSign = {
  Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin,   // Mesha .. Kataka
  Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin,   // Simha .. Vrischika
  Varna::Kshatriya, Varna::Vaishya, Varna::Shudra, Varna::Brahmin};  // Dhanus .. Meena

// The five vashya groups. Dhanus is human in its first half and a quadruped in
// its second; Makara a quadruped in its first half and of the water in its second.
enum class Vashya : std::int8_t { Chatushpada, Manava, Jalachara, Vanachara, Keeta };
struct VashyaOfSign {
  Vashya firstHalf;
  Vashya secondHalf;
};
inline constexpr std::array<VashyaOfSign, 12> kVashyaOfSign = {{
  {Vashya::Chatushpada, Vashya::Chatushpada},  // Mesha
  {Vashya::Chatushpada, Vashya::Chatushpada},  // Vrishabha
  {Vashya::Manava,      Vashya::Manava},       // Mithuna
  {Vashya::Jalachara,   Vashya::Jalachara},    // Kataka
  {Vashya::Vanachara,   Vashya::Vanachara},    // Simha
  {Vashya::Manava,      Vashya::Manava},       // Kanya
  {Vashya::Manava,      Vashya::Manava},       // Thula
  {Vashya::Keeta,       Vashya::Keeta},        // Vrischika
  {Vashya::Manava,      Vashya::Chatushpada},  // Dhanus
  {Vashya::Chatushpada, Vashya::Jalachara},    // Makara
  {Vashya::Manava,      Vashya::Manava},       // Kumbha
  {Vashya::Jalachara,   Vashya::Jalachara},    // Meena
}};
// Points of vashya, the groom's group down the side, the bride's across,
// in half points (of 4 halves = 2 points). Variants: ranjanadikshit.com
// counts Manava as vashya to Vanachara (1 point, here 0), and a Telugu worked
// example (telugusourabham.blogspot.com, 2012/12) takes all of Dhanus as human.
inline constexpr std::array<std::array<std::int8_t, 5>, 5> kVashyaHalves = {{
  //  Chat Mana Jala Vana Keet     (bride)
  {{   4,   2,   2,   1,   2 }},  // Chatushpada (groom)
  {{   2,   4,   1,   0,   2 }},  // Manava
  {{   2,   1,   4,   2,   2 }},  // Jalachara
  {{   1,   0,   2,   4,   0 }},  // Vanachara
  {{   2,   2,   2,   0,   4 }},  // Keeta
}};

// The fourteen yoni animals of the stars (Abhijit, the mongoose's second star,
// is not one of the 27).
enum class Yoni : std::int8_t {
  Horse, Elephant, Sheep, Serpent, Dog, Cat, Rat, Cow, Buffalo, Tiger, Deer, Monkey, Mongoose,
  Lion
};
inline constexpr std::array<Yoni, 27> kYoniOfStar = {
  Yoni::Horse,   Yoni::Elephant, Yoni::Sheep,    // Ashwini, Bharani, Krittika
  Yoni::Serpent, Yoni::Serpent,  Yoni::Dog,      // Rohini, Mrigasira, Ardra
  Yoni::Cat,     Yoni::Sheep,    Yoni::Cat,      // Punarvasu, Pushya, Ashlesha
  Yoni::Rat,     Yoni::Rat,      Yoni::Cow,      // Magha, P.Phalguni, U.Phalguni
  Yoni::Buffalo, Yoni::Tiger,    Yoni::Buffalo,  // Hasta, Chitra, Swati
  Yoni::Tiger,   Yoni::Deer,     Yoni::Deer,     // Vishakha, Anuradha, Jyeshtha
  Yoni::Dog,     Yoni::Monkey,   Yoni::Mongoose, // Moola, P.Ashadha, U.Ashadha
  Yoni::Monkey,  Yoni::Lion,     Yoni::Horse,    // Shravana, Dhanistha, Shatabhisha
  Yoni::Lion,    Yoni::Cow,      Yoni::Elephant, // P.Bhadrapada, U.Bhadrapada, Revati
};
// The seven pairs of sworn enemies (0 points; the porutham fails on them).
inline constexpr std::array<std::array<Yoni, 2>, 7> kYoniEnemies = {{
  {Yoni::Horse, Yoni::Buffalo}, {Yoni::Elephant, Yoni::Lion}, {Yoni::Sheep, Yoni::Monkey},
  {Yoni::Serpent, Yoni::Mongoose}, {Yoni::Dog, Yoni::Deer}, {Yoni::Cat, Yoni::Rat},
  {Yoni::Cow, Yoni::Tiger},
}};
// Points of yoni: 4 the same animal, 3 friends, 2 neutral, 1 unfriendly, 0 sworn enemies
// (freehoroscopesonline.in/yonikoota.php). Symmetric: saravali.de's table
// reads Deer with Horse 1 and Lion with Buffalo 2 for one side only.
inline constexpr std::array<std::array<std::int8_t, 14>, 14> kYoniPoints = {{
  // Hor Ele She Ser Dog Cat Rat Cow Buf Tig Dee Mon Mgs Lio
  {{  4,  2,  2,  3,  2,  2,  2,  1,  0,  1,  3,  3,  2,  1 }},  // Horse
  {{  2,  4,  3,  3,  2,  2,  2,  2,  3,  1,  2,  3,  2,  0 }},  // Elephant
  {{  2,  3,  4,  2,  1,  2,  1,  3,  3,  1,  2,  0,  3,  1 }},  // Sheep
  {{  3,  3,  2,  4,  2,  1,  1,  1,  1,  2,  2,  2,  0,  2 }},  // Serpent
  {{  2,  2,  1,  2,  4,  2,  1,  2,  2,  1,  0,  2,  1,  1 }},  // Dog
  {{  2,  2,  2,  1,  2,  4,  0,  2,  2,  1,  3,  3,  2,  1 }},  // Cat
  {{  2,  2,  1,  1,  1,  0,  4,  2,  2,  2,  2,  2,  1,  2 }},  // Rat
  {{  1,  2,  3,  1,  2,  2,  2,  4,  3,  0,  3,  2,  2,  1 }},  // Cow
  {{  0,  3,  3,  1,  2,  2,  2,  3,  4,  1,  2,  2,  2,  1 }},  // Buffalo
  {{  1,  1,  1,  2,  1,  1,  2,  0,  1,  4,  1,  1,  2,  1 }},  // Tiger
  {{  3,  2,  2,  2,  0,  3,  2,  3,  2,  1,  4,  2,  2,  1 }},  // Deer
  {{  3,  3,  0,  2,  2,  3,  2,  2,  2,  1,  2,  4,  3,  2 }},  // Monkey
  {{  2,  2,  3,  0,  1,  2,  1,  2,  2,  2,  2,  3,  4,  2 }},  // Mongoose
  {{  1,  0,  1,  2,  1,  1,  2,  1,  1,  1,  1,  2,  2,  4 }},  // Lion
}};

// Natural friendship of the seven planets (Brihat Parashara Hora Shastra):
// how one regards another; the table is in match_tables.cpp.
enum class Regard : std::int8_t { Friend, Neutral, Enemy };
// Graha maitri, in half points, from the two regards: both friends (or one
// lord) 5, friend and neutral 4, both neutral 3, friend and enemy 1, neutral
// and enemy 1/2, both enemies 0.
inline constexpr std::array<std::array<std::int8_t, 3>, 3> kMaitriHalves = {{
  // Friend Neutral Enemy
  {{   10,     8,     2 }},  // Friend
  {{    8,     6,     1 }},  // Neutral
  {{    2,     1,     0 }},  // Enemy
}};

enum class Gana : std::int8_t { Deva, Manushya, Rakshasa };
inline constexpr std::array<Gana, 27> kGanaOfStar = {
  Gana::Deva,     Gana::Manushya, Gana::Rakshasa,  // Ashwini, Bharani, Krittika
  Gana::Manushya, Gana::Deva,     Gana::Manushya,  // Rohini, Mrigasira, Ardra
  Gana::Deva,     Gana::Deva,     Gana::Rakshasa,  // Punarvasu, Pushya, Ashlesha
  Gana::Rakshasa, Gana::Manushya, Gana::Manushya,  // Magha, P.Phalguni, U.Phalguni
  Gana::Deva,     Gana::Rakshasa, Gana::Deva,      // Hasta, Chitra, Swati
  Gana::Rakshasa, Gana::Deva,     Gana::Rakshasa,  // Vishakha, Anuradha, Jyeshtha
  Gana::Rakshasa, Gana::Manushya, Gana::Manushya,  // Moola, P.Ashadha, U.Ashadha
  Gana::Deva,     Gana::Rakshasa, Gana::Rakshasa,  // Shravana, Dhanistha, Shatabhisha
  Gana::Manushya, Gana::Manushya, Gana::Deva,      // P.Bhadrapada, U.Bhadrapada, Revati
};
// Points of gana, the groom's down the side, the bride's across. Pages vary:
// astroyogi.com gives groom Deva with bride Manushya 5 (the reverse 6) and
// groom Rakshasa with bride Deva 0; futuresamachar.com groom Deva with bride
// Rakshasa 0.
inline constexpr std::array<std::array<std::int8_t, 3>, 3> kGanaPoints = {{
  // Deva Manushya Rakshasa  (bride)
  {{  6,     6,       1 }},  // Deva (groom)
  {{  5,     6,       0 }},  // Manushya
  {{  1,     0,       6 }},  // Rakshasa
}};

// The three nadis run up and down the stars in threes: Adi, Madhya, Antya,
// Antya, Madhya, Adi, ...
enum class Nadi : std::int8_t { Adi, Madhya, Antya };
inline constexpr std::array<Nadi, 27> kNadiOfStar = {
  Nadi::Adi,   Nadi::Madhya, Nadi::Antya,  Nadi::Antya,  Nadi::Madhya, Nadi::Adi,    // Ashwini..Ardra
  Nadi::Adi,   Nadi::Madhya, Nadi::Antya,  Nadi::Antya,  Nadi::Madhya, Nadi::Adi,    // Punarvasu..U.Phalguni
  Nadi::Adi,   Nadi::Madhya, Nadi::Antya,  Nadi::Antya,  Nadi::Madhya, Nadi::Adi,    // Hasta..Jyeshtha
  Nadi::Adi,   Nadi::Madhya, Nadi::Antya,  Nadi::Antya,  Nadi::Madhya, Nadi::Adi,    // Moola..Shatabhisha
  Nadi::Adi,   Nadi::Madhya, Nadi::Antya,                                            // P.Bhadrapada..Revati
};

// Tara: each star counted from the other, inclusively, in nines (a Telugu
// worked example counts the groom's from the bride's only); the third
// (Vipat), fifth (Pratyak) and seventh (Naidhana) tara are the bad ones.
inline constexpr std::array<bool, 9> kTaraIsBad = {
  false, false, true, false, true, false, true, false, false};  // 1st .. 9th tara

// Bhakoot: the bride's sign counted from the groom's (and so the groom's from
// the bride's) is 2/12, 5/9 or 6/8 apart: the dosha; 1/1, 3/11, 4/10, 7/7 agree.
inline constexpr std::array<bool, 12> kBhakootIsBad = {
  false, true, false, false, true, true, false, true, true, false, false, true};  // 1st .. 12th

// Rajju: the body part of each star, up and down in fives (pada, kati, nabhi,
// kanta, siro, kanta, nabhi, kati, pada, ...).
enum class Rajju : std::int8_t { Pada, Kati, Nabhi, Kanta, Siro };
inline constexpr std::array<Rajju, 27> kRajjuOfStar = {
  Rajju::Pada,  Rajju::Kati,  Rajju::Nabhi, Rajju::Kanta, Rajju::Siro,   // Ashwini..Mrigasira
  Rajju::Kanta, Rajju::Nabhi, Rajju::Kati,  Rajju::Pada,                 // Ardra..Ashlesha
  Rajju::Pada,  Rajju::Kati,  Rajju::Nabhi, Rajju::Kanta, Rajju::Siro,   // Magha..Chitra
  Rajju::Kanta, Rajju::Nabhi, Rajju::Kati,  Rajju::Pada,                 // Swati..Jyeshtha
  Rajju::Pada,  Rajju::Kati,  Rajju::Nabhi, Rajju::Kanta, Rajju::Siro,   // Moola..Dhanistha
  Rajju::Kanta, Rajju::Nabhi, Rajju::Kati,  Rajju::Pada,                 // Shatabhisha..Revati
};

// Vedha: the pairs of stars that pierce each other; Mrigasira, Chitra and
// Dhanistha pierce one another.
inline constexpr std::array<std::array<Nakshatra, 2>, 15> kVedhaPairs = {{
  {Nakshatra::Ashwini, Nakshatra::Jyeshtha},          {Nakshatra::Bharani, Nakshatra::Anuradha},
  {Nakshatra::Krittika, Nakshatra::Vishakha},         {Nakshatra::Rohini, Nakshatra::Swati},
  {Nakshatra::Ardra, Nakshatra::Shravana},            {Nakshatra::Punarvasu, Nakshatra::UttaraAshadha},
  {Nakshatra::Pushya, Nakshatra::PurvaAshadha},       {Nakshatra::Ashlesha, Nakshatra::Moola},
  {Nakshatra::Magha, Nakshatra::Revati},              {Nakshatra::PoorvaPhalguni, Nakshatra::UttaraBhadrapada},
  {Nakshatra::UttaraPhalguni, Nakshatra::PoorvaBhadrapada}, {Nakshatra::Hasta, Nakshatra::Shatabhisha},
  {Nakshatra::Mrigasira, Nakshatra::Dhanistha},       {Nakshatra::Chitra, Nakshatra::Dhanistha},
  {Nakshatra::Mrigasira, Nakshatra::Chitra},
}};

// Vasya porutham: the signs each sign holds in its sway.
inline constexpr std::array<std::array<Rashi, 2>, 12> kVasyaSigns = {{
  {Rashi::Simha, Rashi::Vrischika},  // Mesha
  {Rashi::Kataka, Rashi::Thula},     // Vrishabha
  {Rashi::Kanya, Rashi::None},       // Mithuna
  {Rashi::Vrischika, Rashi::Dhanus}, // Kataka
  {Rashi::Thula, Rashi::None},       // Simha
  {Rashi::Meena, Rashi::Mithuna},    // Kanya
  {Rashi::Makara, Rashi::Kanya},     // Thula
  {Rashi::Kataka, Rashi::None},      // Vrischika
  {Rashi::Meena, Rashi::None},       // Dhanus
  {Rashi::Mesha, Rashi::Kumbha},     // Makara
  {Rashi::Mesha, Rashi::None},       // Kumbha
  {Rashi::Makara, Rashi::None},      // Meena
}};

// Rasi porutham: the groom's sign counted from the bride's. Beyond the sixth
// it agrees, save the eighth and the twelfth; the same sign agrees.
inline constexpr std::array<bool, 12> kRasiAgrees = {
  true, false, false, false, false, false, true, false, true, true, true, false};  // 1st .. 12th

// Mahendra: the groom's star counted from the bride's.
inline constexpr std::array<std::int8_t, 8> kMahendraCounts = {4, 7, 10, 13, 16, 19, 22, 25};
// Stree-deergha: the groom's star at least this far from the bride's.
inline constexpr int kStreeDeerghaMinimum = 13;
// Dina: the groom's star counted from the bride's; these counts agree.
inline constexpr std::array<std::int8_t, 12> kDinaCounts = {2, 4, 6, 8, 9, 11, 13, 15, 18, 20,
                                                            24, 26};
// clang-format on

// The names the reasons print.
std::string_view NameOf(Varna varna);
std::string_view NameOf(Vashya vashya);
std::string_view NameOf(Yoni yoni);
std::string_view NameOf(Gana gana);
std::string_view NameOf(Nadi nadi);
std::string_view NameOf(Rajju rajju);
std::string_view NameOf(Regard regard);

// A class, star, sign or planet as a part of a reason, named in the reader's
// language when the reason is said.
inline TermSet SetOf(Varna) {
  return TermSet::Varna;
}
inline TermSet SetOf(Vashya) {
  return TermSet::Vashya;
}
inline TermSet SetOf(Yoni) {
  return TermSet::Yoni;
}
inline TermSet SetOf(Gana) {
  return TermSet::Gana;
}
inline TermSet SetOf(Nadi) {
  return TermSet::Nadi;
}
inline TermSet SetOf(Rajju) {
  return TermSet::Rajju;
}
inline TermSet SetOf(Regard) {
  return TermSet::Regard;
}
template <typename Class>
Wording Named(Class value) {
  return TermNamed(SetOf(value), static_cast<int>(value));
}
inline Wording Named(Nakshatra star) {
  return NameWord(star);
}
inline Wording Named(Rashi sign) {
  return NameWord(sign);
}
inline Wording Named(Planet planet) {
  return NameWord(planet);
}

// Lookups of the tables for typed values.
Varna VarnaOf(Rashi sign);
Yoni YoniOf(Nakshatra star);
Gana GanaOf(Nakshatra star);
Nadi NadiOf(Nakshatra star);
Rajju RajjuOf(Nakshatra star);
// How `planet` regards `other` (Sun..Saturn; Neutral for the nodes).
Regard RegardOf(Planet planet, Planet other);
bool AreYoniEnemies(Yoni a, Yoni b);
bool PierceEachOther(Nakshatra a, Nakshatra b);
// `to` counted from `from`, inclusively: 1..27 and 1..12.
int StarCount(Nakshatra from, Nakshatra to);
int SignCount(Rashi from, Rashi to);

}  // namespace horavela::matching
