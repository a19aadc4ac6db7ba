#include "app/instance_channel.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>

namespace horavela::app {

namespace {

constexpr char kRequest[] = "raise\n";
constexpr char kAnswer[] = "ok\n";
// Longer lines are not ours; the reader stops instead of buffering them.
constexpr qint64 kLongestLine = 64;
// A peer that connects and says nothing is dropped after this long.
constexpr int kIdleMs = 2000;

int Remaining(const QDeadlineTimer& deadline) {
  return static_cast<int>(deadline.remainingTime());
}

void Answer(QLocalSocket* socket, const std::function<void()>& onRequest) {
  if (!socket->canReadLine()) {
    if (socket->bytesAvailable() > kLongestLine) socket->abort();
    return;
  }
  const QByteArray line = socket->readLine(kLongestLine + 1);
  if (line == kRequest) {
    onRequest();
    socket->write(kAnswer);
  }
  socket->disconnectFromServer();
}

void Accept(QLocalServer* server, const std::function<void()>& onRequest) {
  while (QLocalSocket* socket = server->nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket,
                     [socket, onRequest] { Answer(socket, onRequest); });
    QTimer::singleShot(kIdleMs, socket, &QObject::deleteLater);
  }
}

}  // namespace

InstanceChannel::InstanceChannel() = default;
InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::NameFor(const QString& lockPath) {
  const QFileInfo lock(lockPath);
  return lock.absoluteDir().filePath(lock.completeBaseName() + ".socket");
}

bool InstanceChannel::Listen(const QString& name, std::function<void()> onRequest) {
  auto server = std::make_unique<QLocalServer>();
  // Where the runtime folder is missing the name lands in the shared temporary
  // folder; only this user may connect there.
  server->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(name);
  if (!server->listen(name)) return false;
  QLocalServer* raw = server.get();
  QObject::connect(raw, &QLocalServer::newConnection, raw,
                   [raw, onRequest = std::move(onRequest)] { Accept(raw, onRequest); });
  server_ = std::move(server);
  return true;
}

bool InstanceChannel::AskToShow(const QString& name, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(Remaining(deadline))) return false;
  socket.write(kRequest);
  if (socket.bytesToWrite() > 0 && !socket.waitForBytesWritten(Remaining(deadline))) return false;
  while (!socket.canReadLine()) {
    if (socket.bytesAvailable() > kLongestLine) return false;
    if (!socket.waitForReadyRead(Remaining(deadline))) return false;
  }
  return socket.readLine(kLongestLine + 1) == kAnswer;
}

void BringToFront(QWidget* window) {
  window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window->show();
  window->raise();
  window->activateWindow();
  if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog != window) {
    dialog->raise();
    dialog->activateWindow();
  }
}

}  // namespace horavela::app
