// The day at a glance of the election date and place: computed after each
// evaluation and on demand from the View menu, shown on the "Day" tab, and
// printed or saved from there.
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStackedWidget>
#include <QTabWidget>
#include <exception>

#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/day_tab.h"
#include "app/day_texts.h"
#include "app/election_page.h"
#include "app/main_window.h"
#include "app/pdf_bytes.h"
#include "app/planet_table.h"
#include "app/report_file_name.h"
#include "app/result_area.h"
#include "app/translation.h"
#include "app/veto_texts.h"
#include "atlas/place_clock.h"
#include "atlas/zone_following.h"
#include "report/atomic_file.h"

namespace horavela::app {

namespace {

// Fitted within the page, keeping its shape.
void DrawOnPage(QPagedPaintDevice& device, const QImage& picture) {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(page.topLeft(), size), picture);
}

}  // namespace

QString MainWindow::DayInputProblem() const {
  const PlaceBoxes& e = electionPage_->Place();
  const MomentBoxes& election = electionPage_->Moment();
  for (const QLineEdit* field :
       {e.latitudeDegrees, e.latitudeMinutes, e.longitudeDegrees, e.longitudeMinutes}) {
    if (field->text().trimmed().isEmpty()) return Tr(texts::kDayNoElectionPlace);
  }
  if (const auto problem =
          CheckCoordinates(e.latitudeDegrees->text(), e.latitudeMinutes->text(),
                           e.longitudeDegrees->text(), e.longitudeMinutes->text())) {
    return QString(Tr(texts::kElectionPlaceProblem)).arg(problem->message);
  }
  return CheckDateExists(Tr(texts::kElectionWordInSentence), election.year->currentText().toInt(),
                         election.month->currentIndex() + 1, election.day->currentText().toInt());
}

DayRequest MainWindow::ReadDayRequest() const {
  const MomentEntry entry = electionPage_->ReadMoment();
  DayRequest request;
  request.year = entry.year;
  request.month = entry.month;
  request.day = entry.day;
  request.place = entry.place;
  request.settings = model_.settings;
  // An election place that follows an atlas city keeps its own clock all day.
  if (const TimeZoneRules* zone = electionPage_->Atlas()->Zone()) request.zone = Follow(*zone);
  // In an hour the clocks repeat, the run the page's zone and DST name.
  LocalMinute moment{entry.year, entry.month, entry.day, entry.hour, entry.minute};
  const PlaceClock clock(request);
  if (clock.ZoneAt(moment).repeated) {
    const int offset =
        UtcOffsetOfZoneCaptions(entry.place.zoneHours, entry.place.zoneMinutes, entry.place.dst);
    moment = clock.At(clock.UniversalOnOffset(moment, offset)).local;
  }
  request.chartMoment = moment;
  // The verdict band belongs to an evaluated subject and person.
  if (lastEvaluation_ && FinderInputProblem().isEmpty()) request.verdicts = FinderRequest();
  return request;
}

bool MainWindow::ComputeDayTab(bool evaluated) {
  // A build or a test without the almanac keeps its evaluations quiet.
  if (evaluated && !services_.core.computeDay) return false;
  if (const QString problem = DayInputProblem(); !problem.isEmpty()) {
    services_.messages->Show(MessageIcon::Error, problem);
    return false;
  }
  const DayRequest request = ReadDayRequest();
  DayAtAGlance day;
  std::vector<VetoPeriod> vetoes;
  try {
    if (!services_.core.computeDay) throw std::runtime_error("no almanac in this build");
    day = services_.core.computeDay(request);
    if (services_.core.vetoesOfDay) vetoes = services_.core.vetoesOfDay(request);
  } catch (const std::exception& error) {
    services_.messages->Show(MessageIcon::Error,
                             QString("%1: %2").arg(Tr(texts::kDayFailed), error.what()));
    return false;
  }
  resultArea_->Day()->SetDay(day, LocalMinute{request.year, request.month, request.day, 0, 0});
  const PlaceClock clock(request);
  const QDate date(request.year, request.month, request.day);
  const std::map<QDate, VetoedDay> vetoed = VetoedDays(clock, date, date, vetoes);
  resultArea_->Day()->SetVetoes(vetoed.empty() ? QString()
                                               : VetoesOnDayText(vetoed.begin()->second, clock));
  if (evaluated) {
    FillChartBodies(resultArea_->PlanetTable(), day.chart);
    lastElectionChart_ = day.chart;
  }
  return true;
}

void MainWindow::ShowDayAtAGlance() {
  if (!ComputeDayTab(false)) return;
  ShowPage(resultArea_);
  resultArea_->Tabs()->setCurrentWidget(resultArea_->Day());
}

void MainWindow::PrintDay() {
  std::unique_ptr<QPrinter> printer = services_.defaultPrinter();
  if (!printer) {
    if (services_.messages->Ask(MessageIcon::Information, Tr(texts::kNoPrinter),
                                Tr(texts::kOfferPdf))) {
      SaveDayPdf();
    }
    return;
  }
  printer->setDocName(Tr(texts::kDayHeading));
  printer->setPageOrientation(QPageLayout::Landscape);
  DrawOnPage(*printer, resultArea_->Day()->Picture());
  if (printer->printerState() == QPrinter::Error) {
    services_.messages->Show(MessageIcon::Error, Tr(texts::kPrintFailed));
  }
}

void MainWindow::SaveDayPdf() {
  const QString path = services_.chooseSaveFile(
      Tr(texts::kDayPdfCaption), ReportFileName(ReadInput(), "pdf"), Tr(texts::kPdfFilter));
  if (path.isEmpty()) return;
  const QByteArray pdf = PdfBytes(
      Tr(texts::kDayHeading), QPageLayout::Landscape, 10,
      [this](QPagedPaintDevice& device) { DrawOnPage(device, resultArea_->Day()->Picture()); });
  SaveFile(path, std::string_view(pdf.constData(), pdf.size()), Tr(texts::kDayNotSaved));
}

void MainWindow::SaveDayPng() {
  const QString path = services_.chooseSaveFile(
      Tr(texts::kDayPngCaption), ReportFileName(ReadInput(), "png"), Tr(texts::kPngFilter));
  if (path.isEmpty()) return;
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    resultArea_->Day()->Picture().save(&buffer, "PNG");
  }
  SaveFile(path, std::string_view(png.constData(), png.size()), Tr(texts::kDayNotSaved));
}

}  // namespace horavela::app
