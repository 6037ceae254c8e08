#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunCli;
using testing::TestFolder;

std::string In(const TestFolder& folder) { return " --dir '" + folder.path().string() + "'"; }

TEST(GeneratorCheckCommand, PrintsTheYearAndTheVerdictsAndWritesEveryMonth) {
  TestFolder folder;
  folder.Write("MARIC.day", testing::ReadBytes(testing::StationDataPath("MARIC.day")));
  const auto result = RunCli("generator-check --station MARIC --years 3" + In(folder));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Generator check of MARIC: 18 measured years of MARIC.day against 3 "
                            "years generated from the monthly means of MARIC.day\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("\nAnnual ETo: "), std::string::npos) << result.out;
  const std::string csv = folder.Read("GeneratorCheckforMARIC.csv");
  EXPECT_NE(csv.find("\nVariable,Statistic,Unit,Month,Measured,Generated,Difference,Difference %\n"
                     "TMax,mean,oC,1,19.72,"),
            std::string::npos);
  EXPECT_EQ(folder.Listing(), "GeneratorCheckforMARIC.csv\nMARIC.day\n");
}

TEST(GeneratorCheckCommand, MissingRecordOrYearsOutOfRangeAreRefusedWritingNothing) {
  TestFolder folder;
  folder.Write("MARIC.day", testing::ReadBytes(testing::StationDataPath("MARIC.day")));
  const auto missing = RunCli("generator-check --station DAVIS" + In(folder));
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Couldn't read DAVIS.day in "), std::string::npos) << missing.err;
  const auto years = RunCli("generator-check --station MARIC --years 120" + In(folder));
  EXPECT_EQ(years.status, 2);
  EXPECT_NE(years.err.find("Number of years should be at most 99"), std::string::npos);
  EXPECT_EQ(folder.Listing(), "MARIC.day\n");
}

}  // namespace
}  // namespace kelvaro
