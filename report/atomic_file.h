#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/result.h"

namespace horavela {

// Files replaced together: every file is first written whole to a temporary
// file beside its target and flushed to disk (Prepare), and only when all of
// them are ready are the temporaries renamed over their targets (Commit). A
// failed Prepare leaves every target as it was; a set that is destroyed or
// abandoned before Commit removes its temporaries and changes no target.
//
// What a target may be:
// - a regular file or a name not yet taken. Folders, devices, FIFOs and
//   sockets are refused, never replaced by a plain file.
// - a symbolic link: it is followed to its final target, which is written
//   (the temporary goes to that target's folder), so the link stays a link.
// - an existing file keeps its permission bits and, where the process may set
//   them, its owner and group. A file that the process may not write, or
//   whose mode grants writing to no one (read-only, as after chmod a-w), is
//   refused; the second rule holds for the super-user too, who may otherwise
//   write anything.
//
// A temporary left behind by a write that never finished (the process was
// killed or the machine stopped) is removed by the next write to that target.
//
// Failures are StorageFailure problems whose messages name the file as the
// caller gave it, and the cause.
class AtomicWriteSet {
 public:
  AtomicWriteSet() = default;
  AtomicWriteSet(const AtomicWriteSet&) = delete;
  AtomicWriteSet& operator=(const AtomicWriteSet&) = delete;
  ~AtomicWriteSet();

  // Checks `path` and writes `contents` to a temporary file for it. A
  // failure's message names the file and the cause; after it the set holds
  // no temporary file and no target has changed.
  Result<void> Prepare(const std::string& path, std::string_view contents);

  // Renames every prepared temporary over its target, in the order prepared.
  // A rename cannot be undone: should one
  // fail (only a change to the folder since Prepare can make it fail), the
  // files before it stay replaced, the message names them, and the remaining
  // temporaries are removed.
  Result<void> Commit();

  // Removes every temporary file; no target changes.
  void Abandon();

 private:
  struct Pending {
    std::string path;       // as the caller named it, for messages
    std::string target;     // the file that is replaced, links followed
    std::string temporary;  // the finished new contents, beside `target`
  };
  std::vector<Pending> pending_;
};

// Writes `contents` to `path` so that the file is either the old one or the
// whole new one, never a part; a set of one file under the rules above.
// A failure's message names the file and the cause; after a failure no
// temporary file is left behind.
Result<void> WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace horavela
