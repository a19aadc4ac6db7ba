#include "explain/shuddhi_words.h"

#include <array>

namespace horavela {

namespace {

// Each list's sentence: %1 is the limb's value, then the fortnight where the
// list names one, then the undertaking where it does.
struct ListSentence {
  ShuddhiList list;
  const char* pattern;
  bool namesFortnight;
  bool namesUndertaking;
};
constexpr std::array<ListSentence, 10> kListSentences = {{
    {ShuddhiList::GivenNakshatras, "%1 is not one of the nakshatras the classical texts give %2",
     false, true},
    {ShuddhiList::NewMoon, "%1, the new Moon, is avoided", false, false},
    {ShuddhiList::RiktaTithis, "%1 is a Rikta tithi, avoided", false, false},
    {ShuddhiList::AvoidedTithis, "%1 is avoided for %2", false, true},
    {ShuddhiList::AvoidedFortnightTithis, "%1 of the %2 is avoided for %3", true, true},
    {ShuddhiList::AvoidedWeekdays, "%1 is avoided for %2", false, true},
    {ShuddhiList::AlwaysAvoidedYogas, "%1 yoga is avoided", false, false},
    {ShuddhiList::AvoidedYogas, "%1 yoga is avoided for %2", false, true},
    {ShuddhiList::Bhadra, "%1 (Bhadra) karana is avoided", false, false},
    {ShuddhiList::AvoidedKaranas, "%1 karana is avoided for %2", false, true},
}};

// The failing limb's value, in English as the rule lists spell it.
Wording ValueOf(const ShuddhiReason& reason) {
  switch (reason.limb) {
    case ShuddhiLimb::Nakshatra:
      return NameWord(reason.nakshatra, NameOf(reason.nakshatra));
    case ShuddhiLimb::Tithi:
      return NameWord(reason.tithi, RuleNameOf(reason.tithi));
    case ShuddhiLimb::Weekday:
      return NameWord(reason.weekday, NameOf(reason.weekday));
    case ShuddhiLimb::Yoga:
      return NameWord(reason.yoga, NameOf(reason.yoga));
    case ShuddhiLimb::Karana:
      return NameWord(reason.karana, NameOf(reason.karana));
  }
  return AsIs("");
}

}  // namespace

Wording ShuddhiWording(const ShuddhiReason& reason) {
  const ListSentence* found = &kListSentences.front();
  for (const ListSentence& row : kListSentences)
    if (row.list == reason.list) found = &row;
  const ListSentence& sentence = *found;
  std::vector<Wording> parts = {ValueOf(reason)};
  if (sentence.namesFortnight) parts.push_back(NameWord(reason.paksha, NameOf(reason.paksha)));
  if (sentence.namesUndertaking) parts.push_back(Worded(reason.undertaking));
  return Worded(sentence.pattern, std::move(parts));
}

}  // namespace horavela
