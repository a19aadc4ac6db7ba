#pragma once

#include <ostream>
#include <string>
#include <vector>

// The file names given on the command line, checked before anything is read
// or written: an empty name would silently fall back to standard input or
// output (or to the desktop program's own book), and two options naming one
// file would leave only one of the two behind.
namespace horavela::cli {

struct FileOption {
  std::string option;  // as typed: "--rtf", "FILE"
  std::string path;
};

// Why the file options cannot be used ("--rtf: ..."), or an empty string.
std::string CheckFileOptions(const std::vector<FileOption>& files);

// Whether standard input is a folder (`horavela-cli evaluate < /`), which
// reads as nothing at all; then `error` says so.
bool StandardInputIsFolder(std::string& error);

// "request: larger than 1 MiB" for a text longer than `limit` bytes.
std::string TooLargeText(std::size_t limit);

// kExitOk, or kExitBadRequest with the {"error"} answer written to `out`.
int RefuseBadFileOptions(const std::vector<FileOption>& files, std::ostream& out);

}  // namespace horavela::cli
