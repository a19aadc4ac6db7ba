#include "app/match_dialog.h"
#include "app/translation.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <exception>
#include <memory>

#include "app/app_texts.h"
#include "app/book_entries.h"
#include "app/document_sink.h"
#include "app/match_texts.h"
#include "app/page_fitted_print.h"
#include "app/pdf_bytes.h"
#include "app/report_file_name.h"
#include "engine/planet_ephemeris.h"
#include "match_report/match_report.h"
#include "report/atomic_file.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"

namespace horavela::app {

namespace {

constexpr double kPdfMarginMillimetres = 15;

QComboBox* PeopleBox(const char* name, const std::vector<book::Person>& people, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const book::Person& person : people) {
    box->addItem(QString::fromStdString(person.name) + " (" + BirthDateText(person.birth) + ")",
                 QVariant::fromValue<qlonglong>(person.id));
  }
  return box;
}

matching::Person MatchPerson(const book::Person& person) {
  return {person.name, person.birth};
}

}  // namespace

MatchDialog::MatchDialog(const std::vector<book::Person>& people,
                         const CalculationSettings& settings, const AppServices& services,
                         QWidget* parent)
    : QDialog(parent), people_(people), settings_(settings), services_(services) {
  setObjectName("dlgMatch");
  setWindowTitle(Tr(texts::kMatchTitle));
  groom_ = PeopleBox("cboGroom", people_, this);
  bride_ = PeopleBox("cboBride", people_, this);
  // The first man the groom, the first woman the bride, as a couple is usually entered.
  if (people_.size() > 1) bride_->setCurrentIndex(1);
  for (auto it = people_.rbegin(); it != people_.rend(); ++it) Choose(it->id);
  auto* match = new QPushButton(Tr(texts::kMatchButton), this);
  match->setObjectName("btnMatch");
  match->setDefault(true);
  connect(match, &QPushButton::clicked, this, &MatchDialog::Match);

  auto* form = new QFormLayout;
  form->addRow(Tr(texts::kMatchGroom), groom_);
  form->addRow(Tr(texts::kMatchBride), bride_);

  report_ = new QTextEdit(this);
  report_->setObjectName("txtMatchReport");
  report_->setReadOnly(true);
  report_->setMinimumSize(720, 520);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(match);
  buttons->addStretch();
  const std::tuple<const char*, QString, void (MatchDialog::*)()> outputs[] = {
      {"btnMatchPrint", Tr(texts::kMatchPrint), &MatchDialog::Print},
      {"btnMatchPdf", Tr(texts::kMatchPdf), &MatchDialog::SavePdf},
      {"btnMatchRtf", Tr(texts::kMatchRtf), &MatchDialog::SaveRtf}};
  for (const auto& [name, caption, slot] : outputs) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
    outputs_.push_back(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->addWidget(report_);
}

void MatchDialog::Choose(std::int64_t id) {
  for (const book::Person& person : people_) {
    if (person.id != id) continue;
    QComboBox* box = person.sex == "Female" ? bride_ : groom_;
    box->setCurrentIndex(box->findData(QVariant::fromValue<qlonglong>(id)));
  }
}

void MatchDialog::Match() {
  const int groom = groom_->currentIndex(), bride = bride_->currentIndex();
  if (groom < 0 || bride < 0) {
    services_.messages->Show(MessageIcon::Error, Tr(texts::kMatchNeedsTwo));
    return;
  }
  if (groom == bride) {
    services_.messages->Show(MessageIcon::Error, Tr(texts::kMatchSamePerson));
    return;
  }
  const matching::MatchRequest request{MatchPerson(people_[static_cast<std::size_t>(groom)]),
                                       MatchPerson(people_[static_cast<std::size_t>(bride)]),
                                       settings_};
  // Composed aside and shown only when whole, so a failure keeps the last report.
  auto document = std::make_unique<QTextDocument>(report_);
  document->setDefaultFont(report_->document()->defaultFont());
  DocumentSink shown(document.get());
  RtfWriter rtf;
  TeeSink both{&shown, &rtf};
  try {
    WriteMatchReport(request, matching::MatchOf(request, SwissEphemeris()), both);
  } catch (const std::exception& error) {
    services_.messages->Show(MessageIcon::Error,
                             QString(Tr(texts::kMatchFailed)).arg(error.what()));
    return;
  }
  report_->setDocument(document.release());
  rtf_ = rtf.Document();
  for (QPushButton* button : outputs_) button->setEnabled(true);
}

void MatchDialog::Print() {
  std::unique_ptr<QPrinter> printer = services_.defaultPrinter();
  if (!printer) {
    if (services_.messages->Ask(MessageIcon::Information, Tr(texts::kNoPrinter),
                                Tr(texts::kOfferPdf)))
      SavePdf();
    return;
  }
  printer->setDocName(Tr(texts::kMatchHeading));
  PrintFittedToPage(*report_->document(), *printer);
  if (printer->printerState() == QPrinter::Error)
    services_.messages->Show(MessageIcon::Error, Tr(texts::kPrintFailed));
}

void MatchDialog::SavePdf() {
  const QString path = services_.chooseSaveFile(Tr(texts::kSavePdfCaption), SuggestedName("pdf"),
                                                Tr(texts::kPdfFilter));
  if (path.isEmpty()) return;
  const QByteArray pdf = PdfBytes(
      Tr(texts::kMatchHeading), QPageLayout::Portrait, kPdfMarginMillimetres,
      [this](QPagedPaintDevice& device) { PrintFittedToPage(*report_->document(), device); });
  Save(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

void MatchDialog::SaveRtf() {
  const QString path = services_.chooseSaveFile(Tr(texts::kSaveRtfCaption), SuggestedName("rtf"),
                                                Tr(texts::kRtfFilter));
  if (path.isEmpty()) return;
  Save(path, rtf_);
}

QString MatchDialog::SuggestedName(const char* extension) const {
  const auto name = [this](int index) {
    return index < 0 ? QString()
                     : QString::fromStdString(people_[static_cast<std::size_t>(index)].name);
  };
  return MatchReportFileName(name(groom_->currentIndex()), name(bride_->currentIndex()), extension);
}

void MatchDialog::Save(const QString& path, std::string_view bytes) {
  const Result<void> written = WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes);
  if (written) return;
  services_.messages->Show(MessageIcon::Error,
                           QString(Tr(texts::kMatchNotSaved))
                               .arg(path, QString::fromStdString(written.error().message)));
}

}  // namespace horavela::app
