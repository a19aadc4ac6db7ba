// Writes the program's emblem as a square PNG icon, at build time:
//   horavela-emblem-png SIZE FILE
// The icon comes from the same drawing as the reports' emblem, so the two
// never drift apart.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "report/emblem.h"
#include "report/png_image.h"

namespace {

constexpr int kLargestSize = 1024;

// Writes beside the target first, so a failed run leaves no half icon for the
// build to take as finished.
bool WriteWhole(const std::filesystem::path& target, const std::string& bytes) {
  std::filesystem::path partial = target;
  partial += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return false;
  }
  std::error_code error;
  std::filesystem::rename(partial, target, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: horavela-emblem-png SIZE FILE\n";
    return 2;
  }
  const int size = std::atoi(argv[1]);
  if (size <= 0 || size > kLargestSize) {
    std::cerr << "horavela-emblem-png: SIZE must be between 1 and " << kLargestSize << '\n';
    return 2;
  }
  if (!WriteWhole(argv[2], horavela::EncodePng(horavela::DrawSunEmblem(size)))) {
    std::cerr << "horavela-emblem-png: could not write " << argv[2] << '\n';
    return 1;
  }
  return 0;
}
