#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QWidget;

namespace horavela::app {

// A local socket through which a second copy of the program asks the running
// one to come to the front. Only the copy holding the single-instance lock
// listens; a failure here never stops the program, it only loses the raise.
class InstanceChannel {
 public:
  InstanceChannel();
  ~InstanceChannel();
  InstanceChannel(const InstanceChannel&) = delete;
  InstanceChannel& operator=(const InstanceChannel&) = delete;

  // The socket's name sits beside the lock file, in the user's own runtime
  // folder, so two users on one machine never reach each other's copy.
  static QString NameFor(const QString& lockPath);

  // Listens under `name`, first clearing a name left behind by a crashed copy;
  // call it only while holding the lock. onRequest runs on each request.
  bool Listen(const QString& name, std::function<void()> onRequest);

  // Asks the copy listening under `name` to show its window. True when it
  // answered within timeoutMs; false at once when nobody listens.
  static bool AskToShow(const QString& name, int timeoutMs);

 private:
  std::unique_ptr<QLocalServer> server_;
};

// Unminimises, shows, raises and activates the window, and keeps an open
// modal dialog above it, so the user sees where the program is waiting.
void BringToFront(QWidget* window);

}  // namespace horavela::app
