#include "cli/hand_over.h"

#include <iostream>

#include "cli/command_status.h"
#include "office/desktop_office.h"
#include "office/office_calls.h"
#include "viewers/study_area_files.h"

namespace kelvaro::cli {

HandOverSpreadsheet::HandOverSpreadsheet(const Session& session, bool show)
    : desktop_(show ? std::make_unique<DesktopSpreadsheet>(session) : nullptr) {}

HandOverSpreadsheet::~HandOverSpreadsheet() = default;

// Without a display the file is still handed over, and named instead of shown.
bool HandOverSpreadsheet::Connect() {
  if (desktop_ == nullptr || desktop_->Connect()) return true;
  no_display_ = desktop_->LacksDisplay();
  return no_display_;
}
bool HandOverSpreadsheet::Visible() const { return desktop_ != nullptr && desktop_->Visible(); }
void HandOverSpreadsheet::SetVisible(bool visible) {
  if (desktop_) desktop_->SetVisible(visible);
}
void HandOverSpreadsheet::SetCaption(const std::string& caption) {
  if (desktop_) desktop_->SetCaption(caption);
}
void HandOverSpreadsheet::OpenWorkbook(const std::filesystem::path& file) {
  handed_over_ = file;
  if (!desktop_ || no_display_) return;
  try {
    desktop_->OpenWorkbook(file);
  } catch (const NoDisplayError&) {
    no_display_ = true;
  }
}
void HandOverSpreadsheet::NewSheetWithLines(const std::string& sheet_name,
                                            const std::vector<std::string>& lines) {
  if (desktop_) desktop_->NewSheetWithLines(sheet_name, lines);
}
void HandOverSpreadsheet::Quit() {
  if (desktop_) desktop_->Quit();
}

bool PrintProblems(const std::vector<FileProblem>& problems) {
  for (const FileProblem& problem : problems) std::cerr << problem.message << "\n";
  return !problems.empty();
}

std::optional<StudyAreaCrops> ListedCrops(const std::filesystem::path& folder,
                                          const std::string& sa_text, int crop) {
  StudyAreaCrops crops = ReadStudyAreaCrops(folder, sa_text);
  if (crops.problem) {
    PrintProblems({*crops.problem});
    return std::nullopt;
  }
  if (const auto problem = CropNumberProblem(crops, sa_text, crop)) {
    PrintProblems({*problem});
    return std::nullopt;
  }
  return crops;
}

int ShowOutcome(const FileOutcome& outcome, HandOverSpreadsheet& spreadsheet,
                ConsoleReporter& reporter, bool print_path) {
  if (PrintProblems(outcome.problems)) return kExitRefused;
  if (outcome.failure) {
    reporter.MessageBox(*outcome.failure);
    return kExitError;
  }
  if (!outcome.found()) return kExitError;
  OpenInSpreadsheet(spreadsheet, *outcome.file, reporter);
  return HandOverStatus(spreadsheet, reporter.boxes(), print_path);
}

int HandOverStatus(const HandOverSpreadsheet& spreadsheet, int message_boxes, bool print_path) {
  if (message_boxes > 0 || !spreadsheet.handed_over()) return kExitError;
  if (spreadsheet.no_display() && !print_path) {
    std::cout << NoDisplayText(*spreadsheet.handed_over()) << "\n";
    return kExitDone;
  }
  const std::string path = spreadsheet.handed_over()->string();
  std::cout << (print_path ? path : "Opened " + path + " in the spreadsheet") << "\n";
  return kExitDone;
}

}  // namespace kelvaro::cli
