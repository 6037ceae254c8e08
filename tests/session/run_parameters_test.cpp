#include "session/run_parameters.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(RunParameters, StudyAreaFileIsPaddedToFiveDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"7", "SA00007.CSV"},    {"12", "SA00012.CSV"},    {"123", "SA00123.CSV"},
      {"1234", "SA01234.CSV"}, {"12345", "SA12345.CSV"}, {"123456", "SA123456.CSV"},
  };
  for (const auto& [sa, file] : cases) {
    RunParameters run;
    run.SA = sa;
    EXPECT_EQ(run.SAFileName(), file);
  }
}

TEST(RunParameters, DerivedTextsTakeTheirFirstCharacters) {
  RunParameters run;
  run.Station = "BrownValley";
  run.Latitude = "38.5012";
  run.Elevation = "-15";
  run.ext = "gen";
  run.Years = "120";
  EXPECT_EQ(run.FileStem(), "Brown");
  EXPECT_EQ(run.LatitudeText(), "38.50");
  EXPECT_EQ(run.ElevationText(), "-15");
  EXPECT_EQ(run.Extension(), "gen");
  EXPECT_EQ(run.YearsToSimulate(), 12);
  run.Station = "Lodi";
  EXPECT_EQ(run.FileStem(), "Lodi");
}

}  // namespace
}  // namespace kelvaro
