#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace horavela::app {

SingleInstance::SingleInstance(const QString& lockPath) : lockPath_(lockPath), lock_(lockPath) {
  // A lock never goes stale while its owner lives; only a dead owner frees it.
  lock_.setStaleLockTime(0);
}

bool SingleInstance::Acquire() {
  return lock_.isLocked() || lock_.tryLock(0);
}

bool SingleInstance::ListenForOthers(std::function<void()> onRequest) {
  if (!lock_.isLocked()) return false;
  return channel_.Listen(InstanceChannel::NameFor(lockPath_), std::move(onRequest));
}

bool SingleInstance::AskRunningCopyToShow(const QString& lockPath, int timeoutMs) {
  return InstanceChannel::AskToShow(InstanceChannel::NameFor(lockPath), timeoutMs);
}

QString SingleInstance::DefaultLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath("horavela.lock");
}

}  // namespace horavela::app
