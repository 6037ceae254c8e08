#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "office/spreadsheet.h"

namespace kelvaro::app {

// The spreadsheet the finders and viewers hand their files to, which can send the next file to
// the program's own table window instead: the dialogs then find or compute the file exactly as
// for the spreadsheet, and the user sees it without an office program. So does a file the
// spreadsheet cannot show, for want of a display or of the program, after a message that says so.
class TableOrSpreadsheet : public Spreadsheet {
 public:
  using ShowTable = std::function<void(const std::filesystem::path&)>;
  using Tell = std::function<void(const std::string&)>;

  TableOrSpreadsheet(Spreadsheet& office, ShowTable show_table, Tell tell)
      : office_(office), show_table_(std::move(show_table)), tell_(std::move(tell)) {}

  // Runs `command` with the files it opens shown as tables.
  void AsTable(const std::function<void()>& command);

  bool Connect() override;
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& caption) override;
  void OpenWorkbook(const std::filesystem::path& file) override;
  void NewSheetWithLines(const std::string& sheet_name,
                         const std::vector<std::string>& lines) override;
  void Quit() override { office_.Quit(); }

 private:
  void ShowWithoutDisplay(const std::filesystem::path& file);

  Spreadsheet& office_;
  ShowTable show_table_;
  Tell tell_;
  std::atomic<bool> to_table_ = false;
  std::atomic<bool> no_display_ = false;
  std::atomic<bool> no_office_ = false;
};

}  // namespace kelvaro::app
