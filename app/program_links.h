#pragma once

#include <QString>
#include <QUrl>

namespace horavela::app {

// Our web address, as the report prints it.
QString WebAddress();

// The pages behind the three web entries of the Help menu.
QUrl OnlineHelpUrl();
QUrl VisitUsUrl();
QUrl UpdateUrl();

}  // namespace horavela::app
