#pragma once

#include <optional>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "engine/planet_ephemeris.h"
#include "language/language.h"
#include "tradition/veto.h"

// A month on one page, as a wall almanac prints it: for each civil day at a
// place its sunrise and sunset, the tithi and nakshatra running at sunrise
// with the times they end, Rahu kalam and the tradition's vetoes. Each value
// is the Day view's own, computed once for the whole month.
namespace horavela {

struct MonthRequest : ZonedPlace {
  int year = 2000;
  int month = 1;
  // Holashtak and Pitru Paksha only when `regional` is set, as the almanac
  // lists them.
  VetoOptions vetoes;
  // When set, a person (name, sex, birth) whose chandrashtama days the
  // month marks; with subjects and a minimum result too, each day's best
  // window of the finder (the place and range are the month's).
  std::optional<SearchRequest> person;
  // How every day is computed; the vetoes and the person's windows follow
  // them too.
  CalculationSettings settings;
};

struct MonthDay {
  int day = 1;
  std::string weekday;                   // of the day's sunrise; empty without one
  Weekday weekdayValue = Weekday::None;  // the same, to be named in any language
  std::optional<LocalTime> sunrise;
  std::optional<LocalTime> sunset;
  bool clockChanges = false;  // as the day's RiseAndSet says
  // Running at sunrise, from where it began to where it ends; none without a
  // sunrise.
  std::optional<Period> tithi;
  std::optional<Period> nakshatra;  // whole, "Pushya", not by pada
  std::optional<Period> rahuKalam;  // none without the day's parts
  // Every veto in force at some minute of the civil day, whole.
  std::vector<VetoPeriod> vetoes;
  // With a person: the best window (BestKeyOf) reaching the minimum result
  // at some minute of the day, whole (it may begin the day before).
  std::optional<SearchWindow> best;
  // With a person: each stretch of the Moon in the eighth sign from their
  // birth Moon that touches the civil day, whole.
  std::vector<Period> chandrashtama;
};

struct MonthAtAGlance {
  int year = 2000;
  int month = 1;
  std::vector<MonthDay> days;  // one per civil day, 1 to its last
};

// "21:13" for a time on the cell's own date, "01:12+1" for one on the next
// (a tithi that ends after midnight), as the month's page writes its times.
std::string ClockOnDay(const LocalTime& time, int year, int month, int day);

// The cell's chandrashtama as the month's page marks it: "Chandrashtama" on
// a day it fills, "Chandrashtama from 13:02" where it begins, "Chandrashtama
// to 09:41" where it ends, "Chandrashtama 01:10-13:02" for both; empty on a
// day without it. In another language its words are the language's.
std::string ChandrashtamaMark(const MonthDay& cell, int year, int month,
                              Language language = Language::English);

MonthAtAGlance ComputeMonth(const MonthRequest& request, PlanetEphemeris& ephemeris);

}  // namespace horavela
