#pragma once

#include <QLockFile>
#include <QString>

namespace horavela::app {

// Holds a lock file for the life of the program, so a second copy started
// by the same user can tell that one is already running. A lock left behind
// by a crashed copy is recognised as stale and taken over.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& lockPath);

  // True when this is the only running copy.
  bool Acquire();

  // The lock file in the user's runtime folder (temporary folder as fallback).
  static QString DefaultLockPath();

 private:
  QLockFile lock_;
};

}  // namespace horavela::app
