// Importing 2,500 people into books that already hold some: the duplicate
// check looks each one up through an index, so a batch costs about the same
// whether the book is empty or holds thousands.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "book/book.h"

namespace horavela {
namespace {

constexpr int kBatch = 2500;

// People told apart by name and birth minute, from `first` on.
std::vector<book::Person> People(int first, int count) {
  std::vector<book::Person> people;
  for (int i = first; i < first + count; ++i) {
    book::Person person;
    person.name = "Person " + std::to_string(i);
    person.sex = i % 2 == 0 ? "Female" : "Male";
    person.birth.year = static_cast<std::int16_t>(1901 + i % 150);
    person.birth.month = 6;
    person.birth.day = 21;
    person.birth.hour = 6;
    person.birth.minute = static_cast<std::int16_t>(i % 60);
    person.birth.place.latitudeDegrees = 13;
    person.birth.place.longitudeDegrees = 80;
    person.birth.place.zoneHours = -5;
    person.birth.place.zoneMinutes = -30;
    person.birth.place.city = "Chennai";
    people.push_back(person);
  }
  return people;
}

void BM_ImportIntoABookHolding(benchmark::State& state) {
  const int held = static_cast<int>(state.range(0));
  const std::vector<book::Person> batch = People(held, kBatch);
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir folder;
    auto book = std::move(*book::Book::Open(folder.filePath("book.sqlite").toStdString()));
    if (held > 0) (void)book->Import(People(0, held), {});
    state.ResumeTiming();
    benchmark::DoNotOptimize(book->Import(batch, {}));
  }
}
BENCHMARK(BM_ImportIntoABookHolding)
    ->Arg(0)
    ->Arg(2500)
    ->Arg(7500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

}  // namespace
}  // namespace horavela
