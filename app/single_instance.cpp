#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace horavela::app {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
  // A lock never goes stale while its owner lives; only a dead owner frees it.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::Acquire() {
  return lock_.isLocked() || lock_.tryLock(0);
}

QString SingleInstance::DefaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath("horavela.lock");
}

}  // namespace horavela::app
