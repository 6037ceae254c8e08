#include "app/table_or_spreadsheet.h"

#include "office/office_calls.h"

namespace kelvaro::app {

void TableOrSpreadsheet::AsTable(const std::function<void()>& command) {
  struct Restore {
    std::atomic<bool>& flag;
    ~Restore() { flag = false; }
  } restore{to_table_};
  to_table_ = true;
  command();
}

// A spreadsheet that cannot be reached, for want of a display or of the program, leaves the file
// to the table window.
bool TableOrSpreadsheet::Connect() {
  if (to_table_ || office_.Connect()) return true;
  no_display_ = office_.LacksDisplay();
  no_office_ = !no_display_;
  return true;
}
bool TableOrSpreadsheet::Visible() const { return to_table_ || office_.Visible(); }

void TableOrSpreadsheet::SetVisible(bool visible) {
  if (!to_table_) office_.SetVisible(visible);
}

void TableOrSpreadsheet::SetCaption(const std::string& caption) {
  if (!to_table_) office_.SetCaption(caption);
}

void TableOrSpreadsheet::OpenWorkbook(const std::filesystem::path& file) {
  if (to_table_) {
    show_table_(file);
    return;
  }
  if (no_display_) {
    ShowWithoutDisplay(file);
    return;
  }
  if (no_office_) {
    no_office_ = false;
    tell_(std::string(kExcelMissing) + "; " + file.filename().string() +
          " is shown in the program's table window instead.");
    show_table_(file);
    return;
  }
  try {
    office_.OpenWorkbook(file);
  } catch (const NoDisplayError&) {
    ShowWithoutDisplay(file);
  }
}

void TableOrSpreadsheet::ShowWithoutDisplay(const std::filesystem::path& file) {
  no_display_ = false;
  std::string text = NoDisplayText(file) + "; it is shown in the program's table window instead.";
  text[0] = 'N';
  tell_(text);
  show_table_(file);
}

// A template has no file yet: it always goes to the spreadsheet.
void TableOrSpreadsheet::NewSheetWithLines(const std::string& sheet_name,
                                           const std::vector<std::string>& lines) {
  office_.NewSheetWithLines(sheet_name, lines);
}

}  // namespace kelvaro::app
