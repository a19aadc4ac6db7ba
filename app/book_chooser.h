#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QTreeWidget;

namespace horavela::app {

// One entry of the book as the chooser lists it.
struct ChooserRow {
  std::int64_t id = 0;
  QStringList cells;
};

// A searchable list of the book's people or places: the filter box asks the
// book again as the user types; OK, Enter or a double click chooses.
class BookChooser : public QDialog {
  Q_OBJECT

 public:
  using Rows = std::function<std::vector<ChooserRow>(const QString& filter)>;

  BookChooser(const QString& title, const QString& searchHint, const QStringList& headers,
              Rows rows, QWidget* parent);

  // The id of the entry chosen, nothing when cancelled.
  std::optional<std::int64_t> chosen() const { return chosen_; }

  void accept() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refill();

  Rows rows_;
  QLineEdit* filter_ = nullptr;
  QTreeWidget* list_ = nullptr;
  std::optional<std::int64_t> chosen_;
};

}  // namespace horavela::app
