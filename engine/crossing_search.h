#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

// One search for the minutes at which a key function of time changes: step
// through the range no faster than the key can change twice, and where two
// samples differ, bisect the bracket down to the minute. Every element probe,
// the planets' sign changes, the explanation's boundaries and the day's
// element periods are found through it.
namespace horavela {

// Guided guesses before a bisection falls back to halving its bracket.
inline constexpr int kMaxGuidedSteps = 6;

// A change of the key: the first minute that shows the new key, and the
// samples at the minute before it and at it.
template <class Sample>
struct Crossing {
  std::int64_t minute = 0;
  Sample before;
  Sample after;
};

// The first minute of (low, high] whose sample is not `same` as `lowSample`
// (the sample at `low`), where `highSample` (at `high`) already differs and
// the key changes only once in between. `sampleAt(minute)` samples a minute;
// `fraction(lowSample, highSample)` says how far into the bracket the change
// should lie (not finite: no guess, halve). The bracket is always narrowed by
// the key itself, so the minute found is exact whatever the guesses.
template <class Sample, class SampleAt, class Same, class Fraction>
Crossing<Sample> Bisect(std::int64_t low, Sample lowSample, std::int64_t high, Sample highSample,
                        SampleAt&& sampleAt, Same&& same, Fraction&& fraction) {
  for (int step = 0; high - low > 1; ++step) {
    std::int64_t middle = low + (high - low) / 2;
    if (step < kMaxGuidedSteps) {
      const double f = fraction(lowSample, highSample);
      if (std::isfinite(f)) {
        const double guess =
            std::ceil(static_cast<double>(low) + f * static_cast<double>(high - low));
        middle = static_cast<std::int64_t>(
            std::clamp(guess, static_cast<double>(low + 1), static_cast<double>(high - 1)));
      }
    }
    Sample sample = sampleAt(middle);
    if (same(sample, lowSample)) {
      low = middle;
      lowSample = std::move(sample);
    } else {
      high = middle;
      highSample = std::move(sample);
    }
  }
  return {high, std::move(lowSample), std::move(highSample)};
}

// Every change over [first, last], sampling every `span` minutes (the key
// cannot change twice within one) and bisecting each bracket whose ends differ.
template <class Sample, class SampleAt, class Same, class Fraction>
std::vector<Crossing<Sample>> Crossings(std::int64_t first, std::int64_t last, std::int64_t span,
                                        SampleAt&& sampleAt, Same&& same, Fraction&& fraction) {
  std::vector<Crossing<Sample>> crossings;
  std::int64_t t = first;
  Sample value = sampleAt(t);
  while (t < last) {
    const std::int64_t next = std::min(t + span, last);
    Sample nextValue = sampleAt(next);
    if (same(nextValue, value)) {
      t = next;
      value = std::move(nextValue);
      continue;
    }
    crossings.push_back(
        Bisect(t, std::move(value), next, std::move(nextValue), sampleAt, same, fraction));
    t = crossings.back().minute;
    value = crossings.back().after;
  }
  return crossings;
}

// The next boundary above `x` on a grid of `step`.
inline double NextOnGrid(double x, double step) {
  return (std::floor(x / step) + 1) * step;
}

}  // namespace horavela
