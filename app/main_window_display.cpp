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
#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/chart_drawing.h"
#include "app/day_tab.h"
#include "app/document_sink.h"
#include "app/main_window.h"
#include "app/pdf_bytes.h"
#include "app/planet_table.h"
#include "app/report_file_name.h"
#include "app/report_summary.h"
#include "atlas/zone_following.h"
#include "engine/input_check.h"
#include "explain/full_report.h"
#include "report/atomic_file.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"

namespace horavela::app {

namespace {

constexpr int kChartPause = 3000;   // milliseconds on the wait page before the rules
constexpr int kReportPause = 2000;  // and before the report is written

std::int16_t Number(const QString& text) {
  return static_cast<std::int16_t>(text.trimmed().toInt());
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
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
  if (zone != nullptr) judged.place.zone = *zone;
  return judged;
}

// The result listing uses CR LF line breaks; a label wants LF.
QString LabelText(const std::string& listing) {
  QString text = FromStd(listing);
  text.replace("\r\n", "\n");
  return text;
}

}  // namespace

MomentEntry MainWindow::ReadMoment(const MomentBoxes& moment, const PlaceBoxes& place) const {
  MomentEntry entry;
  entry.month = static_cast<std::int16_t>(moment.month->currentIndex() + 1);
  entry.day = Number(moment.day->currentText());
  entry.year = Number(moment.year->currentText());
  entry.place.zoneHours = Number(place.zoneHour->text());
  entry.place.zoneMinutes = Number(place.zoneMinute->text());
  entry.hour = Number(moment.hour->currentText());
  entry.minute = Number(moment.minute->currentText());
  entry.second = Number(moment.second->currentText());
  entry.place.longitudeDegrees = Number(place.longitudeDegrees->text());
  entry.place.longitudeMinutes = Number(place.longitudeMinutes->text());
  entry.place.latitudeDegrees = Number(place.latitudeDegrees->text());
  entry.place.latitudeMinutes = Number(place.latitudeMinutes->text());
  entry.place.dst = place.dst->isChecked();
  entry.place.east = place.longitudeSide->button(0)->isChecked();
  entry.place.north = place.latitudeSide->button(0)->isChecked();
  entry.place.city = place.city->text().toStdString();
  entry.place.state = place.state->text().toStdString();
  entry.place.country = place.country->text().toStdString();
  return entry;
}

EvaluationInput MainWindow::ReadInput() const {
  EvaluationInput input;
  input.subject = electionSubject_.toStdString();
  input.name = personName_.toStdString();
  input.sex = personSex_.toStdString();
  input.birth = ReadMoment(birth_, birthPlace_);
  input.election = ReadMoment(election_, electionPlace_);
  input.electionWeekday = election_.weekday->currentText().toStdString();
  return input;
}

void MainWindow::EndEvaluationWithError(const QString& reason) {
  // Back to the last input page with everything as the user left it.
  ShowPage(picBirthDetails_);
  services_.messages->Show(MessageIcon::Error,
                           QString("%1: %2").arg(texts::kEvaluationFailed, reason));
}

void MainWindow::Display(Pace pace) {
  const auto pause = [this, pace](int milliseconds) {
    if (pace == Pace::WithPauses) services_.pause(milliseconds);
  };
  CalculationState state;
  state.Input = ReadInput();
  if (const std::optional<Problem> problem = CheckEvaluationInput(state.Input)) {
    EndEvaluationWithError(FromStd(ProblemText(*problem)));
    return;
  }
  // The report is composed into a document of its own and shown only when the
  // rule set has finished, so a failure leaves the old report in place.
  auto document = std::make_unique<QTextDocument>(RTB_);
  document->setDefaultFont(RTB_->document()->defaultFont());
  RtfWriter rtf;
  bool ran = false;
  const MomentEntry& e = state.Input.election;
  const LocalMinute moment{e.year, e.month, e.day, e.hour, e.minute};
  std::optional<Explanation> explanation;
  try {
    services_.core.computeCharts(state);
    ShowPage(picMessage_);
    pause(kChartPause);
    services_.core.computeStrengths(state);
    explanation = ExplainElection(state.Input);
    const ReportOptions options = FullReportOptions(explanation, moment);
    DocumentSink shown(document.get(), [this, &pause] {
      ShowPage(picMessage_);
      pause(kReportPause);
    });
    TeeSink both{&shown, &rtf};
    ran = services_.core.dispatchSubject(state, both, options);
  } catch (const std::exception& error) {
    EndEvaluationWithError(FromStd(error.what()));
    return;
  } catch (...) {
    EndEvaluationWithError("unknown error");
    return;
  }
  if (ran) {
    RTB_->setDocument(document.release());  // the old document, a child of RTB, goes
    lastRtf_ = rtf.Document();
  }
  lblResult_->setText(LabelText(state.ResultLabel));
  factorTips_->SetFactors(explanation ? explanation->factors : std::vector<FactorInWords>{});
  if (explanation) {
    analysis_->Show(*explanation, moment);
  } else {
    analysis_->Clear();
  }
  FillBirthDetails(state);
  Muhurtha_Details_Display(state);
  ShowPage(picMuhurthaResult_);
  TS_->setCurrentIndex(0);
  lastCalendarMoment_ = CalendarMomentOf(state, moment, explanation, electionAtlas_->Zone());
  lastEvaluation_ = std::move(state);
  RememberElectionPlace();

  QStringList warnings;
  for (const std::string& warning : lastEvaluation_->Warnings) warnings << FromStd(warning);
  lblWarnings_->setText(warnings.join("\n\n"));
  lblWarnings_->setVisible(!warnings.isEmpty());
  ComputeDayTab(true);
}

std::optional<Explanation> MainWindow::ExplainElection(const EvaluationInput& input) {
  if (!services_.core.explain) return std::nullopt;
  ZoneProvider zoneAt;
  // An election place that follows an atlas city keeps its own clock.
  if (const TimeZoneRules* zone = electionAtlas_->Zone()) zoneAt = ZoneMinuteByMinute(*zone);
  // The verdict stands without its explanation: a failure here only leaves
  // the panel and the timing notes out.
  try {
    return services_.core.explain(input, zoneAt);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

void MainWindow::FillBirthDetails(const CalculationState& state) {
  const Chart& chart = state.BirthChart;
  const QString values[13] = {
      personName_,
      DateText(birth_.month->currentText(), birth_.day->currentText(), birth_.year->currentText()),
      TimeText(birth_.hour->currentText(), birth_.minute->currentText()),
      PlaceText(birthPlace_.city->text(), birthPlace_.state->text(), birthPlace_.country->text()),
      FromStd(chart[kMoonSignSlot]),
      FromStd(chart[kMoonSignLordSlot]),
      FromStd(chart[kNakshatraSlot]),
      FromStd(chart[kNakshatraLordSlot]),
      FromStd(chart[kLagnaSlot]),
      FromStd(chart[kTithiSlot]),
      FromStd(chart[kYogaSlot]),
      FromStd(chart[kKaranaSlot]),
      FromStd(chart[kWeekdaySlot]),
  };
  for (std::size_t i = 0; i < lblResultBirth_.size(); ++i) lblResultBirth_[i]->setText(values[i]);
}

void MainWindow::Muhurtha_Details_Display(const CalculationState& state) {
  const Chart& chart = state.ElectionChart;
  for (int slot = 0; slot <= kWeekdaySlot; ++slot) {
    lblMuhurthaDetails_[static_cast<std::size_t>(slot)]->setText(
        FromStd(chart[static_cast<std::size_t>(slot)]));
  }
  lblMuhurthaDetails_[9]->setText(personName_);
  lblMuhurthaDetails_[10]->setText(DateText(
      election_.month->currentText(), election_.day->currentText(), election_.year->currentText()));
  lblMuhurthaDetails_[11]->setText(
      TimeText(election_.hour->currentText(), election_.minute->currentText()));
  lblMuhurthaDetails_[12]->setText(PlaceText(
      electionPlace_.city->text(), electionPlace_.state->text(), electionPlace_.country->text()));
  FillPlanetTable(tblPlanets_, state);
}

void MainWindow::cmdSave_Click() {
  std::unique_ptr<QPrinter> printer = services_.defaultPrinter();
  if (!printer) {
    if (services_.messages->Ask(MessageIcon::Information, texts::kNoPrinter, texts::kOfferPdf)) {
      cmdSavePdf_Click();
    }
    return;
  }
  // Drop the user's selection so the whole report is printed; the box keeps
  // its content and its scroll position.
  const int scroll = RTB_->verticalScrollBar()->value();
  QTextCursor cursor = RTB_->textCursor();
  cursor.setPosition(cursor.selectionStart());
  RTB_->setTextCursor(cursor);
  RTB_->verticalScrollBar()->setValue(scroll);

  printer->setPrintRange(QPrinter::AllPages);
  printer->setDocName(texts::kReportHeading);
  PrintedReport()->print(printer.get());
  if (printer->printerState() == QPrinter::Error) {
    services_.messages->Show(MessageIcon::Error, texts::kPrintFailed);
  }
}

void MainWindow::cmdSavePdf_Click() {
  const QString path = services_.chooseSaveFile(
      texts::kSavePdfCaption,
      ReportFileName(lastEvaluation_ ? lastEvaluation_->Input : EvaluationInput{}, "pdf"),
      texts::kPdfFilter);
  if (path.isEmpty()) return;
  const QByteArray pdf =
      PdfBytes(texts::kReportHeading, QPageLayout::Portrait, 15,
               [this](QPagedPaintDevice& device) { PrintedReport()->print(&device); });
  SaveFile(path, std::string_view(pdf.constData(), pdf.size()), texts::kReportNotSaved);
}

std::unique_ptr<QTextDocument> MainWindow::PrintedReport() const {
  if (!lastEvaluation_) return std::unique_ptr<QTextDocument>(RTB_->document()->clone());
  const MomentEntry& e = lastEvaluation_->Input.election;
  const QString caption =
      QString("Rasi\n%1:%2").arg(e.hour, 2, 10, QChar('0')).arg(e.minute, 2, 10, QChar('0'));
  return ReportWithSummary(*RTB_->document(), *lastEvaluation_,
                           {lastElectionChart_, dayTab_->Chart()->CurrentStyle(), caption});
}

void MainWindow::cmdSaveRtf_Click() {
  const QString path = services_.chooseSaveFile(
      texts::kSaveRtfCaption,
      ReportFileName(lastEvaluation_ ? lastEvaluation_->Input : EvaluationInput{}, "rtf"),
      texts::kRtfFilter);
  if (path.isEmpty()) return;
  SaveFile(path, lastRtf_, texts::kReportNotSaved);
}

void MainWindow::cmdAddToCalendar_Click() {
  if (!lastCalendarMoment_ || !lastEvaluation_) return;
  const QString path = services_.chooseSaveFile(texts::kAddToCalendarCaption,
                                                ReportFileName(lastEvaluation_->Input, "ics"),
                                                texts::kCalendarFilter);
  if (path.isEmpty()) return;
  SaveFile(path, MomentCalendar(*lastCalendarMoment_, NowUtcSeconds()), texts::kCalendarNotSaved);
}

bool MainWindow::SaveFile(const QString& path, std::string_view bytes, const char* failure) {
  // Never over a device, a FIFO or a read-only file, through links, keeping
  // the mode: the atomic writer's rules for every file the program writes.
  const std::string error = WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes);
  if (error.empty()) return true;
  services_.messages->Show(MessageIcon::Error, QString(failure).arg(path, FromStd(error)));
  return false;
}

}  // namespace horavela::app
