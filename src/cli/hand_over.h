#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/combo_box.h"
#include "forms/warning_panel.h"
#include "office/spreadsheet.h"
#include "session/session.h"

namespace kelvaro::cli {

// The spreadsheet of a command: the desktop's when the file is to be shown, or none when only
// its path is asked for. Either way it keeps the file the dialog handed over.
class HandOverSpreadsheet : public Spreadsheet {
 public:
  // `show` false: nothing is started and every hand-over succeeds.
  HandOverSpreadsheet(const Session& session, bool show);
  ~HandOverSpreadsheet() override;

  bool Connect() override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& caption) override;
  void OpenWorkbook(const std::filesystem::path& file) override;
  void NewSheetWithLines(const std::string& sheet_name,
                         const std::vector<std::string>& lines) override;
  void Quit() override;

  const std::optional<std::filesystem::path>& handed_over() const { return handed_over_; }
  // The spreadsheet was there but had no display to show the file handed over.
  bool no_display() const { return no_display_; }

 private:
  std::unique_ptr<Spreadsheet> desktop_;
  bool no_display_ = false;
  std::optional<std::filesystem::path> handed_over_;
};

// After a dialog has built its crop list from the SA text: true when the list holds crop
// `crop` (from 1); otherwise the dialog's warnings, or a message naming the crop file, on stderr.
bool CropIsListed(const ComboBox& list, const WarningPanel& warning, const std::string& sa_text,
                  int crop);

// Prints a dialog's warning lines to stderr; true when there were any to show.
bool PrintWarnings(const WarningPanel& warning);

// After a dialog's OK: the exit status, with the path printed ("--print-path") or the file named
// as handed to the spreadsheet. A file written but not shown for want of a display is done too.
int HandOverStatus(const HandOverSpreadsheet& spreadsheet, const WarningPanel& warning,
                   int message_boxes, bool print_path);

}  // namespace kelvaro::cli
