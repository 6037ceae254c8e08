#include "office/office_calls.h"

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

TEST(OfficeCalls, UserGuideOpensFromTheDataFolder) {
  RecordingWordProcessor word;
  RecordingReporter reporter;
  EXPECT_TRUE(OpenUserGuide(word, "/data", reporter));
  EXPECT_EQ(word.calls,
            (Lines{"connect", "visible true", "caption UserGuide", "open /data/UserGuide.doc"}));
}

TEST(OfficeCalls, UnreachableWordProcessorIsReported) {
  RecordingWordProcessor word(false);
  RecordingReporter reporter;
  EXPECT_FALSE(OpenUserGuide(word, "/data", reporter));
  EXPECT_EQ(word.calls, Lines{"connect failed"});
  EXPECT_EQ(reporter.boxes(), Lines{"Word may not be installed"});
}

}  // namespace
}  // namespace kelvaro
