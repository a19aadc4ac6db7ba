#include "cli/file_options.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "cli/commands.h"
#include "cli/response_writer.h"
#include "engine/problem.h"

namespace horavela::cli {

namespace {

// The file a name leads to, links and "." or ".." resolved as far as the
// file exists, so "a.csv" and "./a.csv" are seen to be one file.
std::filesystem::path Resolved(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return (error ? absolute : resolved).lexically_normal();
}

}  // namespace

std::string CheckFileOptions(const std::vector<FileOption>& files) {
  for (const FileOption& file : files) {
    if (file.path.empty()) return file.option + ": the file name is empty";
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    for (std::size_t j = i + 1; j < files.size(); ++j) {
      if (Resolved(files[i].path) == Resolved(files[j].path))
        return files[i].option + ", " + files[j].option + ": both name the file " +
               messages::Echo(files[i].path) + "; give each its own file";
    }
  }
  return {};
}

bool StandardInputIsFolder(std::string& error) {
  struct stat status {};
  if (::fstat(STDIN_FILENO, &status) != 0 || !S_ISDIR(status.st_mode)) return false;
  error = "request: cannot read standard input: it is a folder";
  return true;
}

std::string TooLargeText(std::size_t limit) {
  if (limit == kMaxRequestBytes) return kRequestTooLarge;
  return "request: larger than " + std::to_string(limit >> 20) + " MiB";
}

int RefuseBadFileOptions(const std::vector<FileOption>& files, std::ostream& out) {
  const std::string error = CheckFileOptions(files);
  if (error.empty()) return kExitOk;
  out << Serialize(ErrorResponse(error), true) << '\n';
  out.flush();
  return kExitBadRequest;
}

}  // namespace horavela::cli
