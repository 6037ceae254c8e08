#include "weatherio/output_file.h"

#include <fstream>

#include "weatherio/errors.h"

namespace kelvaro {

namespace {

// A hidden name beside the result: ".Davis.eto.partial".
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
  std::string name = ".";
  name.append(path.filename().string()).append(".partial");
  return path.parent_path() / name;
}

}  // namespace

OutputFile::OutputFile(std::filesystem::path path)
    : path_(std::move(path)), temporary_path_(TemporaryPathFor(path_)) {}

OutputFile::~OutputFile() {
  if (!committed_) {
    std::error_code ignored;
    std::filesystem::remove(temporary_path_, ignored);
  }
}

void OutputFile::Write(std::string_view text) { contents_.append(text); }

void OutputFile::Commit() {
  {
    std::ofstream out(temporary_path_, std::ios::binary | std::ios::trunc);
    out.write(contents_.data(), static_cast<std::streamsize>(contents_.size()));
    out.close();
    if (!out) throw InputError("Couldn't write " + path_.filename().string() + ".");
  }
  std::error_code error;
  std::filesystem::rename(temporary_path_, path_, error);
  if (error) throw InputError("Couldn't write " + path_.filename().string() + ".");
  committed_ = true;
}

void AppendToFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) throw InputError("Couldn't write " + path.filename().string() + ".");
}

void WriteWholeFile(const std::filesystem::path& path, std::string_view text) {
  OutputFile file(path);
  file.Write(text);
  file.Commit();
}

}  // namespace kelvaro
