#pragma once

#include <QString>

#include "engine/evaluation_input.h"

namespace horavela::app {

// The name Save as PDF and Save as RTF offer for the report of `input`:
// "Horavela - Marriage - Asha Verma - 2024-11-14 1030.pdf" for `extension`
// "pdf" (without a name, "Horavela - Marriage - 2024-11-14 1030.pdf"). Characters
// no file name may hold on some system (/ \ : * ? " < > | and control
// characters) become "-". Without a subject (nothing evaluated yet) it is
// "Horavela Report.pdf".
QString ReportFileName(const EvaluationInput& input, const QString& extension);

// "Horavela - Match - Ravi Kumar and Asha Rao.pdf": the match report's name.
QString MatchReportFileName(const QString& groom, const QString& bride, const QString& extension);

}  // namespace horavela::app
