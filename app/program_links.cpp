#include "app/program_links.h"

#include <string_view>

#include "report/program_identity.h"

namespace horavela::app {

QString WebAddress() {
  const std::string_view address = kProgramWebAddress;
  return QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
}

QUrl OnlineHelpUrl() {
  return QUrl(WebAddress() + "/help");
}
QUrl VisitUsUrl() {
  return QUrl(WebAddress());
}
QUrl UpdateUrl() {
  return QUrl(WebAddress() + "/download");
}

}  // namespace horavela::app
