#include "balance/eto_etc_aw.h"

#include <gtest/gtest.h>

#include "balance/balance_fixtures.h"
#include "balance/crop_output_files.h"
#include "session/reporter.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::CropFileText;
using testing::MakeCrop;
using testing::MakeYears;
using testing::TestFolder;
using testing::WorkingFileText;
using Lines = std::vector<std::string>;

RunParameters StudyArea12() {
  RunParameters run;
  run.Station = "TESTSITE";
  run.SA = "12";
  return run;
}

std::string DryWorkingFile(int first_year, int year_count) {
  return WorkingFileText(MakeYears(first_year, year_count, [](WeatherDay& d) {
    d.eto = 5.0f;
    d.pcp = d.doy % 20 == 0 ? 15.0f : 0.0f;
  }));
}

// The row as the crop file holds it, with field `index` (0 = code) replaced by `text`.
std::string WithField(const CropRow& row, size_t index, const std::string& text) {
  std::string line = FormatCropRow(row);
  size_t begin = 0;
  for (size_t i = 0; i < index; ++i) begin = line.find(',', begin) + 1;
  line.replace(begin, line.find(',', begin) - begin, text);
  return line;
}

class EToETcAWTest : public ::testing::Test {
 protected:
  void Run() {
    Session session(folder_.path(), reporter_);
    EToETcAW(StudyArea12(), session);
  }

  // The message of the error a run throws, or "" when it throws none.
  template <typename Error>
  std::string RunError() {
    try {
      Run();
    } catch (const Error& error) {
      return error.what();
    }
    return "";
  }

  TestFolder folder_;
  RecordingReporter reporter_;
};

TEST_F(EToETcAWTest, MissingWorkingFileIsReportedAndNothingIsWritten) {
  folder_.Write("SA00012.CSV", CropFileText({MakeCrop(2, "Alfalfa", 1, 365)}));
  Run();
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find TESTS.wrk."});
  EXPECT_EQ(reporter_.traces(), Lines{"SA00012"});
  EXPECT_EQ(folder_.Listing(), "SA00012.CSV\n");
}

TEST_F(EToETcAWTest, MissingCropFileIsReportedAndNothingIsWritten) {
  folder_.Write("TESTS.wrk", DryWorkingFile(2001, 1));
  Run();
  EXPECT_EQ(reporter_.boxes(), Lines{"Couldn't find SA00012.CSV."});
  EXPECT_EQ(reporter_.traces(), (Lines{"SA00012", (folder_ / "SA00012.CSV").string()}));
  EXPECT_EQ(folder_.Listing(), "TESTS.wrk\n");
}

TEST_F(EToETcAWTest, FilesAreFoundAndReplacedWhateverTheirLetterCase) {
  folder_.Write("tests.WRK", DryWorkingFile(2001, 1));
  folder_.Write("SA00012.csv", CropFileText({MakeCrop(2, "Alfalfa", 1, 365)}));
  folder_.Write("sa00012c001.csv", "old daily results");
  Run();
  EXPECT_TRUE(reporter_.boxes().empty());
  EXPECT_EQ(folder_.Listing(),
            "IrrigationEventsforSA00012.ire\nIrrigationsforSA00012.irs\nSA00012.csv\n"
            "SA00012C001.EAW\nSA00012C001.mtv\nSumofETAWforSA00012.saw\nSumofETcforSA00012.set\n"
            "sa00012c001.csv\ntests.WRK\n");
  EXPECT_NE(folder_.Read("sa00012c001.csv"), "old daily results");
}

TEST_F(EToETcAWTest, BadCropRowNamesFileAndLineAndLeavesEarlierResultsAlone) {
  folder_.Write("TESTS.wrk", DryWorkingFile(2001, 1));
  folder_.Write("SA00012C001.CSV", "earlier results");
  const std::string good = testing::CropFileText({MakeCrop(2, "Alfalfa", 1, 365)});
  folder_.Write("SA00012.CSV", good + "SA00012C2.01,Grain,  12x,  90\n");
  EXPECT_EQ(RunError<InputError>(), "SA00012.CSV, line 5 (crop 2): expected 31 fields, found 4");

  std::string bad_number = FormatCropRow(MakeCrop(2, "Grain", 1, 90));
  bad_number.replace(bad_number.find("1000.00"), 7, "1000.0x");
  folder_.Write("SA00012.CSV", good + bad_number);
  EXPECT_EQ(RunError<ConversionError>(),
            "SA00012.CSV, line 5 (crop 2): maximum rooting depth '1000.0x' is not a valid floating "
            "point value");
  EXPECT_EQ(folder_.Read("SA00012C001.CSV"), "earlier results");
  EXPECT_EQ(folder_.Listing(), "SA00012.CSV\nSA00012C001.CSV\nTESTS.wrk\n");
}

TEST_F(EToETcAWTest, CropWithoutAClassOrWithDaysOutOfRangeIsRefused) {
  folder_.Write("TESTS.wrk", DryWorkingFile(2001, 1));
  CropRow no_class = MakeCrop(2, "Grain", 1, 90);
  no_class.code = "SA00012CX";
  folder_.Write("SA00012.CSV", CropFileText({MakeCrop(2, "Alfalfa", 1, 365), no_class}));
  EXPECT_EQ(RunError<InputError>(),
            "SA00012.CSV, line 5 (crop 2): Crop code should be a code with the crop class 1..4 as "
            "its ninth character, not 'SA00012CX'");
  folder_.Write("SA00012.CSV", CropFileText({MakeCrop(2, "Alfalfa", 0, 365)}));
  EXPECT_EQ(RunError<InputError>(),
            "SA00012.CSV, line 4 (crop 1): Planting date should be between 1 and 366 (day of the "
            "year), not 0");
  CropRow negative = MakeCrop(2, "Alfalfa", 1, 365);
  negative.wetting_frequency_days = -7;
  folder_.Write("SA00012.CSV", CropFileText({negative}));
  EXPECT_EQ(RunError<InputError>(),
            "SA00012.CSV, line 4 (crop 1): Wetting frequency should be at least 0 days, not -7");
  CropRow beyond = MakeCrop(2, "Alfalfa", 1, 365);
  beyond.stage_pct = {10, 140, 100};
  folder_.Write("SA00012.CSV", CropFileText({beyond}));
  EXPECT_EQ(
      RunError<InputError>(),
      "SA00012.CSV, line 4 (crop 1): Percent of season to date C should be between 10 and 100 "
      "%, not 140");
  // "nan" is no number: a crop with it would have an all-nan balance. (The row writer refuses to
  // write one, so the hand edit is made in the text.)
  folder_.Write("SA00012.CSV",
                CropFileHeader() + WithField(MakeCrop(2, "Alfalfa", 1, 365), 24, "     nan"));
  EXPECT_EQ(RunError<ConversionError>(),
            "SA00012.CSV, line 4 (crop 1): Kc2 'nan' is not a valid floating point value");
  folder_.Write("SA00012.CSV",
                CropFileHeader() + WithField(MakeCrop(2, "Alfalfa", 1, 365), 8, "     inf"));
  EXPECT_EQ(RunError<ConversionError>(),
            "SA00012.CSV, line 4 (crop 1): available water 'inf' is not a valid floating "
            "point value");
  EXPECT_EQ(folder_.Listing(), "SA00012.CSV\nTESTS.wrk\n");
}

TEST_F(EToETcAWTest, BadWorkingFileNamesFileAndLine) {
  folder_.Write("SA00012.CSV", CropFileText({MakeCrop(2, "Alfalfa", 1, 365)}));
  std::string text = DryWorkingFile(2001, 1);
  text.replace(text.find("   5,   5,"), 10, "   5, 367,");
  folder_.Write("TESTS.wrk", text);
  EXPECT_EQ(RunError<InputError>(), "TESTS.wrk, line 8: DOY 367 is outside 1..366");

  const std::string year_2001 = DryWorkingFile(2001, 1);
  folder_.Write("TESTS.wrk", DryWorkingFile(2002, 1) + year_2001.substr(year_2001.find("  2001")));
  EXPECT_EQ(RunError<InputError>(),
            "TESTS.wrk, line 369: years out of order: 2001 comes after 2002");

  const std::string header_only = year_2001.substr(0, year_2001.find("  2001"));
  folder_.Write("TESTS.wrk", header_only);
  EXPECT_EQ(RunError<InputError>(), "TESTS.wrk holds no days after its three header lines");
  EXPECT_EQ(folder_.Listing(), "SA00012.CSV\nTESTS.wrk\n");
}

TEST_F(EToETcAWTest, MoreThanFortyNineYearsRun) {
  folder_.Write("TESTS.wrk", DryWorkingFile(1951, 60));
  folder_.Write("SA00012.CSV", CropFileText({MakeCrop(2, "Alfalfa", 1, 365)}));
  Run();
  const std::string annual = folder_.Read("SA00012C001.EAW");
  EXPECT_NE(annual.find("\n2010,"), std::string::npos);
  EXPECT_NE(annual.find("\n9999,"), std::string::npos);
  EXPECT_EQ(folder_.Read("SumofETAWforSA00012.saw").substr(0, 68),
            " Summary of ETAW for study area 00012 ,Number of years=  60\nCrop,Cod");
}

TEST_F(EToETcAWTest, CropWithoutYieldThresholdDoesNotInheritTheThresholdsBeforeIt) {
  folder_.Write("TESTS.wrk", DryWorkingFile(2001, 2));
  CropRow shallow = MakeCrop(1, "No threshold", 120, 250);
  shallow.yield_threshold_mm = 0.0f;
  folder_.Write("SA00012.CSV", CropFileText({MakeCrop(1, "Corn", 100, 260), shallow}));
  Run();
  const std::string second_of_two = folder_.Read("SA00012C002.CSV");
  folder_.Write("SA00012.CSV", CropFileText({shallow}));
  Run();
  EXPECT_EQ(second_of_two, folder_.Read("SA00012C001.CSV"));
}

TEST(CropFileStem, RowsBeyond999KeepAllTheirDigits) {
  EXPECT_EQ(CropFileStem("00012", 7), "SA00012C007");
  EXPECT_EQ(CropFileStem("00012", 999), "SA00012C999");
  EXPECT_EQ(CropFileStem("00012", 1000), "SA00012C1000");
}

}  // namespace
}  // namespace kelvaro
