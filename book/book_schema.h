#pragma once

#include <string_view>
#include <vector>

// The tables of the book, version by version. A book begins at version 1 and
// is brought up to the current version by the upgrades in order, so a new
// book and an upgraded one are built by the same statements.
namespace horavela::book {

inline constexpr int kCurrentSchemaVersion = 2;

// The statements that create the first book (people only).
const std::vector<std::string_view>& FirstSchema();

// The statements that take a book from version `from` to `from + 1`.
const std::vector<std::string_view>& UpgradeFrom(int from);

// The indexes of the current version, each made only when missing.
const std::vector<std::string_view>& Indexes();

// The columns a book of `version` holds in `table`; empty when that version
// has no such table.
struct TableShape {
  std::string_view table;
  std::vector<std::string_view> columns;
};
std::vector<TableShape> ShapeOf(int version);

}  // namespace horavela::book
