#include <gtest/gtest.h>

#include <string>

#include "balance/eto_etc_aw.h"
#include "balance/normal_year.h"
#include "eto/wth_eto.h"
#include "support/golden.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

// The example study area's header with two of its crops: corn for grain (class 1, pre-irrigated)
// and almonds (class 3, ground cover, a winter cover crop and water stress from day 227 to 273).
std::string CornAndAlmonds() {
  const auto example = ReadTextFile(testing::ExamplePath("SA00001.csv"));
  std::string text;
  for (size_t i = 0; i < 3; ++i) text += example->lines[i] + "\n";
  for (const std::string& line : example->lines) {
    if (line.find(",Corn (grain),") != std::string::npos ||
        line.find(",Almonds,") != std::string::npos) {
      text += line + "\n";
    }
  }
  return text;
}

TEST(NormalYearGolden, MaricopaCornAndAlmondsMatchTheReviewedFiles) {
  TestFolder folder;
  folder.Write("MARIC.day", testing::ReadBytes(testing::StationDataPath("MARIC.day")));
  folder.Write("SA00001.csv", CornAndAlmonds());
  RecordingReporter reporter;
  Session session(folder.path(), reporter);
  RunParameters run = testing::StationRun("MARIC", "day");
  run.SA = "1";
  WTHETo(run, session);
  run.ext = "wrk";
  EToETcAW(run, session);
  ASSERT_TRUE(reporter.boxes().empty());

  for (const char* stem : {"SA00001C001", "SA00001C002"}) {
    const std::string stem_text = stem;
    const NormalYearFiles files{"00001", stem_text == "SA00001C001" ? 1 : 2, stem_text + ".csv",
                                stem_text + ".nor", stem_text};
    ASSERT_EQ(WriteNormalYear(files, session), NormalYearOutcome::kWritten);
    testing::ExpectMatchesGolden(folder.Read(stem_text + ".nor"),
                                 "balance/normal_year/" + stem_text + ".nor");
  }
}

}  // namespace
}  // namespace kelvaro
