#pragma once

#include <QString>
#include <array>
#include <string_view>
#include <vector>

namespace horavela::app {

// The twelve main options of the start page and the subjects each one lists,
// in list order. The subject texts are the dispatch keys of the rule sets.
struct MainOption {
  std::string_view caption;
  std::vector<std::string_view> subjects;
};

inline constexpr int kMainOptionCount = 12;

const std::array<MainOption, kMainOptionCount>& MainOptions();

// A caption or subject as the page shows it, in the chosen language; the
// subject key itself stays English, the rule sets' dispatch key.
QString SubjectText(std::string_view key);
QString SubjectText(const QString& key);

}  // namespace horavela::app
