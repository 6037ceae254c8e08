#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cli_runner.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::RunCli;
using testing::TestFolder;

std::string In(const TestFolder& folder) { return " --dir '" + folder.path().string() + "'"; }

TEST(RunReport, ALatitudeThatDiffersFromTheStationLineIsWarnedAbout) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  const auto result =
      RunCli("run --input day --station MARIC --lat 32.07 --elev 3610 --sa 1 --quiet" + In(folder));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err,
            "Warning: the latitude '32.07' (--lat) differs from 33.07 on the first line of "
            "MARIC.day; the run uses 32.07\n"
            "Warning: the elevation '3610' (--elev) differs from 361 on the first line of "
            "MARIC.day; the run uses 3610\n");
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(folder.Read("MARIC.wrk").substr(0, 18), " MARIC,32.07,3610\n");

  // A number typed longer than the five characters the operations read is used shortened.
  const auto longer = RunCli(
      "run --input day --station MARIC --lat 33.07 --elev 361.75 --sa 1 --quiet" + In(folder));
  EXPECT_EQ(longer.status, 0) << longer.err;
  EXPECT_EQ(longer.err,
            "Warning: Elevation '361.75' is used as 361.7: the operations read its first five "
            "characters\n");
}

TEST(RunReport, LeftOutLatitudeAndElevationComeFromTheStationLineAndUnusedOptionsAreNamed) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  const auto result =
      RunCli("run --input day --station MARIC --sa 1 --years 5 --fetch 100" + In(folder));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err,
            "Warning: --years is not used by --input day\n"
            "Warning: --fetch is not used by --input day\n"
            "Using the latitude 33.07 and the elevation 361 from the first line of MARIC.day\n");
  EXPECT_EQ(folder.Read("MARIC.wrk").substr(0, 18), " MARIC,33.07, 361\n");
  // A preset's values count as typed: the line only checks them.
  // Maricopa's 2003 to 2005: at Davis's latitude two clear days of December 2006 would be
  // brighter than the sky allows.
  const std::string maricopa = folder.Read("MARIC.day");
  folder.Write("Davis.day", " Davis,38.5,18\n" + maricopa.substr(18, maricopa.find(" 2006,") - 18));
  const auto preset = RunCli("run --input day --preset davis --sa 1 --quiet" + In(folder));
  EXPECT_EQ(preset.status, 0) << preset.err;
  EXPECT_EQ(preset.err, "");
}

TEST(RunReport, ASuccessfulRunPrintsItsFolderAndTheLabelledSummary) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  const auto result =
      RunCli("run --input day --station MARIC --lat 33.07 --elev 361 --sa 1" + In(folder));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::string folder_line =
      "Results are in " + std::filesystem::canonical(folder.path()).string() + "\n";
  EXPECT_EQ(result.out.substr(0, folder_line.size()), folder_line);
  EXPECT_NE(result.out.find("  Crop                       CETc      CEr     ETAW    AETAW\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Monthly ETAW, mm (SumofETAWforSA00001.saw)"), std::string::npos);
  EXPECT_NE(result.out.find("  Rice "), std::string::npos);
}

TEST(RunReport, DaysWithoutEtoInTheWorkingFileAreCounted) {
  TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  folder.Write("MOHAV.day", testing::ReadBytes(testing::StationDataPath("MOHAV.day")));
  const auto result =
      RunCli("run --input day --station MOHAV --lat 34.97 --elev 148 --sa 1 --quiet" + In(folder));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err,
            "Warning: 4 of the 9862 days of MOHAV.wrk have no ETo (-999); the water balance used "
            "the ETo of the day before on such days\n"
            "Warning: 1 of the 9862 days of MOHAV.wrk has no rain value (-999); the water "
            "balance counted such days as dry\n");
}

// The bundled Maricopa days that `keep` takes, by the first 15 characters of their line
// (" 2003,   7,   1").
template <typename Keep>
std::string MaricopaDays(Keep keep) {
  const std::string all = testing::ReadBytes(testing::ExamplePath("MARIC.day"));
  std::string kept;
  size_t line_number = 0;
  for (size_t at = 0; at < all.size(); ++line_number) {
    const size_t end = all.find('\n', at) + 1;
    if (line_number < 3 || keep(all.substr(at, 15))) kept += all.substr(at, end - at);
    at = end;
  }
  return kept;
}

TEST(RunReport, TheYearsThatLackDaysAreNamedWithTheirMissingDates) {
  struct Case {
    std::string days;
    std::string warning;
    std::string years;
  };
  const Case cases[] = {
      {MaricopaDays([](const std::string& date) {
         return date >= " 2003,   7,   1" && date <= " 2003,   7,   5";
       }),
       "Warning: MARIC.wrk holds no whole year: every yearly figure of this run, and their mean, "
       "comes from part of a year\n"
       "  2003: 5 of 365 days, missing 2003-01-01 to 2003-06-30, 2003-07-06 to 2003-12-31\n",
       "no whole year: 1 partial year"},
      {MaricopaDays([](const std::string& date) { return date != " 2010,   3,  10"; }),
       "Warning: MARIC.wrk holds 17 whole years and 1 partial year; the yearly figures and their "
       "mean include the partial ones\n"
       "  2010: 364 of 365 days, missing 2010-03-10\n",
       "17 whole years and 1 partial year"},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    folder.CopyExamples({"SA00001.csv"});
    folder.Write("MARIC.day", c.days);
    const auto result = RunCli("run --input day --station MARIC --sa 1" + In(folder));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "Using the latitude 33.07 and the elevation 361 from the first line of MARIC.day\n" +
                  c.warning);
    EXPECT_NE(result.out.find("  Mean of a year over " + c.years + " of MARIC.wrk, mm\n"),
              std::string::npos)
        << result.out;
  }
}

// A year of daily ETo with none in February.
std::string EtoFileWithoutFebruary() {
  std::string text = " STATN,33.07, 361\nYear,Mon,Day,DOY,Pcp,ETo\n#,#,#,#,mm,mm\n";
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int doy = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= lengths[month - 1]; ++day) {
      text += "2005," + std::to_string(month) + "," + std::to_string(day) + "," +
              std::to_string(++doy) + ",0.00," + (month == 2 ? "-999" : "5.00") + "\n";
    }
  }
  return text;
}

TEST(RunReport, AMonthWithoutEtoIsNamed) {
  TestFolder folder;
  folder.CopyExamples({"SA00001.csv"});
  folder.Write("STATN.det", EtoFileWithoutFebruary());
  const auto result = RunCli("run --input det --station STATN --sa 1 --quiet" + In(folder));
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err,
            "Using the latitude 33.07 and the elevation 361 from the first line of STATN.det\n"
            "Warning: 28 of the 365 days of STATN.wrk have no ETo (-999); the water balance used "
            "the ETo of the day before on such days\n"
            "Warning: February has no ETo on any day of STATN.wrk; check that month of the input "
            "file\n");
}

// The options of a valid run of the monthly means, with `bad` in place of the option it names.
std::string OptionsWith(const std::string& bad) {
  const char* valid[][2] = {{"--input", "mon"}, {"--station", "MARIC"}, {"--lat", "33.07"},
                            {"--elev", "361"},  {"--sa", "1"},          {"--years", "3"}};
  const std::string name = bad.substr(0, bad.find(' '));
  std::string options = bad;
  for (const auto& option : valid) {
    if (name != option[0]) options += std::string(" ") + option[0] + " " + option[1];
  }
  return options;
}

TEST(RunReport, BadOptionValuesAreRefusedNamingTheOptionWithNothingWritten) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.mon", "SA00001.csv"});
  const struct {
    const char* options;
    const char* named;  // the option the message names
  } cases[] = {
      {"--lat ''", "--lat: an empty value"},
      {"--lat 33N", "--lat: '33N' is not a valid floating point value"},
      {"--lat '٣٣'", "--lat: "},
      {"--lat 1e30", "  --lat '1e30'"},
      {"--elev -1000", "  --elev '-1000'"},
      {"--elev '../x'", "--elev: "},
      {"--years ''", "--years: an empty value"},
      {"--years 3.5", "--years: '3.5' is not a valid integer value"},
      {"--years -5", "  --years takes 2 to 99"},
      {"--years 100000000000", "--years: "},
      {"--fetch abc", "--fetch: 'abc' is not a valid floating point value"},
      {"--fetch -3", "--fetch: should be more than 0"},
      {"--station ''", "--station: an empty value"},
      {"--station ../MARIC", "  --station is a file name"},
      {"--station 'Zürich'", "--station names it"},
      {"--sa ../1", "  --sa takes a study-area number"},
      {"--sa abc", "--sa takes a study-area number"},
      {"--sa -1", "--sa takes a study-area number"},
      {"--preset Nowhere", "--preset: unknown preset station 'Nowhere'"},
      {"--input ''", "--input: "},
  };
  for (const auto& bad : cases) {
    const auto result = RunCli("run " + OptionsWith(bad.options) + In(folder));
    EXPECT_EQ(result.status, 2) << bad.options << "\n" << result.err;
    EXPECT_NE(result.err.find(bad.named), std::string::npos) << bad.options << "\n" << result.err;
  }
  EXPECT_EQ(folder.Listing(), "MARIC.mon\nSA00001.csv\n");
}

}  // namespace
}  // namespace kelvaro
