#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "weatherio/errors.h"

namespace kelvaro {

// The spreadsheet application is there but cannot show a window: no display to show it on. The
// message names the file that was to be shown.
class NoDisplayError : public InputError {
 public:
  using InputError::InputError;
};

// The spreadsheet application, with the operations the program uses and nothing more. A server
// starts unconnected; Connect() reaches a running instance or starts one.
class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;

  // False when no spreadsheet application can be reached.
  virtual bool Connect() = 0;
  // After a Connect that failed: true when the application is there but has no display to show
  // a window on, so the caller may show the file another way.
  virtual bool LacksDisplay() const { return false; }
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // Shows a comma-separated text file (any extension) as a workbook, one field a column. Throws
  // NoDisplayError when the application ends at once for want of a display.
  virtual void OpenWorkbook(const std::filesystem::path& file) = 0;
  // A new workbook of one sheet named `sheet_name`, the lines (without line ends) pasted from
  // its first cell, one line a row.
  virtual void NewSheetWithLines(const std::string& sheet_name,
                                 const std::vector<std::string>& lines) = 0;
  virtual void Quit() = 0;
};

}  // namespace kelvaro
