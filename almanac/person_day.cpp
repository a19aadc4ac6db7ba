#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "calendar/civil_calendar.h"
#include "panchang/strengths.h"
#include "search/minute_judge.h"

// A person's day: the strengths of the day's stars and Moon signs read from
// their birth Moon, and the stretches when the Moon stands in the eighth sign
// from it (chandrashtama), which almanacs warn them of.
namespace horavela {

namespace {

// The value whose printed name the day's period carries.
template <typename E>
E Named(std::string_view name) {
  for (int i = 0; i < static_cast<int>(E::None); ++i)
    if (NameOf(FromIndex<E>(i)) == name) return FromIndex<E>(i);
  return E::None;
}

// The midnight that ends the civil day.
LocalTime NextMidnight(const DayRequest& request) {
  const CivilDate next = CivilFromDays(DaysFromCivil(request.year, request.month, request.day) + 1);
  return {next.year, next.month, next.day};
}

}  // namespace

Rashi EighthSignFrom(Rashi birthMoon) {
  if (birthMoon == Rashi::None) return Rashi::None;
  return FromIndex<Rashi>((IndexOf(birthMoon) + 7) % 12);
}

std::vector<Period> ChandrashtamaOver(Rashi birthMoon, const std::vector<Period>& moonSigns,
                                      const LocalTime& from, const LocalTime& to) {
  const std::string_view eighth = NameOf(EighthSignFrom(birthMoon));
  std::vector<Period> spans;
  for (const Period& sign : moonSigns) {
    if (birthMoon != Rashi::None && sign.name == eighth && sign.from < to && from < sign.to)
      spans.push_back(sign);
  }
  return spans;
}

CalculationState BirthOf(const SearchRequest& person, const CalculationSettings& settings) {
  SearchRequest withSettings = person;
  withSettings.settings = settings;
  return MinuteJudge::BirthState(withSettings);
}

PersonDay PersonOfDay(const DayRequest& request, const std::vector<Period>& nakshatras,
                      const std::vector<Period>& moonSigns) {
  const CalculationState birth = BirthOf(*request.verdicts, request.settings);
  const Nakshatra birthStar = birth.BirthChart.nakshatra;
  const Rashi birthMoon = birth.BirthChart.moonSign;
  PersonDay person;
  person.name = request.verdicts->name;
  person.birthStar = NameOf(birthStar);
  person.birthMoonSign = NameOf(birthMoon);
  person.birthStarValue = birthStar;
  person.birthMoonSignValue = birthMoon;
  for (const Period& star : nakshatras) {
    const Nakshatra day = Named<Nakshatra>(star.name);
    const TaraCount count = request.settings.tarabala;
    const int tara = TaraNumberOf(birthStar, day, count);
    person.tarabala.push_back({star, std::string(TaraNameOf(tara)),
                               TaraBalaOf(birthStar, day, count), PeriodName::TaraOf(tara)});
  }
  for (const Period& sign : moonSigns)
    person.chandrabala.push_back({sign, {}, ChandraBalaOf(birthMoon, Named<Rashi>(sign.name))});
  const LocalTime midnight{request.year, request.month, request.day};
  person.chandrashtama = ChandrashtamaOver(birthMoon, moonSigns, midnight, NextMidnight(request));
  return person;
}

}  // namespace horavela
