// The month on one page of the election date's month and place (after an
// evaluation with each day's best window for its subject): computed when the
// "Month" tab is chosen, printed or saved from there on one A4 landscape
// page.
#include <QPainter>
#include <QPrinter>
#include <exception>

#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/month_tab.h"
#include "app/month_texts.h"
#include "app/pdf_bytes.h"
#include "app/report_file_name.h"
#include "app/result_area.h"
#include "app/subject_catalogue.h"
#include "app/translation.h"

namespace horavela::app {

namespace {

void DrawSheetOnPage(QPagedPaintDevice& device, const MonthSheet& sheet) {
  QPainter painter(&device);
  DrawMonthSheet(painter, QRectF(painter.viewport()), sheet);
}

}  // namespace

bool MainWindow::ComputeMonthTab() {
  if (!services_.core.computeMonth) return false;
  if (const QString problem = DayInputProblem(); !problem.isEmpty()) {
    services_.messages->Show(MessageIcon::Error, problem);
    return false;
  }
  const DayRequest day = ReadDayRequest();
  MonthRequest request;
  request.where() = day.where();
  request.year = day.year;
  request.month = day.month;
  request.settings = day.settings;
  // After an evaluation, the best window of each day for its subject and person.
  request.person = day.verdicts;
  const QString subject = request.person && request.person->subjects.size() == 1
                              ? SubjectText(request.person->subjects.front())
                              : QString();
  try {
    const MonthAtAGlance month = services_.core.computeMonth(request);
    resultArea_->Month()->SetMonth(month, QString::fromStdString(day.place.city), subject);
  } catch (const std::exception& error) {
    services_.messages->Show(MessageIcon::Error,
                             QString("%1: %2").arg(Tr(texts::kMonthFailed), error.what()));
    return false;
  }
  return true;
}

void MainWindow::PrintMonth() {
  std::unique_ptr<QPrinter> printer = services_.defaultPrinter();
  if (!printer) {
    if (services_.messages->Ask(MessageIcon::Information, Tr(texts::kNoPrinter),
                                Tr(texts::kOfferPdf))) {
      SaveMonthPdf();
    }
    return;
  }
  printer->setDocName(Tr(texts::kMonthHeading));
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageOrientation(QPageLayout::Landscape);
  DrawSheetOnPage(*printer, resultArea_->Month()->Sheet());
  if (printer->printerState() == QPrinter::Error) {
    services_.messages->Show(MessageIcon::Error, Tr(texts::kPrintFailed));
  }
}

void MainWindow::SaveMonthPdf() {
  const QString path = services_.chooseSaveFile(
      Tr(texts::kMonthPdfCaption), ReportFileName(ReadInput(), "pdf"), Tr(texts::kPdfFilter));
  if (path.isEmpty()) return;
  const MonthSheet& sheet = resultArea_->Month()->Sheet();
  const QByteArray pdf =
      PdfBytes(Tr(texts::kMonthHeading), QPageLayout::Landscape, 10,
               [&sheet](QPagedPaintDevice& device) { DrawSheetOnPage(device, sheet); });
  SaveFile(path, std::string_view(pdf.constData(), pdf.size()), Tr(texts::kMonthNotSaved));
}

}  // namespace horavela::app
