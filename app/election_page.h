#pragma once

#include <vector>

#include "app/input_page.h"
#include "atlas/local_minute.h"

namespace horavela::app {

// The election page ("picSearchMode"): the date, time and place of the
// undertaking being judged.
class ElectionPage : public InputPage {
  Q_OBJECT

 public:
  explicit ElectionPage(const AppServices& services, QWidget* parent = nullptr);

  // Next's check: a known place with coordinates in range, a date in the
  // calendar, and a clock time the clocks did not skip.
  bool Check();
  // What "Save place" needs: a city and its coordinates.
  bool CheckPlaceToSave();
  // Writes the whole moment at once, as the search for good times chose it.
  void WriteMinute(const LocalMinute& minute);

  std::vector<QWidget*> TabStops() const;
};

}  // namespace horavela::app
