#include "engine/problem.h"

#include <array>
#include <cstdio>

#include "calendar/civil_calendar.h"

namespace horavela {

std::string ProblemText(const Problem& problem) {
  if (problem.path.empty()) return problem.message;
  return problem.path + ": " + problem.message;
}

namespace messages {

namespace {

bool IsContinuation(unsigned char c) {
  return c >= 0x80 && c <= 0xBF;
}

// Bytes of the UTF-8 sequence starting at `at`, or 0 when it is not one
// (overlong forms and surrogates included).
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (length == 0 || at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (!IsContinuation(byte(i))) return 0;
  return length;
}

std::string Escaped(const char* format, unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// One character of an echo as it is shown.
std::string Shown(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) {
    if (lead < 0x20 || lead == 0x7F) return Escaped("\\u%04X", lead);
    if (lead == '"' || lead == '\\') return std::string("\\") + character[0];
    return std::string(character);
  }
  // U+0080..U+009F are control characters too.
  const auto second = static_cast<unsigned char>(character[1]);
  if (lead == 0xC2 && second <= 0x9F) return Escaped("\\u%04X", second);
  return std::string(character);
}

}  // namespace

std::string Echo(std::string_view text) {
  std::string shown = "\"";
  std::size_t at = 0;
  for (std::size_t count = 0; at < text.size() && count < kEchoLimit; ++count) {
    const std::size_t length = SequenceLength(text, at);
    if (length == 0) {
      shown += Escaped("\\x%02X", static_cast<unsigned char>(text[at]));
      ++at;
    } else {
      shown += Shown(text.substr(at, length));
      at += length;
    }
  }
  return shown + (at < text.size() ? "...\"" : "\"");
}

std::string Missing() {
  return "is missing";
}

std::string WrongType(std::string_view expected, std::string_view found) {
  return "must be " + std::string(expected) + ", not " + std::string(found);
}

std::string Beyond16Bits(std::string_view valueText) {
  std::string value(valueText.substr(0, kEchoLimit));
  if (valueText.size() > kEchoLimit) value += "...";
  return "must be a whole number from -32768 to 32767, not " + value;
}

std::string NotJson(std::string_view position, std::string_view reason) {
  return "not valid JSON at " + std::string(position) + " (" + std::string(reason) + ")";
}

std::string NumberTooLarge() {
  return "not valid JSON: a number is too large to read";
}

std::string Between(long long low, long long high) {
  return "must be between " + std::to_string(low) + " and " + std::to_string(high);
}

std::string NoSuchDate(int year, int month, int day) {
  const std::string_view name = month >= 1 && month <= 12 ? kMonthNames[month - 1] : "month";
  return std::string(name) + " " + std::to_string(day) + " " + std::to_string(year) +
         " does not exist";
}

std::string NulByte(std::size_t offset) {
  return "holds a NUL byte at byte " + std::to_string(offset + 1) +
         "; a JSON text has none, so nothing after it would be read";
}

std::string TooLong(std::size_t limit, std::size_t characters) {
  return "is longer than " + std::to_string(limit) + " characters (it has " +
         std::to_string(characters) + ")";
}

std::string BeyondLimit(int maxDegrees) {
  return "must be 0 at " + std::to_string(maxDegrees) + " degrees";
}

std::string UnknownSubject(std::string_view subject) {
  return "unknown subject " + Echo(subject) + " (horavela-cli subjects lists them)";
}

std::string NoSubject() {
  return "no subject to search";
}

std::string UnknownSex(std::string_view sex) {
  return "must be \"Male\" or \"Female\", not " + Echo(sex);
}

std::string UnknownResultWord(std::string_view word) {
  return "must be \"Good\", \"Average\" or \"Bad\", not " + Echo(word);
}

std::string UnknownWeekday(std::string_view weekday) {
  return "must be a weekday from \"Sunday\" to \"Saturday\", not " + Echo(weekday);
}

std::string ZoneSigns(int hours, int minutes) {
  return "hours " + std::to_string(hours) + " and minutes " + std::to_string(minutes) +
         " must have the same sign (Indian Time is -5 and -30, west positive)";
}

std::string ZoneTwice(std::string_view given) {
  return "\"tz\" and " + std::string(given) +
         " were both given; give either \"tz\" or \"zone\" with \"dst\"";
}

std::string EmptyZoneName() {
  return "must name a time zone, such as \"Asia/Kolkata\"";
}

std::string UnknownZone(std::string_view name) {
  return "unknown time zone " + Echo(name) +
         " (give a tz-database name such as \"Asia/Kolkata\" or \"America/New_York\")";
}

std::string RangeBackwards() {
  return "the range ends before it begins";
}

std::string NotAWholeCount() {
  return "must be a whole number of at least 1";
}

std::string RangeTooLong() {
  return "the range may be at most 10 years long";
}

std::string RangeBeforeBirth(std::string_view rangeEnd, std::string_view birth) {
  return "the range ends at " + std::string(rangeEnd) + ", before the birth at " +
         std::string(birth);
}

std::string RangeBeforePartnersBirth(std::string_view rangeEnd, std::string_view birth) {
  return "the range ends at " + std::string(rangeEnd) + ", before the partner's birth at " +
         std::string(birth);
}

std::string BirthAfterElection(std::string_view birth, std::string_view election) {
  return "the birth at " + std::string(birth) + " is later than the election moment at " +
         std::string(election);
}

}  // namespace messages

}  // namespace horavela
