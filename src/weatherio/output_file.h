#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// The file that writing `path` would change, after refusing (InputError naming the file) a link
// that leads outside the folder `path` names, anything but a regular file, and a file the user
// made read-only. A link that stays inside the folder is written through: its target is
// returned. A path that does not exist yet is returned as it is.
std::filesystem::path CheckedDestination(const std::filesystem::path& path);

// A result file written under a temporary name beside it, created exclusively (never through a
// link, with a name nobody can predict), and renamed into place by Commit(), so a run that fails
// half way never leaves a half-written result. Dropped without Commit(), the temporary file is
// removed and the old file is left as it was. The destination is checked (CheckedDestination)
// when the file is made and again when it is committed.
class OutputFile {
 public:
  explicit OutputFile(const std::filesystem::path& path);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile();

  void Write(std::string_view text);
  // Writes out and closes the temporary file; Write() may not follow. Throws InputError
  // "Couldn't write <name>." with the system's reason on a second line when the text could not
  // be written.
  void Finish();
  // Finish(), then the file replaces the old one.
  void Commit();

  const std::string& name() const { return name_; }

 private:
  friend void CommitTogether(const std::vector<OutputFile*>& files);

  void WriteOut(std::string_view text);
  void Flush();
  void Replace();
  void Restore() noexcept;
  void DropBackup() noexcept;

  std::filesystem::path requested_;
  std::filesystem::path destination_;
  std::filesystem::path temporary_;
  std::filesystem::path backup_;
  std::string name_;
  std::string pending_;
  int descriptor_ = -1;
  bool failed_ = false;
  int error_number_ = 0;  // why the first write failed
  bool committed_ = false;
};

// All files replace their old ones, or none does: every file is finished and every destination
// checked before the first is renamed, and should a rename still fail, the results renamed before
// it are put back.
void CommitTogether(const std::vector<OutputFile*>& files);

// The result files of one run that are committed together (a study area's per-crop files and
// summaries). Files are kept in the order they were added.
class OutputFileSet {
 public:
  OutputFile& Add(const std::filesystem::path& path);
  // Moves the files of `other` to the end of this set, in their order.
  void Append(OutputFileSet&& other);
  void CommitAll();

 private:
  std::vector<std::unique_ptr<OutputFile>> files_;
};

// Appends text to a file in place (the crop file and the study-area summaries grow row by row),
// after CheckedDestination. Throws InputError when the file cannot be written.
void AppendToFile(const std::filesystem::path& path, std::string_view text);

// Writes a whole file through OutputFile.
void WriteWholeFile(const std::filesystem::path& path, std::string_view text);

}  // namespace kelvaro
