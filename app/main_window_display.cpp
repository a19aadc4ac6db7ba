// One evaluation through the window, the two details pages and the report's
// ways out (printer, PDF, RTF, a calendar file).
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <exception>

#include "app/analysis_panel.h"
#include "app/app_language.h"
#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/birth_page.h"
#include "app/chart_drawing.h"
#include "app/day_tab.h"
#include "app/day_texts.h"
#include "app/document_sink.h"
#include "app/election_page.h"
#include "app/main_window.h"
#include "app/partner_evaluation.h"
#include "app/partner_texts.h"
#include "app/pdf_bytes.h"
#include "app/planet_table.h"
#include "app/report_file_name.h"
#include "app/report_summary.h"
#include "app/result_area.h"
#include "app/shown_names.h"
#include "app/translation.h"
#include "atlas/zone_following.h"
#include "engine/input_check.h"
#include "explain/full_report.h"
#include "language/element_names.h"
#include "report/atomic_file.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"
#include "rules/evaluation.h"

namespace horavela::app {

namespace {

constexpr int kChartPause = 3000;   // milliseconds on the wait page before the rules
constexpr int kReportPause = 2000;  // and before the report is written

QString FromStd(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The evaluated moment as a calendar keeps it: over its window when the
// explanation found one, on the election place's own zone when it follows one.
JudgedMoment CalendarMomentOf(const CalculationState& state, const LocalMinute& moment,
                              const std::optional<Explanation>& explanation,
                              const TimeZoneRules* zone) {
  JudgedMoment judged{
      state.Input.subject, moment, state.Result, {}, {state.Input.election.place, {}}};
  judged.person = state.Input.name;
  if (explanation) judged.window = CalendarSpan{explanation->window.from, explanation->window.to};
  if (zone != nullptr) judged.place.zone = Follow(*zone);
  return judged;
}

// The factors as the listing words them, so a tip finds its line.
std::vector<FactorInWords> FactorsAsListed(std::vector<FactorInWords> factors,
                                           const Evaluation& result) {
  for (FactorInWords& factor : factors) {
    for (const FactorVerdict& verdict : result.FactorVerdicts) {
      if (!verdict.empty() && verdict.factor == factor.factor)
        factor.verdict = TextOf(verdict, ShownWords());
    }
  }
  return factors;
}

}  // namespace

EvaluationInput MainWindow::ReadInput() const {
  return model_.Input(birthPage_->ReadMoment(), electionPage_->ReadMoment(),
                      electionPage_->Moment().weekday->currentData().toString());
}

void MainWindow::EndEvaluationWithError(const QString& reason) {
  // Back to the last input page with everything as the user left it.
  ShowPage(birthPage_);
  services_.messages->Show(MessageIcon::Error,
                           QString("%1: %2").arg(Tr(texts::kEvaluationFailed), reason));
}

EvaluationRequest MainWindow::ElectionRequest() const {
  EvaluationRequest request{ReadInput(), {}, LateBirth::kRefuse, true, true};
  // An election place that follows an atlas city keeps its own clock.
  if (const TimeZoneRules* zone = electionPage_->Atlas()->Zone())
    request.electionZone = Follow(*zone);
  request.language = ShownLanguage();
  request.digits = ShownDigits();
  return request;
}

void MainWindow::Evaluate(Pace pace) {
  const auto pause = [this, pace](int milliseconds) {
    if (pace == Pace::WithPauses) services_.pause(milliseconds);
  };
  const EvaluationRequest request = ElectionRequest();
  // The report is composed into a document of its own and shown only when the
  // rule set has finished, so a failure leaves the old report in place.
  auto document = std::make_unique<QTextDocument>(resultArea_->Report());
  document->setDefaultFont(resultArea_->Report()->document()->defaultFont());
  RtfWriter rtf(request.language);
  const MomentEntry& e = request.input.election;
  const LocalMinute moment{e.year, e.month, e.day, e.hour, e.minute};
  // The wait page once the charts are drawn, and again before the report.
  EvaluationSteps steps = services_.core;
  steps.computeCharts = [this, &pause](CalculationState& state) {
    services_.core.computeCharts(state);
    ShowPage(waitPage_);
    pause(kChartPause);
  };
  DocumentSink shown(document.get(), [this, &pause] {
    ShowPage(waitPage_);
    pause(kReportPause);
  });
  TeeSink both{&shown, &rtf};
  std::optional<Result<Evaluated>> evaluated;
  try {
    evaluated = horavela::Evaluate(request, both, steps);
  } catch (const std::exception& error) {
    EndEvaluationWithError(FromStd(error.what()));
    return;
  } catch (...) {
    EndEvaluationWithError("unknown error");
    return;
  }
  if (!*evaluated) {
    EndEvaluationWithError(FromStd(ProblemText(evaluated->error())));
    return;
  }
  // The partner's report follows the person's in the same document.
  std::optional<Result<Evaluated>> partner;
  if (model_.partner) {
    try {
      partner = EvaluatePartner(request, *model_.partner, both, services_.core);
    } catch (const std::exception& error) {
      EndEvaluationWithError(FromStd(error.what()));
      return;
    }
    if (!*partner) {
      EndEvaluationWithError(FromStd(ProblemText(partner->error())));
      return;
    }
  }
  ShowPartnerVerdicts(partner ? &(*partner)->state : nullptr);
  Evaluated& done = **evaluated;
  CalculationState& state = done.state;
  // The verdict stands without its explanation: a failure there only leaves
  // the panel and the timing notes out.
  std::optional<Explanation> explanation;
  if (done.explanation) explanation = std::move(*done.explanation);
  if (done.ruleSetRan) {
    // The old document, a child of the report box, goes.
    resultArea_->Report()->setDocument(document.release());
    lastRtf_ = rtf.Document();
  }
  resultListing_->setText(ShownResultLabel(state.Result));
  factorTips_->SetFactors(explanation ? FactorsAsListed(explanation->factors, state.Result)
                                      : std::vector<FactorInWords>{},
                          ShownLanguage());
  if (explanation) {
    analysis_->Show(*explanation, moment, ShownLanguage());
  } else {
    analysis_->Clear();
  }
  FillBirthDetails(state);
  FillElectionDetails(state);
  ShowPage(resultArea_);
  resultArea_->Tabs()->setCurrentIndex(0);
  lastCalendarMoment_ =
      CalendarMomentOf(state, moment, explanation, electionPage_->Atlas()->Zone());
  lastEvaluation_ = std::move(state);
  RememberElectionPlace();

  QStringList warnings;
  for (const std::string& warning : lastEvaluation_->Warnings) warnings << FromStd(warning);
  warnings_->setText(warnings.join("\n\n"));
  warnings_->setVisible(!warnings.isEmpty());
  ComputeDayTab(true);
}

void MainWindow::ShowPartnerVerdicts(const CalculationState* partner) {
  // Alone, the result listing stands as it always has.
  resultName_->setVisible(partner != nullptr);
  partnerResultName_->setVisible(partner != nullptr);
  partnerResult_->setVisible(partner != nullptr);
  partnerColumn_->setVisible(partner != nullptr);
  if (partner == nullptr) {
    partnerResult_->clear();
    return;
  }
  resultName_->setText(model_.personName);
  partnerResultName_->setText(FromStd(partner->Input.name));
  partnerResult_->setText(ShownResultLabel(partner->Result));
}

namespace {

// A row of a chart as the chosen language names it, from the chart's values.
QString ChartRowText(const Chart& chart, int slot) {
  const std::string_view text = ChartText(chart, slot, ShownLanguage());
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MainWindow::FillBirthDetails(const CalculationState& state) {
  const Chart& chart = state.BirthChart;
  const MomentBoxes& birth = birthPage_->Moment();
  const PlaceBoxes& place = birthPage_->Place();
  const std::array<QLabel*, 13>& birthValues = resultArea_->BirthValues();
  const QString values[13] = {
      model_.personName,
      DateText(birth.month->currentText(), birth.day->currentText(), birth.year->currentText()),
      TimeText(birth.hour->currentText(), birth.minute->currentText()),
      PlaceText(place.city->text(), place.state->text(), place.country->text()),
      ChartRowText(chart, kMoonSignSlot),
      ChartRowText(chart, kMoonSignLordSlot),
      ChartRowText(chart, kNakshatraSlot),
      ChartRowText(chart, kNakshatraLordSlot),
      ChartRowText(chart, kLagnaSlot),
      ChartRowText(chart, kTithiSlot),
      ChartRowText(chart, kYogaSlot),
      ChartRowText(chart, kKaranaSlot),
      ChartRowText(chart, kWeekdaySlot),
  };
  for (std::size_t i = 0; i < birthValues.size(); ++i)
    birthValues[i]->setText(ForReading(values[i]));
}

void MainWindow::FillElectionDetails(const CalculationState& state) {
  const Chart& chart = state.ElectionChart;
  const MomentBoxes& election = electionPage_->Moment();
  const PlaceBoxes& place = electionPage_->Place();
  const std::array<QLabel*, 13>& electionValues = resultArea_->ElectionValues();
  for (int slot = 0; slot <= kWeekdaySlot; ++slot) {
    electionValues[static_cast<std::size_t>(slot)]->setText(ForReading(ChartRowText(chart, slot)));
  }
  electionValues[9]->setText(model_.personName);
  electionValues[10]->setText(ForReading(DateText(
      election.month->currentText(), election.day->currentText(), election.year->currentText())));
  electionValues[11]->setText(
      ForReading(TimeText(election.hour->currentText(), election.minute->currentText())));
  electionValues[12]->setText(
      PlaceText(place.city->text(), place.state->text(), place.country->text()));
  FillPlanetTable(resultArea_->PlanetTable(), state);
}

void MainWindow::PrintReport() {
  std::unique_ptr<QPrinter> printer = services_.defaultPrinter();
  if (!printer) {
    if (services_.messages->Ask(MessageIcon::Information, Tr(texts::kNoPrinter),
                                Tr(texts::kOfferPdf))) {
      SaveReportPdf();
    }
    return;
  }
  // Drop the user's selection so the whole report is printed; the box keeps
  // its content and its scroll position.
  const int scroll = resultArea_->Report()->verticalScrollBar()->value();
  QTextCursor cursor = resultArea_->Report()->textCursor();
  cursor.setPosition(cursor.selectionStart());
  resultArea_->Report()->setTextCursor(cursor);
  resultArea_->Report()->verticalScrollBar()->setValue(scroll);

  printer->setPrintRange(QPrinter::AllPages);
  printer->setDocName(Tr(texts::kReportHeading));
  PrintedReport()->print(printer.get());
  if (printer->printerState() == QPrinter::Error) {
    services_.messages->Show(MessageIcon::Error, Tr(texts::kPrintFailed));
  }
}

void MainWindow::SaveReportPdf() {
  const QString path = services_.chooseSaveFile(
      Tr(texts::kSavePdfCaption),
      ReportFileName(lastEvaluation_ ? lastEvaluation_->Input : EvaluationInput{}, "pdf"),
      Tr(texts::kPdfFilter));
  if (path.isEmpty()) return;
  const QByteArray pdf =
      PdfBytes(Tr(texts::kReportHeading), QPageLayout::Portrait, 15,
               [this](QPagedPaintDevice& device) { PrintedReport()->print(&device); });
  SaveFile(path, std::string_view(pdf.constData(), pdf.size()), Tr(texts::kReportNotSaved));
}

std::unique_ptr<QTextDocument> MainWindow::PrintedReport() const {
  if (!lastEvaluation_)
    return std::unique_ptr<QTextDocument>(resultArea_->Report()->document()->clone());
  const MomentEntry& e = lastEvaluation_->Input.election;
  const QString caption =
      Tr(texts::kRasiCaption)
          .arg(QString("%1:%2").arg(e.hour, 2, 10, QChar('0')).arg(e.minute, 2, 10, QChar('0')));
  return ReportWithSummary(
      *resultArea_->Report()->document(), *lastEvaluation_,
      {lastElectionChart_, resultArea_->Day()->Chart()->CurrentStyle(), caption});
}

void MainWindow::SaveReportRtf() {
  const QString path = services_.chooseSaveFile(
      Tr(texts::kSaveRtfCaption),
      ReportFileName(lastEvaluation_ ? lastEvaluation_->Input : EvaluationInput{}, "rtf"),
      Tr(texts::kRtfFilter));
  if (path.isEmpty()) return;
  SaveFile(path, lastRtf_, Tr(texts::kReportNotSaved));
}

void MainWindow::AddToCalendar() {
  if (!lastCalendarMoment_ || !lastEvaluation_) return;
  const QString path = services_.chooseSaveFile(Tr(texts::kAddToCalendarCaption),
                                                ReportFileName(lastEvaluation_->Input, "ics"),
                                                Tr(texts::kCalendarFilter));
  if (path.isEmpty()) return;
  SaveFile(path, MomentCalendar(*lastCalendarMoment_, NowUtcSeconds()),
           Tr(texts::kCalendarNotSaved));
}

bool MainWindow::SaveFile(const QString& path, std::string_view bytes, const QString& failure) {
  // Never over a device, a FIFO or a read-only file, through links, keeping
  // the mode: the atomic writer's rules for every file the program writes.
  const Result<void> written = WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes);
  if (written) return true;
  services_.messages->Show(MessageIcon::Error,
                           QString(failure).arg(path, FromStd(written.error().message)));
  return false;
}

}  // namespace horavela::app
