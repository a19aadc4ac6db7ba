#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace horavela {

// Which rule an input broke. Front ends that word problems their own way (the
// desktop pages) choose their text by the rule and the field.
enum class Rule {
  Missing,
  WrongType,
  NotJson,
  OutOfRange,    // a number outside what its field allows
  NoSuchDate,    // 31 April, 29 February of a common year
  BeyondLimit,   // minutes past 90 degrees of latitude or 180 of longitude
  UnknownText,   // a text that is not one of the allowed ones
  Inconsistent,  // fields that contradict each other
  RangeTooLong,  // a search range longer than the finder takes
  TooLong,       // a text longer than its field holds
  Storage,       // a file or the book that could not be read or written
};

// One problem with an input: the field at fault as a JSON path
// ("election.latitude.degrees", "from.day", "people[2].name"; "request" for
// the request as a whole) and what is wrong with it, worded to follow the path.
// A problem with no field at fault (a file that cannot be written) has an
// empty path and a message that is a whole sentence.
struct Problem {
  std::string path;
  std::string message;
  Rule rule = Rule::OutOfRange;
};

// "election.latitude.degrees: must be between 0 and 90"; the message alone
// when the path is empty.
std::string ProblemText(const Problem& problem);

// Every message the core's checks and the command-line tool give, in one
// place so that the same problem reads the same everywhere.
namespace messages {

// User input as it may appear inside a message: in double quotes, at most 80
// characters (then "..."), never cut inside a UTF-8 sequence, with control
// characters, quotes and backslashes escaped so nothing can cut the message
// short or make it ambiguous.
std::string Echo(std::string_view text);

inline constexpr std::size_t kEchoLimit = 80;

std::string Missing();
// "must be a whole number, not a string"; `expected` and `found` are phrases.
std::string WrongType(std::string_view expected, std::string_view found);
// `valueText` is the number as written in the request.
std::string Beyond16Bits(std::string_view valueText);
std::string NotJson(std::string_view position, std::string_view reason);
std::string NumberTooLarge();
// A NUL byte `offset` bytes into the text, where JSON allows none.
std::string NulByte(std::size_t offset);
std::string Between(long long low, long long high);
std::string NoSuchDate(int year, int month, int day);
// "is longer than 200 characters (it has 1048576)"
std::string TooLong(std::size_t limit, std::size_t characters);
std::string BeyondLimit(int maxDegrees);
std::string UnknownSubject(std::string_view subject);
std::string NoSubject();
std::string UnknownSex(std::string_view sex);
std::string UnknownResultWord(std::string_view word);
std::string UnknownWeekday(std::string_view weekday);
std::string ZoneSigns(int hours, int minutes);
// `given` names the zone fields given beside "tz": "\"zone\"", "\"zone\" and \"dst\"".
std::string ZoneTwice(std::string_view given);
std::string EmptyZoneName();
std::string UnknownZone(std::string_view name);
std::string RangeBackwards();
std::string NotAWholeCount();
std::string RangeTooLong();
// The range's last minute and the birth, as "23:59 on 14 November 2024".
std::string RangeBeforeBirth(std::string_view rangeEnd, std::string_view birth);
// The same for the partner's birth in a search for two.
std::string RangeBeforePartnersBirth(std::string_view rangeEnd, std::string_view birth);
// Both as "10:00 on 14 November 2024".
std::string BirthAfterElection(std::string_view birth, std::string_view election);

}  // namespace messages

}  // namespace horavela
