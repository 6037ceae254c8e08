#include "office/desktop_office.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>

#include "office/detached_process.h"
#include "office/office_calls.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/output_file.h"

namespace kelvaro {
namespace {

constexpr std::string_view kUntitledDocument = "Document";

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::optional<std::filesystem::path> FindOnSearchPath(std::string_view search_path,
                                                      std::string_view program) {
  while (true) {
    const auto colon = search_path.find(':');
    const std::string_view folder = search_path.substr(0, colon);
    if (!folder.empty()) {
      const std::filesystem::path candidate = std::filesystem::path(folder) / program;
      std::error_code error;
      if (std::filesystem::is_regular_file(candidate, error) &&
          access(candidate.c_str(), X_OK) == 0) {
        return candidate;
      }
    }
    if (colon == std::string_view::npos) return std::nullopt;
    search_path.remove_prefix(colon + 1);
  }
}

// "cannot open display", "Failed to open display :0", "Can't open display": the words vary.
bool SaysNoDisplay(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text.find("display") != std::string::npos;
}

std::string FileNameOrUntitled(const std::string& name) {
  return !name.empty() && IsSafeName(name) ? name : std::string(kUntitledDocument);
}

}  // namespace

DesktopEnvironment DesktopEnvironment::OfThisProcess() {
  DesktopEnvironment environment;
  environment.search_path = EnvironmentText("PATH");
  environment.has_display =
      !EnvironmentText("DISPLAY").empty() || !EnvironmentText("WAYLAND_DISPLAY").empty();
  return environment;
}

std::optional<OfficeProgram> FindOfficeProgram(const DesktopEnvironment& environment) {
  for (const char* name : {"soffice", "libreoffice"}) {
    if (auto found = FindOnSearchPath(environment.search_path, name)) {
      return OfficeProgram{*found, OfficeProgramKind::kLibreOffice};
    }
  }
  if (auto found = FindOnSearchPath(environment.search_path, "xdg-open")) {
    return OfficeProgram{*found, OfficeProgramKind::kDesktopDefault};
  }
  return std::nullopt;
}

std::vector<std::string> OfficeCommand(const OfficeProgram& program, OfficeModule module,
                                       const std::filesystem::path& file) {
  const std::string path = std::filesystem::absolute(file).lexically_normal().string();
  const std::string executable = program.executable.string();
  if (program.kind == OfficeProgramKind::kDesktopDefault) return {executable, path};
  if (module == OfficeModule::kWriter) return {executable, "--writer", path};
  return {executable, "--calc", "--infilter=" + std::string(kCommaSeparatedImport), path};
}

bool DesktopOffice::Connect() {
  if (!program_) program_ = FindOfficeProgram(environment_);
  lacks_display_ = program_.has_value() && !environment_.has_display;
  if (lacks_display_) program_.reset();
  return program_.has_value();
}

void DesktopOffice::Show(OfficeModule module, const std::filesystem::path& file) const {
  if (!program_) throw InputError("The office application is not connected");
  const auto ended =
      StartDetachedWatched(OfficeCommand(*program_, module, file), environment_.start_watch);
  if (ended && SaysNoDisplay(ended->error_output)) throw NoDisplayError(NoDisplayText(file));
}

std::filesystem::path DesktopOffice::WritePastedText(const std::string& file_name,
                                                     const std::string& text) const {
  const std::filesystem::path path = FindInFolder(session_.data_dir, file_name);
  WriteWholeFile(path, text);
  return path;
}

void DesktopSpreadsheet::OpenWorkbook(const std::filesystem::path& file) {
  office_.Show(OfficeModule::kCalc, file);
}

void DesktopSpreadsheet::NewSheetWithLines(const std::string& sheet_name,
                                           const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\n");
  OpenWorkbook(office_.WritePastedText(FileNameOrUntitled(sheet_name) + ".csv", text));
}

void DesktopSpreadsheet::Quit() {
  office_.Disconnect();
  visible_ = false;
}

void DesktopWordProcessor::OpenDocument(const std::filesystem::path& file) {
  office_.Show(OfficeModule::kWriter, file);
}

void DesktopWordProcessor::NewDocumentWithText(const std::string& text) {
  OpenDocument(office_.WritePastedText(FileNameOrUntitled(caption_) + ".txt", text));
}

}  // namespace kelvaro
