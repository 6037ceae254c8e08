#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

TEST(DemoCommand, RunsATemperatureOnlyAndAnEtoTableChainOnTablesMadeFromTheBundledRecord) {
  testing::TestFolder folder;
  const auto result = testing::RunCli("demo --dir '" + (folder / "demo").string() + "'");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("(MARIC.dtm, study area 1)"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("(MARIC.met, study area 1)"), std::string::npos);
  // The temperature table of the measured days, simulated with Hargreaves ETo.
  EXPECT_TRUE(folder.Read("demo/temperatures/MARIC.mtm").starts_with(" MARIC,33.07, 361\n"));
  EXPECT_NE(folder.Read("demo/temperatures/MARIC.tmp").find(" Year, Mon, Day, DOY,"),
            std::string::npos);
  // The monthly ETo of the means, then simulated rain and ETo.
  EXPECT_TRUE(folder.Has("demo/eto-table/MARIC.etm"));
  for (const char* run : {"demo/temperatures", "demo/eto-table"}) {
    EXPECT_TRUE(folder.Has(std::string(run) + "/SumofETAWforSA00001.saw")) << run;
    EXPECT_NE(
        folder.Read(std::string(run) + "/SumofETAWforSA00001.saw").find("Number of years=  30"),
        std::string::npos)
        << run;
  }
  EXPECT_NE(result.out.find("temperatures/ and eto-table/"), std::string::npos);
}

}  // namespace
}  // namespace kelvaro
