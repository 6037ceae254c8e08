#include "support/test_folder.h"

#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <stdexcept>

namespace kelvaro::testing {

TestFolder::TestFolder() {
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("kelvaro-test-" + std::to_string(seed()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary test folder");
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TestFolder::Write(const std::string& name, const std::string& contents) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out << contents;
}

std::string TestFolder::Read(const std::string& name) const { return ReadBytes(path_ / name); }

bool TestFolder::Has(const std::string& name) const {
  return std::filesystem::exists(path_ / name);
}

namespace {

std::set<std::string> Names(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace

std::string TestFolder::Snapshot() const {
  std::string all;
  for (const std::string& name : Names(path_)) all += name + "\n" + ReadBytes(path_ / name);
  return all;
}

std::string TestFolder::Listing() const {
  std::string listing;
  for (const auto& name : Names(path_)) listing += name + "\n";
  return listing;
}

void TestFolder::CopyExamples(std::initializer_list<const char*> names) const {
  for (const char* name : names) Write(name, ReadBytes(ExamplePath(name)));
}

std::string ReadComparable(const std::filesystem::path& path) {
  std::string bytes = ReadBytes(path);
  if (path.extension() != ".kvrun") return bytes;
  for (const char* varying : {"\ndate\t", "\nparameter\tjobs\t"}) {
    const size_t line = bytes.find(varying);
    if (line != std::string::npos) bytes.erase(line, bytes.find('\n', line + 1) - line);
  }
  return bytes;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void MakeReadOnly(const std::filesystem::path& path) {
  using std::filesystem::perms;
  std::filesystem::permissions(path, perms::owner_read | perms::group_read | perms::others_read);
}

std::filesystem::path GoldenPath(const std::string& relative) {
  return std::filesystem::path(KELVARO_GOLDEN_DIR) / relative;
}

std::filesystem::path GoldenInputPath(const std::string& relative) {
  return std::filesystem::path(KELVARO_GOLDEN_INPUTS_DIR) / relative;
}

std::filesystem::path ExamplePath(const std::string& name) {
  return std::filesystem::path(KELVARO_EXAMPLES_DIR) / name;
}

std::filesystem::path StationDataPath(const std::string& name) {
  return std::filesystem::path(KELVARO_STATION_DATA_DIR) / name;
}

}  // namespace kelvaro::testing
