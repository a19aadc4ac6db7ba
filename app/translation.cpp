#include "app/translation.h"

#include <QCoreApplication>

namespace horavela::app {

QString Tr(const char* text) {
  return QCoreApplication::translate(kTranslationContext, text);
}

}  // namespace horavela::app
