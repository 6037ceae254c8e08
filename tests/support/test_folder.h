#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

namespace kelvaro::testing {

// A fresh, empty folder under the system's temporary folder, removed when the test ends.
class TestFolder {
 public:
  TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  ~TestFolder();

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  void Write(const std::string& name, const std::string& contents) const;
  std::string Read(const std::string& name) const;
  bool Has(const std::string& name) const;
  // Names of the files in the folder, sorted.
  std::string Listing() const;
  // Every file of the folder, sorted by name, with its bytes: equal snapshots, equal folders.
  std::string Snapshot() const;
  // Copies bundled example files (data/examples/) into the folder.
  void CopyExamples(std::initializer_list<const char*> names) const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
// The bytes of a file, but for a run record's date and thread count, which no two runs share
// and which change no result.
std::string ReadComparable(const std::filesystem::path& path);

// Takes every write permission away, as a user protecting a file does.
void MakeReadOnly(const std::filesystem::path& path);

// Path of an expected file under tests/golden/, of an input the golden tests read under
// tests/data/golden-inputs/ and of the measured station records of tests/data/stations/.
std::filesystem::path GoldenPath(const std::string& relative);
std::filesystem::path GoldenInputPath(const std::string& relative);
std::filesystem::path StationDataPath(const std::string& name);
// A bundled example file of data/examples/.
std::filesystem::path ExamplePath(const std::string& name);

}  // namespace kelvaro::testing
