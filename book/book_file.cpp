#include "book/book_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace horavela::book {

namespace {

// The files SQLite may keep beside a book while writing it; left behind, one
// would be played back into the fresh book.
constexpr const char* kCompanionSuffixes[] = {"-journal", "-wal", "-shm"};

QString FreeAsideName(const QString& path) {
  const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
  const QString base = path + ".damaged-" + stamp;
  QString name = base;
  for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
    name = base + "-" + QString::number(n);
  return name;
}

}  // namespace

QString CheckBookLocation(const QString& path) {
  const QFileInfo file(path);
  const QString folder = file.absolutePath();
  if (file.isDir()) return QString("%1 is a folder, not a book").arg(path);
  if (!QDir().mkpath(folder)) return QString("the folder %1 cannot be made").arg(folder);
  const QFileInfo folderInfo(folder);
  if (!folderInfo.isDir()) return QString("%1 is not a folder").arg(folder);
  if (!file.exists()) {
    if (!folderInfo.isWritable()) return QString("the folder %1 is not writable").arg(folder);
    return {};
  }
  if (!file.isReadable()) return QString("%1 cannot be read (permission denied)").arg(path);
  if (!file.isWritable()) return QString("%1 cannot be written (permission denied)").arg(path);
  // SQLite writes its journal beside the book.
  if (!folderInfo.isWritable()) return QString("the folder %1 is not writable").arg(folder);
  return {};
}

bool OnlyReadable(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile() || !file.isReadable()) return false;
  return !file.isWritable() || !QFileInfo(file.absolutePath()).isWritable();
}

QString SetAside(const QString& path, QString* error) {
  const QString aside = FreeAsideName(path);
  QFile file(path);
  if (!file.rename(aside)) {
    *error = QString("%1 is damaged and could not be moved aside to %2: %3")
                 .arg(path, aside, file.errorString());
    return {};
  }
  for (const char* suffix : kCompanionSuffixes) {
    QFile companion(path + suffix);
    if (companion.exists() && !companion.rename(aside + suffix)) {
      *error = QString(
                   "%1 is damaged and was moved aside to %2, but its file %3 could not be "
                   "moved beside it: %4")
                   .arg(path, aside, companion.fileName(), companion.errorString());
      return {};
    }
  }
  return aside;
}

}  // namespace horavela::book
