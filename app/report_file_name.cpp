#include "app/report_file_name.h"

namespace horavela::app {
namespace {

const QString kForbidden = QStringLiteral("/\\:*?\"<>|");

QString FileNameSafe(QString text) {
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control || kForbidden.contains(c)) c = QChar('-');
  }
  return text;
}

QString Padded(int number, int width) {
  return QString::number(number).rightJustified(width, QChar('0'));
}

}  // namespace

QString ReportFileName(const EvaluationInput& input, const QString& extension) {
  const QString subject = QString::fromStdString(input.subject).trimmed();
  if (subject.isEmpty()) return "Horavela Report." + extension;
  const MomentEntry& when = input.election;
  const QString date = Padded(when.year, 4) + "-" + Padded(when.month, 2) + "-" +
                       Padded(when.day, 2) + " " + Padded(when.hour, 2) + Padded(when.minute, 2);
  const QString person = QString::fromStdString(input.name).trimmed();
  const QString whom = person.isEmpty() ? QString() : FileNameSafe(person) + " - ";
  return "Horavela - " + FileNameSafe(subject) + " - " + whom + date + "." + extension;
}

QString MatchReportFileName(const QString& groom, const QString& bride, const QString& extension) {
  return "Horavela - Match - " + FileNameSafe(groom.trimmed()) + " and " +
         FileNameSafe(bride.trimmed()) + "." + extension;
}

}  // namespace horavela::app
