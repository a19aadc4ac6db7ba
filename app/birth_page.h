#pragma once

#include <QString>
#include <vector>

#include "app/input_page.h"

class QButtonGroup;
class QLineEdit;

namespace horavela::app {

class PartnerBox;

// The birth page ("picBirthDetails"): the person's name and sex, and the
// date, time and place of their birth.
class BirthPage : public InputPage {
  Q_OBJECT

 public:
  explicit BirthPage(const AppServices& services, QWidget* parent = nullptr);

  QLineEdit* NameField() const { return nameField_; }
  // "Add partner" and the partner's entries, for a couple's undertaking.
  PartnerBox* Partner() const { return partner_; }
  QString PersonName() const;  // trimmed
  QString PersonSex() const;   // "Male" or "Female"

  // Everything the page must hold to be judged or kept in the book (the order
  // of the two moments is the window's to check).
  bool CheckEntries();
  // Refuses a birth after the election, at the birth year.
  bool RefuseOrder(const QString& problem);
  // Writes a person of the book into the page as typing and choosing would.
  void FillPerson(const QString& name, const std::string& sex, const MomentEntry& birth,
                  const std::string& tz);
  // The boxes' first entries, no place and no name.
  void ClearEntries();
  // New Evaluation: male again.
  void ResetSex();

  std::vector<QWidget*> TabStops() const;

 private:
  QLineEdit* nameField_ = nullptr;
  QButtonGroup* sexChoice_ = nullptr;
  PartnerBox* partner_ = nullptr;
};

}  // namespace horavela::app
