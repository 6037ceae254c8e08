#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "office/spreadsheet.h"
#include "office/word_processor.h"
#include "session/session.h"

namespace kelvaro {

// LibreOffice's text import with comma as separator, '"' as text delimiter, UTF-8, from line 1:
// the program's result files carry extensions a spreadsheet does not know and start with lines
// that are not CSV records, so the import is named rather than guessed.
inline constexpr std::string_view kCommaSeparatedImport = "Text - txt - csv (StarCalc):44,34,76,1";

// Where the desktop office programs are looked for.
struct DesktopEnvironment {
  std::string search_path;   // the PATH list
  bool has_display = false;  // an X11 or Wayland display to show a window on
  // How long a started program is watched: one that cannot open a display ends within it.
  std::chrono::milliseconds start_watch{1500};

  static DesktopEnvironment OfThisProcess();
};

enum class OfficeProgramKind { kLibreOffice, kDesktopDefault };

struct OfficeProgram {
  std::filesystem::path executable;
  OfficeProgramKind kind = OfficeProgramKind::kLibreOffice;
};

// LibreOffice ("soffice", else "libreoffice") on the search path, else the desktop's default
// application ("xdg-open"); nothing when none is found.
std::optional<OfficeProgram> FindOfficeProgram(const DesktopEnvironment& environment);

enum class OfficeModule { kCalc, kWriter };

// The command that shows `file` in the spreadsheet or word processor.
std::vector<std::string> OfficeCommand(const OfficeProgram& program, OfficeModule module,
                                       const std::filesystem::path& file);

// Starts the office program for each file it is asked to show and never waits for it. Text to
// paste is written to a file in the data folder first and that file is opened, so nothing
// depends on a clipboard.
class DesktopOffice {
 public:
  DesktopOffice(const Session& session, DesktopEnvironment environment)
      : session_(session), environment_(std::move(environment)) {}

  // False when no office program is found, or when one is found but there is no display.
  bool Connect();
  bool lacks_display() const { return lacks_display_; }
  bool connected() const { return program_.has_value(); }
  void Disconnect() { program_.reset(); }
  // Throws InputError when not connected or the program cannot be started, NoDisplayError when
  // it ends at once saying it cannot open a display.
  void Show(OfficeModule module, const std::filesystem::path& file) const;
  // Writes `text` to `file_name` in the data folder and returns its path.
  std::filesystem::path WritePastedText(const std::string& file_name,
                                        const std::string& text) const;

 private:
  const Session& session_;
  DesktopEnvironment environment_;
  std::optional<OfficeProgram> program_;
  bool lacks_display_ = false;
};

// The desktop's spreadsheet. LibreOffice has no window caption to set from outside; the caption
// is kept and the visibility is what the program last set. Quit forgets the connection: the
// user's open workbooks are theirs to close.
class DesktopSpreadsheet : public Spreadsheet {
 public:
  explicit DesktopSpreadsheet(const Session& session,
                              DesktopEnvironment environment = DesktopEnvironment::OfThisProcess())
      : office_(session, std::move(environment)) {}

  bool Connect() override { return office_.Connect(); }
  bool LacksDisplay() const override { return office_.lacks_display(); }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void OpenWorkbook(const std::filesystem::path& file) override;
  // The lines are written to `sheet_name` + ".csv" in the data folder, which names the sheet.
  void NewSheetWithLines(const std::string& sheet_name,
                         const std::vector<std::string>& lines) override;
  void Quit() override;

 private:
  DesktopOffice office_;
  bool visible_ = false;
  std::string caption_;
};

// The desktop's word processor; a new document is a text file named after its caption.
class DesktopWordProcessor : public WordProcessor {
 public:
  explicit DesktopWordProcessor(
      const Session& session, DesktopEnvironment environment = DesktopEnvironment::OfThisProcess())
      : office_(session, std::move(environment)) {}

  bool Connect() override { return office_.Connect(); }
  // A started word processor shows its window.
  void SetVisible(bool) override {}
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void OpenDocument(const std::filesystem::path& file) override;
  void NewDocumentWithText(const std::string& text) override;

 private:
  DesktopOffice office_;
  std::string caption_;
};

}  // namespace kelvaro
