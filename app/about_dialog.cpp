#include "app/about_dialog.h"
#include "app/translation.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/program_links.h"
#include "report/program_version.h"

namespace horavela::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle(Tr(QT_TRANSLATE_NOOP("Horavela", "About Horavela")));
  setModal(true);

  const QString address = WebAddress();
  auto* title = new QLabel("<h2>Horavela</h2>", this);
  auto* version =
      new QLabel(Tr(QT_TRANSLATE_NOOP("Horavela", "Version %1")).arg(HORAVELA_VERSION), this);
  version->setObjectName("lblVersion");
  auto* purpose = new QLabel(
      Tr(QT_TRANSLATE_NOOP("Horavela",
                           "Vedic electional astrology (muhurtha): judges whether a proposed "
                           "moment suits an undertaking, measured against the birth data of the "
                           "person concerned.")),
      this);
  purpose->setWordWrap(true);
  auto* link = new QLabel(QString("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()), this);
  link->setObjectName("lblWebAddress");
  link->setOpenExternalLinks(true);
  link->setTextInteractionFlags(Qt::TextBrowserInteraction);
  auto* credits = new QLabel(Tr(QT_TRANSLATE_NOOP("Horavela",
                                                  "Planet positions: Swiss Ephemeris "
                                                  "(AGPL-3.0).<br>User interface: Qt %1."))
                                 .arg(qVersion()),
                             this);
  credits->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  for (QLabel* label : {title, version, purpose, link, credits}) {
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
  }
  layout->addWidget(buttons);
  setMinimumWidth(fontMetrics().horizontalAdvance(purpose->text()) / 3);
}

}  // namespace horavela::app
