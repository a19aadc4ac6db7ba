#pragma once

#include <QLockFile>
#include <QString>
#include <functional>

#include "app/instance_channel.h"

namespace horavela::app {

// Holds a lock file for the life of the program, so a second copy started
// by the same user can tell that one is already running. A lock left behind
// by a crashed copy is recognised as stale and taken over. The copy holding
// the lock also listens, so a second copy can bring it to the front.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& lockPath);

  // True when this is the only running copy.
  bool Acquire();

  // Runs onRequest whenever another copy asks to see the window. Only the
  // lock's holder may listen, so a live first copy is never displaced; false
  // without the lock or when the socket cannot be made.
  bool ListenForOthers(std::function<void()> onRequest);

  // Asks the copy holding the lock at lockPath to come to the front; true
  // when it answered within timeoutMs.
  static bool AskRunningCopyToShow(const QString& lockPath, int timeoutMs);

  // The lock file in the user's runtime folder (temporary folder as fallback).
  static QString DefaultLockPath();

 private:
  QString lockPath_;
  QLockFile lock_;
  InstanceChannel channel_;
};

}  // namespace horavela::app
