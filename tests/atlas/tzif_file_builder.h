#pragma once

// Builds the bytes of small TZif zone files for tests: whole ones, and damaged
// ones made by changing a field or cutting the file short.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace horavela::testing_tzif {

struct LocalTypeSpec {
  std::int32_t utcOffset = 0;
  std::uint8_t dst = 0;
  std::uint8_t abbreviationIndex = 0;
};

struct TzifLayout {
  char version = '2';  // '\0' for a first-version file: 32-bit data, no footer
  std::vector<std::int64_t> transitions;
  std::vector<std::uint8_t> transitionTypes;
  std::vector<LocalTypeSpec> types;
  std::string abbreviations;          // each one ends with '\0'
  std::optional<std::string> footer;  // without its line ends; none: the file ends before it
};

inline void PutBigEndian(std::string& bytes, std::int64_t value, int width) {
  for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
    bytes.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> shift) & 0xff));
}

inline void PutHeader(std::string& bytes, char version, const TzifLayout& data) {
  bytes += "TZif";
  bytes.push_back(version);
  bytes.append(15, '\0');
  const std::size_t counts[] = {
      0, 0, 0, data.transitions.size(), data.types.size(), data.abbreviations.size()};
  for (std::size_t count : counts) PutBigEndian(bytes, static_cast<std::int64_t>(count), 4);
}

inline void PutBlock(std::string& bytes, const TzifLayout& data, int timeWidth) {
  for (std::int64_t time : data.transitions) PutBigEndian(bytes, time, timeWidth);
  for (std::uint8_t type : data.transitionTypes) bytes.push_back(static_cast<char>(type));
  for (const LocalTypeSpec& type : data.types) {
    PutBigEndian(bytes, type.utcOffset, 4);
    bytes.push_back(static_cast<char>(type.dst));
    bytes.push_back(static_cast<char>(type.abbreviationIndex));
  }
  bytes += data.abbreviations;
}

// A later-version file carries an empty first-version block, as zic's slim
// output does, then the 64-bit data and the footer.
inline std::string TzifBytes(const TzifLayout& layout) {
  std::string bytes;
  if (layout.version == '\0') {
    PutHeader(bytes, '\0', layout);
    PutBlock(bytes, layout, 4);
    return bytes;
  }
  PutHeader(bytes, layout.version, TzifLayout{});
  PutHeader(bytes, layout.version, layout);
  PutBlock(bytes, layout, 8);
  if (layout.footer) bytes += "\n" + *layout.footer + "\n";
  return bytes;
}

// Where the counts of the 64-bit data start in a later-version file built above.
constexpr std::size_t kSecondCountsAt = 44 + 20;
constexpr std::size_t kTimeCountAt = kSecondCountsAt + 12;

inline std::string WithCount(std::string bytes, std::size_t at, std::uint32_t count) {
  std::string value;
  PutBigEndian(value, count, 4);
  bytes.replace(at, 4, value);
  return bytes;
}

// A small zone with one change of the clocks a year: standard time +05:30,
// an hour of daylight saving from March to October.
inline TzifLayout SmallZone() {
  TzifLayout layout;
  layout.transitions = {-1000000000, 0};
  layout.transitionTypes = {1, 0};
  layout.types = {{19800, 0, 0}, {23400, 1, 5}};
  layout.abbreviations = std::string("+0530\0+0630\0", 12);
  layout.footer = "<+0530>-5:30<+0630>,M3.5.0,M10.5.0/3";
  return layout;
}

// A temporary tz database folder that TZDIR points at while it lives; the
// former TZDIR comes back afterwards. Child processes started meanwhile see it.
class ScopedZoneFolder {
 public:
  ScopedZoneFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "horavela-tzdir-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
    if (const char* old = getenv("TZDIR")) former_ = old;
    setenv("TZDIR", path_.c_str(), 1);
  }
  ~ScopedZoneFolder() {
    if (former_)
      setenv("TZDIR", former_->c_str(), 1);
    else
      unsetenv("TZDIR");
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScopedZoneFolder(const ScopedZoneFolder&) = delete;
  ScopedZoneFolder& operator=(const ScopedZoneFolder&) = delete;

  // Writes the zone `name` ("Test/Far") into the folder.
  void Add(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
  std::optional<std::string> former_;
};

}  // namespace horavela::testing_tzif
