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

bool PrintWarnings(const WarningPanel& warning) {
  if (!warning.visible) return false;
  for (const auto& line : warning.lines) std::cerr << line << "\n";
  return !warning.lines.empty();
}

bool CropIsListed(const ComboBox& list, const WarningPanel& warning, const std::string& sa_text,
                  int crop) {
  if (PrintWarnings(warning)) return false;
  const int count = static_cast<int>(list.items.size()) - 1;
  if (crop >= 1 && crop <= count) return true;
  std::cerr << "Crop " << crop << " is not in " << CropListSource(PaddedSaText(sa_text))
            << ", which holds " << count << " crops (numbered from 1)\n";
  return false;
}

int HandOverStatus(const HandOverSpreadsheet& spreadsheet, const WarningPanel& warning,
                   int message_boxes, bool print_path) {
  if (message_boxes > 0) return kExitError;
  if (!spreadsheet.handed_over()) return PrintWarnings(warning) ? kExitRefused : kExitError;
  PrintWarnings(warning);
  if (spreadsheet.no_display() && !print_path) {
    std::cout << NoDisplayText(*spreadsheet.handed_over()) << "\n";
    return kExitDone;
  }
  const std::string path = spreadsheet.handed_over()->string();
  std::cout << (print_path ? path : "Opened " + path + " in the spreadsheet") << "\n";
  return kExitDone;
}

}  // namespace kelvaro::cli
