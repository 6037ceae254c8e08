#include "office/desktop_office.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "office/detached_process.h"
#include "office/office_calls.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;
using Lines = std::vector<std::string>;

// A stand-in office program: it notes its arguments beside itself, then keeps running a while,
// as an office program the user works in would.
void AddFakeProgram(const TestFolder& folder, const std::string& name, bool executable = true) {
  fs::create_directories(folder / "bin");
  folder.Write("bin/" + name,
               "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" "
               "\"$0.args\"\nexec sleep 3\n");
  fs::permissions(folder / ("bin/" + name), executable
                                                ? fs::perms::owner_all
                                                : fs::perms::owner_read | fs::perms::owner_write);
}

DesktopEnvironment FakeDesktop(const TestFolder& folder, bool display = true) {
  return {"/nonexistent::" + (folder / "bin").string(), display};
}

// The arguments a fake program was started with, once it has noted them.
Lines ArgumentsOf(const TestFolder& folder, const std::string& name) {
  const fs::path noted = folder / ("bin/" + name + ".args");
  for (int wait = 0; wait < 100 && !fs::exists(noted); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!fs::exists(noted)) return {"(not started)"};
  Lines arguments;
  std::string text = testing::ReadBytes(noted);
  for (size_t end; (end = text.find('\n')) != std::string::npos; text.erase(0, end + 1)) {
    arguments.push_back(text.substr(0, end));
  }
  return arguments;
}

TEST(FindOfficeProgram, PrefersLibreOfficeThenTheDesktopDefault) {
  struct Case {
    const char* what;
    Lines programs;
    bool display;
    std::optional<std::string> found;
    OfficeProgramKind kind;
  };
  const Case cases[] = {
      {"all three",
       {"soffice", "libreoffice", "xdg-open"},
       true,
       "soffice",
       OfficeProgramKind::kLibreOffice},
      {"libreoffice",
       {"libreoffice", "xdg-open"},
       true,
       "libreoffice",
       OfficeProgramKind::kLibreOffice},
      {"xdg-open only", {"xdg-open"}, true, "xdg-open", OfficeProgramKind::kDesktopDefault},
      {"nothing", {"gedit"}, true, std::nullopt, OfficeProgramKind::kLibreOffice},
      {"no display", {"soffice", "xdg-open"}, false, "soffice", OfficeProgramKind::kLibreOffice},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    for (const std::string& program : c.programs) AddFakeProgram(folder, program);
    const auto found = FindOfficeProgram(FakeDesktop(folder, c.display));
    ASSERT_EQ(found.has_value(), c.found.has_value()) << c.what;
    if (found) {
      EXPECT_EQ(found->executable, folder / ("bin/" + *c.found)) << c.what;
      EXPECT_EQ(found->kind, c.kind) << c.what;
    }
  }
  TestFolder folder;
  AddFakeProgram(folder, "soffice", false);
  AddFakeProgram(folder, "xdg-open");
  EXPECT_EQ(FindOfficeProgram(FakeDesktop(folder))->executable, folder / "bin/xdg-open")
      << "a program that cannot be run is passed over";
}

TEST(StartDetached, ReturnsAtOnceAndLeavesNoChildBehind) {
  TestFolder folder;
  AddFakeProgram(folder, "soffice");
  const auto start = std::chrono::steady_clock::now();
  StartDetached({(folder / "bin/soffice").string(), "one", "two words"});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_EQ(ArgumentsOf(folder, "soffice"), (Lines{"one", "two words"}));
}

TEST(StartDetached, ProgramThatCannotBeStartedIsReported) {
  TestFolder folder;
  AddFakeProgram(folder, "soffice", false);
  const struct {
    std::string program;
    std::string message;
  } cases[] = {
      {"/nonexistent/soffice", "Couldn't start /nonexistent/soffice: No such file or directory"},
      {(folder / "bin/soffice").string(),
       "Couldn't start " + (folder / "bin/soffice").string() + ": Permission denied"},
  };
  for (const auto& c : cases) {
    try {
      StartDetached({c.program});
      ADD_FAILURE() << c.program << " started";
    } catch (const InputError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

class DesktopOfficeTest : public ::testing::Test {
 protected:
  TestFolder bin_;
  TestFolder data_;
  RecordingReporter reporter_;
  Session session_{data_.path(), reporter_};
};

TEST_F(DesktopOfficeTest, LibreOfficeReadsResultFilesAsCommaSeparatedText) {
  AddFakeProgram(bin_, "soffice");
  DesktopSpreadsheet spreadsheet(session_, FakeDesktop(bin_));
  data_.Write("MARIC.avg", "x\n");
  ASSERT_TRUE(OpenInSpreadsheet(spreadsheet, data_ / "MARIC.avg", reporter_));
  EXPECT_TRUE(spreadsheet.Visible());
  EXPECT_EQ(ArgumentsOf(bin_, "soffice"),
            (Lines{"--calc", "--infilter=Text - txt - csv (StarCalc):44,34,76,1",
                   (data_ / "MARIC.avg").string()}));
}

TEST_F(DesktopOfficeTest, PastedLinesGoToAFileNamedAfterTheSheet) {
  AddFakeProgram(bin_, "soffice");
  DesktopSpreadsheet spreadsheet(session_, FakeDesktop(bin_));
  ASSERT_TRUE(spreadsheet.Connect());
  spreadsheet.NewSheetWithLines("Input files", {"Davis.day,38.5,18", "Year,Mon,Day"});
  EXPECT_EQ(data_.Read("Input files.csv"), "Davis.day,38.5,18\nYear,Mon,Day\n");
  EXPECT_EQ(ArgumentsOf(bin_, "soffice").back(), (data_ / "Input files.csv").string());
}

TEST_F(DesktopOfficeTest, WordProcessorOpensDocumentsAndNewTextInWriter) {
  AddFakeProgram(bin_, "libreoffice");
  DesktopWordProcessor word(session_, FakeDesktop(bin_));
  ASSERT_TRUE(OpenUserGuide(word, data_.path(), reporter_));
  EXPECT_EQ(ArgumentsOf(bin_, "libreoffice"),
            (Lines{"--writer", (data_ / "UserGuide.doc").string()}));

  fs::remove(bin_ / "bin/libreoffice.args");
  word.SetCaption("../Notes");
  word.NewDocumentWithText("Some text\n");
  EXPECT_EQ(data_.Read("Document.txt"), "Some text\n") << "an unsafe caption names no file";
  EXPECT_EQ(ArgumentsOf(bin_, "libreoffice").back(), (data_ / "Document.txt").string());
}

TEST_F(DesktopOfficeTest, DesktopDefaultApplicationGetsTheFileAlone) {
  AddFakeProgram(bin_, "xdg-open");
  DesktopSpreadsheet spreadsheet(session_, FakeDesktop(bin_));
  ASSERT_TRUE(OpenInSpreadsheet(spreadsheet, data_ / "SA00001C001.EAW", reporter_));
  EXPECT_EQ(ArgumentsOf(bin_, "xdg-open"), Lines{(data_ / "SA00001C001.EAW").string()});
}

TEST_F(DesktopOfficeTest, NoOfficeProgramMeansNoConnection) {
  data_.Write("MARIC.avg", "kept\n");
  DesktopSpreadsheet spreadsheet(session_, FakeDesktop(bin_));
  EXPECT_FALSE(OpenInSpreadsheet(spreadsheet, data_ / "MARIC.avg", reporter_));
  DesktopWordProcessor word(session_, FakeDesktop(bin_));
  EXPECT_FALSE(OpenUserGuide(word, data_.path(), reporter_));
  EXPECT_EQ(reporter_.boxes(), (Lines{"Excel may not be installed", "Word may not be installed"}));
  EXPECT_EQ(data_.Listing(), "MARIC.avg\n");
}

TEST_F(DesktopOfficeTest, QuitForgetsTheConnection) {
  AddFakeProgram(bin_, "soffice");
  DesktopSpreadsheet spreadsheet(session_, FakeDesktop(bin_));
  ASSERT_TRUE(spreadsheet.Connect());
  spreadsheet.SetVisible(true);
  spreadsheet.Quit();
  EXPECT_FALSE(spreadsheet.Visible());
  EXPECT_THROW(spreadsheet.OpenWorkbook(data_ / "MARIC.avg"), InputError);
}

}  // namespace
}  // namespace kelvaro

namespace kelvaro {
namespace {

// Told apart: no office program ("Excel may not be installed"), and one that cannot show a
// window, for want of a display or because it cannot open the one it was given.
TEST(DesktopSpreadsheetDisplay, AProgramWithoutADisplayIsToldApartFromNone) {
  testing::TestFolder bin;
  testing::TestFolder data;
  RecordingReporter reporter;
  Session session(data.path(), reporter);
  DesktopSpreadsheet none(session, {bin.path().string(), false});
  EXPECT_FALSE(none.Connect());
  EXPECT_FALSE(none.LacksDisplay());

  bin.Write("soffice", "#!/bin/sh\necho 'soffice: cannot open display: :99' >&2\nexit 1\n");
  std::filesystem::permissions(bin / "soffice", std::filesystem::perms::owner_all);
  DesktopSpreadsheet no_display(session, {bin.path().string(), false});
  EXPECT_FALSE(no_display.Connect());
  EXPECT_TRUE(no_display.LacksDisplay());

  DesktopSpreadsheet bad_display(session, {bin.path().string(), true});
  ASSERT_TRUE(bad_display.Connect());
  try {
    bad_display.OpenWorkbook(data / "SA00001.csv");
    ADD_FAILURE() << "shown";
  } catch (const NoDisplayError& error) {
    EXPECT_EQ(std::string(error.what()),
              "no display to show the spreadsheet: the file is " + (data / "SA00001.csv").string());
  }
}

}  // namespace
}  // namespace kelvaro
