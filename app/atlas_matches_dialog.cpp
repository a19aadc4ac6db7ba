#include "app/atlas_matches_dialog.h"
#include "app/translation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_texts.h"

namespace horavela::app {

AtlasMatchesDialog::AtlasMatchesDialog(const QString& city, std::vector<Place> places,
                                       QWidget* parent)
    : QDialog(parent), places_(std::move(places)) {
  setObjectName("frmAtlasMatches");
  setWindowTitle(Tr(texts::kWindowTitle));
  auto* intro = new QLabel(QString(Tr(texts::kAtlasMatchesIntro)).arg(city.trimmed()), this);
  intro->setWordWrap(true);

  list_ = new QListWidget(this);
  list_->setObjectName("lstAtlasMatches");
  for (const Place& place : places_) list_->addItem(QString::fromStdString(PlaceLabel(place)));
  list_->setCurrentRow(0);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Finish(Choice::UsePlace); });

  auto* use = new QPushButton(Tr(texts::kAtlasUsePlace), this);
  use->setObjectName("cmdUsePlace");
  use->setDefault(true);
  connect(use, &QPushButton::clicked, this, [this] { Finish(Choice::UsePlace); });
  auto* web = new QPushButton(Tr(texts::kAtlasSearchWeb), this);
  web->setObjectName("cmdSearchWeb");
  web->setAutoDefault(false);
  connect(web, &QPushButton::clicked, this, [this] { Finish(Choice::SearchWeb); });
  auto* cancel = new QPushButton(Tr(texts::kAtlasCancel), this);
  cancel->setObjectName("cmdCancelMatches");
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(use);
  buttons->addWidget(web);
  buttons->addStretch();
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
}

const Place& AtlasMatchesDialog::chosen() const {
  return places_.at(static_cast<std::size_t>(std::max(0, list_->currentRow())));
}

void AtlasMatchesDialog::Finish(Choice choice) {
  choice_ = choice;
  accept();
}

}  // namespace horavela::app
