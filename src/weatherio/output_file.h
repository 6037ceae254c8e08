#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro {

// A result file written under a temporary name in the same folder and renamed into place by
// Commit(), so a run that fails half way never leaves a half-written result. Dropped without
// Commit(), the temporary file is removed and the old file is left as it was.
class OutputFile {
 public:
  explicit OutputFile(std::filesystem::path path);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  void Write(std::string_view text);
  void Commit();

 private:
  std::filesystem::path path_;
  std::filesystem::path temporary_path_;
  std::string contents_;
  bool committed_ = false;
};

// Appends text to a file in place (the crop file and the study-area summaries grow row by row).
// Throws InputError when the file cannot be written.
void AppendToFile(const std::filesystem::path& path, std::string_view text);

// Writes a whole file through OutputFile.
void WriteWholeFile(const std::filesystem::path& path, std::string_view text);

}  // namespace kelvaro
