#include "office/office_calls.h"

#include "weatherio/errors.h"
#include "weatherio/file_naming.h"

namespace kelvaro {

std::string NoDisplayText(const std::filesystem::path& file) {
  return "no display to show the spreadsheet: the file is " +
         std::filesystem::absolute(file).lexically_normal().string();
}

bool OpenInSpreadsheet(Spreadsheet& spreadsheet, const std::filesystem::path& file,
                       Reporter& reporter) {
  if (!spreadsheet.Connect()) {
    reporter.MessageBox(spreadsheet.LacksDisplay() ? NoDisplayText(file)
                                                   : std::string(kExcelMissing));
    return false;
  }
  // Read before it is set, in the order the spreadsheet has always been driven.
  static_cast<void>(spreadsheet.Visible());
  spreadsheet.SetVisible(true);
  try {
    spreadsheet.OpenWorkbook(file);
  } catch (const NoDisplayError& error) {
    reporter.MessageBox(error.what());
    return false;
  }
  return true;
}

bool OpenUserGuide(WordProcessor& word, const std::filesystem::path& data_dir, Reporter& reporter) {
  if (!word.Connect()) {
    reporter.MessageBox(std::string(kWordMissing));
    return false;
  }
  word.SetVisible(true);
  word.SetCaption(std::string(kUserGuideCaption));
  // Found without regard to letter case, as every file of the data folder.
  word.OpenDocument(FindInFolder(data_dir, std::string(kUserGuideFile)));
  return true;
}

}  // namespace kelvaro
