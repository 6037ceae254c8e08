#include "app/table_or_spreadsheet.h"

namespace kelvaro::app {

void TableOrSpreadsheet::AsTable(const std::function<void()>& command) {
  struct Restore {
    std::atomic<bool>& flag;
    ~Restore() { flag = false; }
  } restore{to_table_};
  to_table_ = true;
  command();
}

bool TableOrSpreadsheet::Connect() { return to_table_ || office_.Connect(); }
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
  } else {
    office_.OpenWorkbook(file);
  }
}

// A template has no file yet: it always goes to the spreadsheet.
void TableOrSpreadsheet::NewSheetWithLines(const std::string& sheet_name,
                                           const std::vector<std::string>& lines) {
  office_.NewSheetWithLines(sheet_name, lines);
}

}  // namespace kelvaro::app
