#include "reports/office_calls.h"

#include <gtest/gtest.h>

#include "support/recording_office.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::RecordingSpreadsheet;
using testing::RecordingWordProcessor;
using Lines = std::vector<std::string>;

TEST(OfficeCalls, ResultFileIsOpenedAfterConnectingAndMakingTheSpreadsheetVisible) {
  RecordingSpreadsheet spreadsheet;
  RecordingReporter reporter;
  EXPECT_TRUE(OpenInSpreadsheet(spreadsheet, "/data/MARIC.avg", reporter));
  EXPECT_EQ(spreadsheet.calls,
            (Lines{"connect", "visible?", "visible true", "open /data/MARIC.avg"}));
  EXPECT_TRUE(reporter.boxes().empty());
}

TEST(OfficeCalls, UnreachableSpreadsheetIsReportedAndTheFileLeftInPlace) {
  testing::TestFolder folder;
  folder.Write("MARIC.avg", "kept\n");
  RecordingSpreadsheet spreadsheet(false);
  RecordingReporter reporter;
  EXPECT_FALSE(OpenInSpreadsheet(spreadsheet, folder / "MARIC.avg", reporter));
  EXPECT_EQ(spreadsheet.calls, Lines{"connect failed"});
  EXPECT_EQ(reporter.boxes(), Lines{"Excel may not be installed"});
  EXPECT_EQ(folder.Read("MARIC.avg"), "kept\n");
}

TEST(OfficeCalls, InputSheetIsCaptionedNamedAndGetsTheLines) {
  RecordingSpreadsheet spreadsheet;
  const Lines lines{"Davis.day,38.5,18", "Year,Mon,Day"};
  NewInputSheet(spreadsheet, lines);
  EXPECT_EQ(spreadsheet.calls,
            (Lines{"connect", "caption Input File", "visible true", "new sheet Input files"}));
  EXPECT_EQ(spreadsheet.pasted, lines);

  // Connecting is not guarded here: the failure surfaces as an error of its own.
  RecordingSpreadsheet unreachable(false);
  EXPECT_THROW(NewInputSheet(unreachable, lines), InputError);
}

TEST(OfficeCalls, UserGuideOpensFromTheDataFolder) {
  RecordingWordProcessor word;
  RecordingReporter reporter;
  EXPECT_TRUE(OpenUserGuide(word, "/data", reporter));
  EXPECT_EQ(word.calls,
            (Lines{"connect", "visible true", "caption UserGuide", "open /data/UserGuide.doc"}));
}

TEST(OfficeCalls, UnreachableWordProcessorIsReported) {
  for (bool guide : {true, false}) {
    RecordingWordProcessor word(false);
    RecordingReporter reporter;
    EXPECT_FALSE(guide ? OpenUserGuide(word, "/data", reporter)
                       : NewTextDocument(word, "Notes", "text", reporter));
    EXPECT_EQ(word.calls, Lines{"connect failed"});
    EXPECT_EQ(reporter.boxes(), Lines{"Word may not be installed"});
  }
}

TEST(OfficeCalls, NewDocumentIsCaptionedAndGetsTheText) {
  RecordingWordProcessor word;
  RecordingReporter reporter;
  EXPECT_TRUE(NewTextDocument(word, "Notes", "Some text", reporter));
  EXPECT_EQ(word.calls,
            (Lines{"connect", "visible true", "caption Notes", "new document Some text"}));
}

}  // namespace
}  // namespace kelvaro
