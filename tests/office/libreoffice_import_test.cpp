#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "office/desktop_office.h"
#include "support/test_folder.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;
using Fields = std::vector<std::string>;

// One file of each kind the program hands to the spreadsheet.
constexpr const char* kResultFiles[] = {
    "balance/two_years/SA00012C001.CSV",
    "balance/two_years/SA00012C001.EAW",
    "balance/two_years/SA00012C001.mtv",
    "balance/two_years/SumofETAWforSA00012.saw",
    "balance/two_years/SumofETcforSA00012.set",
    "eto/day/MARDY.eto",
    "pan_eto/STATN.wrk",
    "stats/MARST.avg",
    "stats/MARST.sdv",
    "stats/MARST.cov",
    "stats/MARST.wxr",
    "stats/MARST.std",
    "stats/MARST.cve",
};

// The cells the spreadsheet exported with ';' between them, unquoted, empty cells at the end of
// the row dropped.
Fields ExportedCells(const std::string& line) {
  Fields cells{""};
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ';' && !quoted) {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  while (cells.size() > 1 && cells.back().empty()) cells.pop_back();
  return cells;
}

Fields CommaFields(const std::string& line) {
  Fields fields{""};
  for (char c : line) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  while (fields.size() > 1 && Trim(fields.back()).empty()) fields.pop_back();
  return fields;
}

// A field lands in its column when the cell holds its number, or its text.
void ExpectSameCell(const std::string& field, const std::string& cell, const std::string& where) {
  try {
    EXPECT_FLOAT_EQ(ParseFloat(cell), ParseFloat(field)) << where;
  } catch (const std::exception&) {
    EXPECT_EQ(Trim(cell), Trim(field)) << where;
  }
}

// The kinds of one station share a stem, and the exports are named after the stem.
std::string CopyName(const fs::path& file) {
  return file.extension().string().substr(1) + "-" + file.filename().string();
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Converts every kind in one headless run through the import the desktop spreadsheet names, and
// checks each line's fields against the cells of the sheet, column by column.
TEST(LibreOfficeImport, EveryResultKindIsReadIntoColumns) {
  const auto office = FindOfficeProgram({std::getenv("PATH") ? std::getenv("PATH") : "", true});
  if (!office || office->kind != OfficeProgramKind::kLibreOffice) {
    GTEST_SKIP() << "soffice is not installed: the real spreadsheet hand-off is not checked";
  }
  TestFolder folder;
  std::string command = "timeout 180 " + Quoted(office->executable.string()) +
                        " -env:UserInstallation=file://" + (folder / "profile").string() +
                        " --headless --infilter=" + Quoted(std::string(kCommaSeparatedImport)) +
                        " --convert-to 'csv:Text - txt - csv (StarCalc):59,34,76,1' --outdir " +
                        Quoted((folder / "out").string());
  for (const char* file : kResultFiles) {
    const std::string name = CopyName(file);
    folder.Write(name, testing::ReadBytes(testing::GoldenPath(file)));
    command += " " + Quoted((folder / name).string());
  }
  command += " > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  for (const char* file : kResultFiles) {
    const fs::path input = folder / CopyName(file);
    // soffice reports success even for a file it could not read: the output must exist.
    const auto exported = ReadTextFile(folder / "out" / input.stem().concat(".csv"));
    ASSERT_TRUE(exported.has_value()) << file << " was not converted";
    const auto original = ReadTextFile(input).value();
    ASSERT_EQ(exported->lines.size(), original.lines.size()) << file;
    for (size_t i = 0; i < std::min<size_t>(original.lines.size(), 8); ++i) {
      const Fields fields = CommaFields(original.lines[i]);
      const Fields cells = ExportedCells(exported->lines[i]);
      const std::string where = std::string(file) + ", line " + std::to_string(i + 1);
      ASSERT_EQ(cells.size(), fields.size()) << where << ": " << exported->lines[i];
      for (size_t column = 0; column < fields.size(); ++column) {
        ExpectSameCell(fields[column], cells[column],
                       where + ", column " + std::to_string(column + 1));
      }
    }
  }
}

}  // namespace
}  // namespace kelvaro
