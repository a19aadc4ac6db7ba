#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "book/book.h"
#include "engine/calculation_settings.h"

class QComboBox;
class QPushButton;
class QTextEdit;

namespace horavela::app {

// Tools > Match two people...: a groom and a bride from the book, matched
// on Match; the one-page report read-only below, printed, saved as PDF or
// exported to RTF.
class MatchDialog : public QDialog {
  Q_OBJECT

 public:
  MatchDialog(const std::vector<book::Person>& people, const CalculationSettings& settings,
              const AppServices& services, QWidget* parent);

  // Puts the person of book id `id` in the groom's or the bride's box
  // (by sex when the other box is not given); nothing when not listed.
  void Choose(std::int64_t id);

  void Match();
  void Print();
  void SavePdf();
  void SaveRtf();

 private:
  QString SuggestedName(const char* extension) const;
  void Save(const QString& path, std::string_view bytes);

  std::vector<book::Person> people_;
  CalculationSettings settings_;
  AppServices services_;
  QComboBox* groom_ = nullptr;
  QComboBox* bride_ = nullptr;
  QTextEdit* report_ = nullptr;
  std::vector<QPushButton*> outputs_;  // print, PDF, RTF: only with a report shown
  std::string rtf_;
};

}  // namespace horavela::app
