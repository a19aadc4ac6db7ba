#pragma once

#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "engine/problem.h"

// What a step of the core hands back: its value, or the one Problem that
// stopped it. Shaped like C++23's std::expected<T, Problem> (has_value,
// value, error, operator bool, * and ->), so it can give way to it once
// every compiler we build with has it.
namespace horavela {

// Marks a Problem as the failure of a Result: `return Unexpected(problem);`
// (std::unexpected's role).
struct Unexpected {
  explicit Unexpected(Problem p) : problem(std::move(p)) {}
  Problem problem;
};

// A failure to read or write a file or the book: no field is at fault, and
// the message is a whole sentence.
inline Unexpected StorageFailure(std::string message) {
  return Unexpected(Problem{"", std::move(message), Rule::Storage});
}

template <typename T>
class Result {
 public:
  Result(const T& value) : state_(std::in_place_index<0>, value) {}
  Result(T&& value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(Unexpected failure) : state_(std::in_place_index<1>, std::move(failure.problem)) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  // Only on a value: reading the value of a failure is a fault of the caller.
  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T&& operator*() && { return std::move(*this).value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  // Only on a failure.
  const Problem& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, Problem> state_;
};

// A step that gives nothing back but may fail: a check.
template <>
class Result<void> {
 public:
  Result() = default;
  Result(Unexpected failure) : problem_(std::move(failure.problem)), failed_(true) {}

  bool has_value() const { return !failed_; }
  explicit operator bool() const { return has_value(); }
  void value() const {}
  const Problem& error() const { return problem_; }

 private:
  Problem problem_;
  bool failed_ = false;
};

// The first failure among checks already made, in the order given; a value
// when all passed. For checks cheap enough to make all of them.
inline Result<void> FirstFailure(std::initializer_list<Result<void>> checks) {
  for (const Result<void>& check : checks) {
    if (!check) return check;
  }
  return {};
}

}  // namespace horavela
