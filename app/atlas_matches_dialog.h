#pragma once

#include <QDialog>
#include <vector>

#include "atlas/places.h"

class QListWidget;

namespace horavela::app {

// The atlas's places for a typed city, offered before a web search: choosing
// one fills the page offline, with the zone that follows it.
class AtlasMatchesDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Choice { Cancel, UsePlace, SearchWeb };

  AtlasMatchesDialog(const QString& city, std::vector<Place> places, QWidget* parent = nullptr);

  Choice choice() const { return choice_; }
  // The place chosen with Choice::UsePlace.
  const Place& chosen() const;

 private:
  void Finish(Choice choice);

  std::vector<Place> places_;
  QListWidget* list_ = nullptr;
  Choice choice_ = Choice::Cancel;
};

}  // namespace horavela::app
