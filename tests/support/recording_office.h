#pragma once

#include <string>
#include <vector>

#include "office/spreadsheet.h"
#include "office/word_processor.h"

namespace kelvaro::testing {

// Records every call in order ("connect", "visible?", "visible true", "open <path>", ...).
// `reachable` false makes connecting fail, as when no office program is installed.
class RecordingSpreadsheet : public Spreadsheet {
 public:
  explicit RecordingSpreadsheet(bool reachable = true) : reachable_(reachable) {}

  bool Connect() override;
  bool LacksDisplay() const override { return lacks_display; }
  bool Visible() const override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& caption) override;
  void OpenWorkbook(const std::filesystem::path& file) override;
  void NewSheetWithLines(const std::string& sheet_name,
                         const std::vector<std::string>& lines) override;
  void Quit() override { calls.push_back("quit"); }

  mutable std::vector<std::string> calls;
  std::vector<std::string> pasted;
  // Installed, but no display to show a window on: connecting fails.
  bool lacks_display = false;

 private:
  bool reachable_;
  bool visible_ = false;
};

class RecordingWordProcessor : public WordProcessor {
 public:
  explicit RecordingWordProcessor(bool reachable = true) : reachable_(reachable) {}

  bool Connect() override;
  void SetVisible(bool visible) override;
  void SetCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
  void OpenDocument(const std::filesystem::path& file) override;
  void NewDocumentWithText(const std::string& text) override;

  std::vector<std::string> calls;

 private:
  bool reachable_;
};

}  // namespace kelvaro::testing
