#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/console.h"
#include "office/spreadsheet.h"
#include "session/session.h"
#include "viewers/file_outcome.h"
#include "viewers/study_area_files.h"

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

// The crops of the SA text when crop `crop` (from 1) is one of them; otherwise the crop file's
// problem, or a message naming the crop file and how many crops it holds, on stderr.
std::optional<StudyAreaCrops> ListedCrops(const std::filesystem::path& folder,
                                          const std::string& sa_text, int crop);

// Prints the problems' messages to stderr, one a line; true when there were any.
bool PrintProblems(const std::vector<FileProblem>& problems);

// After a typed call: its problems printed (refused), its failure reported as a message box
// (an error), or its file handed to the spreadsheet and the status of that.
int ShowOutcome(const FileOutcome& outcome, HandOverSpreadsheet& spreadsheet,
                ConsoleReporter& reporter, bool print_path);

// After a hand-over: the exit status, with the path printed ("--print-path") or the file named
// as handed to the spreadsheet. A file written but not shown for want of a display is done too.
int HandOverStatus(const HandOverSpreadsheet& spreadsheet, int message_boxes, bool print_path);

}  // namespace kelvaro::cli
