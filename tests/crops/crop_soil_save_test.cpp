#include <gtest/gtest.h>

#include "crop_test_support.h"
#include "crops/crop_file.h"
#include "crops/crop_soil_entry.h"
#include "session/run_parameters.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

using testing::FormWithCrop;
using testing::RecordingNavigator;
using testing::TestFolder;
using Lines = std::vector<std::string>;

class CropSave : public ::testing::Test {
 protected:
  SaveOutcome Save(TCropSoilEntry& form) { return form.SaveCropRow(navigator_); }

  TestFolder folder_;
  RecordingNavigator navigator_{folder_.path()};
};

// Maturity, cover-crop and soil letters: the three characters before "ks".
std::string CodeLetters(const CropRow& row) { return row.code.substr(row.code.find("ks") - 3, 3); }

TCropSoilEntry CornInSa12() {
  TCropSoilEntry form = FormWithCrop("Corn(grain)");
  form.SA.text = "12";
  form.HectaresPlanted.text = "40";
  return form;
}

TEST_F(CropSave, CornWithAllDefaultsWritesTheWorkedRowAndCode) {
  TCropSoilEntry form = CornInSa12();
  const SaveOutcome outcome = Save(form);

  ASSERT_EQ(outcome.result, SaveResult::kWritten);
  EXPECT_EQ(navigator_.titles(), Lines{"Please specify the directory"});
  EXPECT_EQ(outcome.file.filename(), "SA00012.csv");
  EXPECT_EQ(folder_.Read("SA00012.csv"),
            CropFileHeader() +
                "SA00012C1.13121273MNMks1.0000IF30N,Corn (grain), 121, 273,  40, 1524.00, "
                "1700.02,   50.00,   0.125, 190.500,  95.250,  30,   0,   0,   0,   0,   0,   0,"
                "   0,   0,  20,  45,  75,    0.20,    1.05,    0.60,    1.00,   0,   0,N,36919\n");
  EXPECT_TRUE(form.warning().Warning.empty());
  EXPECT_FALSE(form.warning().visible);
}

TEST_F(CropSave, DefaultDatesFollowTheLengthOfTheCurrentYear) {
  TCropSoilEntry form = FormWithCrop("Corn(grain)", 2024);
  form.SA.text = "12";
  form.HectaresPlanted.text = "40";
  const SaveOutcome outcome = Save(form);
  EXPECT_EQ(outcome.row.code.substr(0, 18), "SA00012C1.13122274");
  EXPECT_EQ(outcome.row.planting_doy, 122);
}

TEST_F(CropSave, RootAndSoilDepthGivePlantAvailableWaterAndThreshold) {
  TCropSoilEntry form = CornInSa12();
  form.RootingDepth.text = "2000";
  form.MaxSoilDepth.text = "1524";
  form.SoilType.text = "m";
  form.AllowableDepletion.text = "50";
  const CropRow row = Save(form).row;
  EXPECT_EQ(Printf("%8.3f,%8.3f", row.plant_available_water_mm, row.yield_threshold_mm),
            " 190.500,  95.250");

  form.SoilType.text = "h";
  form.MaxSoilDepth.text = "3000";
  const CropRow deep = Save(form).row;
  EXPECT_EQ(Printf("%8.3f,%8.3f", deep.plant_available_water_mm, deep.yield_threshold_mm),
            " 350.000, 175.000");
  EXPECT_EQ(CodeLetters(deep), "MNH");
}

TEST_F(CropSave, HeaderIsWrittenOnceForTwoSaves) {
  TCropSoilEntry form = CornInSa12();
  Save(form);
  form.SelectCrop(*FindCropByListItem("Rice"));
  Save(form);
  const auto file = ReadCropFile(folder_ / "SA00012.csv");
  ASSERT_TRUE(file.has_value());
  ASSERT_EQ(file->rows.size(), 2u);
  EXPECT_EQ(file->rows[1].name, "Rice");
  EXPECT_EQ(folder_.Read("SA00012.csv").find(CropFileHeader(), 1), std::string::npos);
}

TEST_F(CropSave, ReadersAskingForUpperCaseFindTheWrittenFile) {
  TCropSoilEntry form = CornInSa12();
  form.SA.text = "7";
  Save(form);
  RunParameters run;
  run.SA = "7";
  const auto file = ReadCropFile(FindInFolder(folder_.path(), run.SAFileName()));
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(file->rows.at(0).CropClass(), 1);
  // A second save appends to the file that is there, whatever its letter case.
  std::filesystem::rename(folder_ / "SA00007.csv", folder_ / "SA00007.CSV");
  Save(form);
  EXPECT_EQ(folder_.Listing(), "SA00007.CSV\n");
  EXPECT_EQ(ReadStudyAreaCrops(folder_.path(), 7)->rows.size(), 2u);
}

TEST_F(CropSave, ClassOneWritesNoGroundCoverWhateverTheHiddenEntriesHold) {
  TCropSoilEntry form = FormWithCrop("Almonds");
  form.SA.text = "3";
  form.HectaresPlanted.text = "10";
  form.GroundCoverDateB.text = "35";
  form.GroundCoverDateC.text = "45";
  form.SelectCrop(*FindCropByListItem("Tomato"));
  const CropRow row = Save(form).row;
  EXPECT_EQ(row.ground_cover_pct, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(CodeLetters(row), "MNM");
}

TEST_F(CropSave, OrchardsTakeCoverOnDatesCAndDAndEvergreensOnAllFour) {
  TCropSoilEntry orchard = FormWithCrop("Walnuts");
  orchard.SA.text = "3";
  orchard.HectaresPlanted.text = "10";
  orchard.GroundCoverDateB.text = "20";
  orchard.GroundCoverDateC.text = "55.9";
  const CropRow walnuts = Save(orchard).row;
  EXPECT_EQ(walnuts.ground_cover_pct, (std::array<int, 4>{0, 55, 70, 0}));
  EXPECT_EQ(walnuts.CropClass(), 3);

  TCropSoilEntry evergreen = FormWithCrop("Olives");
  evergreen.SA.text = "3";
  evergreen.HectaresPlanted.text = "10";
  evergreen.GroundCoverDateE.text = "90";
  EXPECT_EQ(Save(evergreen).row.ground_cover_pct, (std::array<int, 4>{70, 70, 70, 90}));
}

TEST_F(CropSave, MaturityAndCoverCropLettersOfTheCode) {
  TCropSoilEntry form = FormWithCrop("Apple");
  form.SA.text = "3";
  form.HectaresPlanted.text = "10";
  form.GroundCoverDateC.text = "0.5";
  form.CoverCrop2Begin.text = "2025-11-01";
  const CropRow young = Save(form).row;
  EXPECT_EQ(young.code, "SA00003C3.0291319IYMks1.0000IF30N");
  // One date of a period is not a period.
  EXPECT_EQ(young.cover_crop_doy, (std::array<int, 4>{0, 0, 0, 0}));

  form.CoverCrop2End.text = "12-15";
  form.GroundCoverDateC.text = "";
  const CropRow grown = Save(form).row;
  EXPECT_EQ(CodeLetters(grown), "MYM");
  EXPECT_EQ(grown.cover_crop_doy, (std::array<int, 4>{0, 0, 305, 349}));
}

TEST_F(CropSave, StressFactorNeedsBothDates) {
  TCropSoilEntry form = FormWithCrop("Almonds");
  form.SA.text = "1";
  form.HectaresPlanted.text = "25";
  form.StressFactor.text = "0.6";
  EXPECT_EQ(Save(form).result, SaveResult::kRefused);
  EXPECT_EQ(form.warning().Warning,
            (Lines{"Enter Starting Date of Stress Factor", "Enter Ending Date of Stress Factor"}));
  EXPECT_TRUE(form.warning().visible);

  form.StressStartingDate.text = "2025-07-01";
  EXPECT_EQ(Save(form).result, SaveResult::kRefused);
  EXPECT_EQ(form.warning().Warning, (Lines{"Enter Ending Date of Stress Factor"}));
  EXPECT_EQ(folder_.Listing(), "");
  EXPECT_TRUE(navigator_.titles().empty());

  form.StressEndingDate.text = "2025-08-15";
  const CropRow row = Save(form).row;
  EXPECT_FLOAT_EQ(row.ks, 0.6f);
  EXPECT_EQ(row.stress_begin_doy, 182);
  EXPECT_EQ(row.stress_end_doy, 227);
  EXPECT_EQ(row.code, "SA00001C3.0160288MNMks0.6182227IF30N");
  EXPECT_TRUE(form.warning().Warning.empty());
}

TEST_F(CropSave, IncompleteEntriesGiveTheirWarningsInOrder) {
  TCropSoilEntry form(2025);
  EXPECT_EQ(Save(form).result, SaveResult::kRefused);
  EXPECT_EQ(form.warning().Warning,
            (Lines{"Enter the SA number", "You must select a crop", "Enter Hectares Planted"}));

  // The range message names 1..999 whenever the entry is incomplete, and numbers up to 99999
  // are saved.
  form.SA.text = "1500";
  form.HectaresPlanted.text = "5";
  Save(form);
  EXPECT_EQ(form.warning().Warning,
            (Lines{"SA number should be between 1 and 999", "You must select a crop"}));

  form.SA.text = "123456";
  form.SelectCrop(0);
  EXPECT_EQ(Save(form).result, SaveResult::kRefused);
  EXPECT_EQ(form.warning().Warning, (Lines{"SA number should be between 1 and 999"}));
  form.SA.text = "0";
  Save(form);
  EXPECT_EQ(form.warning().Warning, (Lines{"SA number should be between 1 and 999"}));
  EXPECT_EQ(folder_.Listing(), "");

  for (const char* sa : {"1500", "99999"}) {
    form.SA.text = sa;
    EXPECT_EQ(Save(form).result, SaveResult::kWritten) << sa;
    EXPECT_TRUE(form.warning().Warning.empty());
  }
  EXPECT_EQ(folder_.Listing(), "SA01500.csv\nSA99999.csv\n");
}

TEST_F(CropSave, BadEntriesAreRefusedAndWriteNothing) {
  struct Case {
    FormField TCropSoilEntry::*entry;
    const char* text;
  };
  const Case cases[] = {
      {&TCropSoilEntry::SA, "12a"},
      {&TCropSoilEntry::HectaresPlanted, "forty"},
      {&TCropSoilEntry::MaxSoilDepth, "1.5m"},
      {&TCropSoilEntry::RootingDepth, "deep"},
      {&TCropSoilEntry::AllowableDepletion, "50%"},
      {&TCropSoilEntry::WettingFrequency, "weekly"},
      {&TCropSoilEntry::PlantingDate, "2025-02-30"},
      {&TCropSoilEntry::EndingDate, "30/09/2025"},
  };
  for (const Case& bad : cases) {
    TCropSoilEntry form = CornInSa12();
    form.*bad.entry = {bad.text, true};
    EXPECT_THROW(Save(form), std::runtime_error) << bad.text;
  }
  TCropSoilEntry almonds = FormWithCrop("Almonds");
  almonds.SA.text = "12";
  almonds.HectaresPlanted.text = "40";
  almonds.StressFactor.text = "half";
  almonds.StressStartingDate.text = "2025-07-01";
  almonds.StressEndingDate.text = "2025-08-01";
  EXPECT_THROW(Save(almonds), ConversionError);
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(CropSave, NotANumberAndInfinityAreRefusedLikeAnyNonNumericEntry) {
  struct Case {
    FormField TCropSoilEntry::*entry;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {&TCropSoilEntry::AllowableDepletion, "nan",
       "Allowable depletion: 'nan' is not a valid floating point value"},
      {&TCropSoilEntry::MaxSoilDepth, "inf",
       "Maximum soil depth: 'inf' is not a valid floating point value"},
      {&TCropSoilEntry::RootingDepth, "-Infinity",
       "Rooting depth: '-Infinity' is not a valid floating point value"},
      {&TCropSoilEntry::StressFactor, "NAN",
       "Stress factor: 'NAN' is not a valid floating point value"},
      {&TCropSoilEntry::GroundCoverDateC, "nan",
       "Ground cover on date C: 'nan' is not a valid floating point value"},
  };
  for (const Case& bad : cases) {
    TCropSoilEntry form = FormWithCrop("Almonds");
    form.SA.text = "12";
    form.HectaresPlanted.text = "40";
    form.StressStartingDate.text = "2025-07-01";
    form.StressEndingDate.text = "2025-08-01";
    form.*bad.entry = {bad.text, true};
    try {
      Save(form);
      ADD_FAILURE() << bad.text << " was accepted";
    } catch (const ConversionError& error) {
      EXPECT_EQ(std::string(error.what()), bad.message);
    }
  }
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(CropSave, AHandEditedFileWithoutFinalLineBreakKeepsItsLastRow) {
  TCropSoilEntry form = CornInSa12();
  Save(form);
  std::string edited = folder_.Read("SA00012.csv");
  edited.pop_back();
  folder_.Write("SA00012.csv", edited);

  form.SelectCrop(*FindCropByListItem("Rice"));
  Save(form);
  const auto file = ReadCropFile(folder_ / "SA00012.csv");
  ASSERT_TRUE(file.has_value());
  ASSERT_EQ(file->rows.size(), 2u);
  EXPECT_EQ(file->rows[0].name, "Corn (grain)");
  EXPECT_EQ(file->rows[0].row_marker, 36919);
  EXPECT_EQ(file->rows[1].name, "Rice");
}

TEST_F(CropSave, AnEmptyFileGetsTheHeaderSoItsFirstRowIsRead) {
  folder_.Write("SA00012.csv", "");
  TCropSoilEntry form = CornInSa12();
  const SaveOutcome outcome = Save(form);
  EXPECT_EQ(folder_.Read("SA00012.csv"), CropFileHeader() + FormatCropRow(outcome.row));
  EXPECT_EQ(ReadCropFile(folder_ / "SA00012.csv")->rows.size(), 1u);
}

TEST_F(CropSave, NegativeGroundCoverIsRefused) {
  TCropSoilEntry form = FormWithCrop("Citrus");
  form.SA.text = "4";
  form.HectaresPlanted.text = "8";
  form.GroundCoverDateB.text = "-5";
  form.GroundCoverDateE.text = "-0.5";
  EXPECT_EQ(Save(form).result, SaveResult::kRefused);
  EXPECT_EQ(form.warning().Warning,
            (Lines{"Ground cover on date B should be between 0 and 100 %, not -5",
                   "Ground cover on date E should be between 0 and 100 %, not -0.5"}));
  EXPECT_EQ(folder_.Listing(), "");
}

// Values a run could not use are refused in the words `crop add` prints, and the crop file keeps
// every byte.
TEST_F(CropSave, ValuesARunCannotUseAreRefusedAndTheFileKeepsEveryByte) {
  TCropSoilEntry good = CornInSa12();
  Save(good);
  const std::string before = folder_.Read("SA00012.csv");
  struct Case {
    const char* crop;
    std::vector<std::pair<FormField TCropSoilEntry::*, const char*>> entries;
    Lines warnings;
  };
  const Case cases[] = {
      {"Corn(grain)",
       {{&TCropSoilEntry::SoilType, "X"}},
       {"Soil type should be L, M or H, not 'X'"}},
      {"Corn(grain)",
       {{&TCropSoilEntry::PreIrrigated, "maybe"}},
       {"Pre-irrigated should be Y or N, not 'maybe'"}},
      {"Corn(grain)",
       {{&TCropSoilEntry::MaxSoilDepth, "3e38"}, {&TCropSoilEntry::RootingDepth, "3e38"}},
       {"Maximum soil depth should be between 1 and 10000 mm, not 3e+38",
        "Rooting depth should be between 1 and 10000 mm, not 3e+38"}},
      {"Corn(grain)",
       {{&TCropSoilEntry::AllowableDepletion, "0"}},
       {"Allowable depletion should be above 0 and at most 100 %, not 0"}},
      {"Corn(grain)",
       {{&TCropSoilEntry::HectaresPlanted, "0"}},
       {"Hectares planted should be above 0 and at most 1000000 ha, not 0"}},
      {"Corn(grain)",
       {{&TCropSoilEntry::WettingFrequency, "0"}},
       {"Wetting frequency should be at least 1 day, not 0"}},
      {"Corn(grain)",
       {{&TCropSoilEntry::CropName, "Corn, sweet"}},
       {"Crop name should be a text without commas or control characters, not 'Corn, sweet'"}},
      {"Almonds",
       {{&TCropSoilEntry::CoverCrop1Begin, "2025-11-01"},
        {&TCropSoilEntry::CoverCrop1End, "2026-02-15"}},
       {"Cover crop 1 should end after it begins, not run from day 305 to day 46: a period "
        "across the year end is not applied; give the part of each year as its own period (to "
        "12-31, and from 01-01)"}},
      {"Almonds",
       {{&TCropSoilEntry::StressFactor, "1.5"},
        {&TCropSoilEntry::StressStartingDate, "08-01"},
        {&TCropSoilEntry::StressEndingDate, "07-01"}},
       {"Stress factor should be between 0 and 1, not 1.5",
        "Stress period should end after it begins, not run from day 213 to day 182: a period "
        "across the year end is not applied; give the part of each year as its own period (to "
        "12-31, and from 01-01)"}},
  };
  for (const Case& c : cases) {
    TCropSoilEntry form = FormWithCrop(c.crop);
    form.SA.text = "12";
    form.HectaresPlanted.text = "40";
    for (const auto& [entry, text] : c.entries) (form.*entry).text = text;
    EXPECT_EQ(Save(form).result, SaveResult::kRefused) << c.warnings.front();
    EXPECT_EQ(form.warning().Warning, c.warnings);
    EXPECT_TRUE(form.warning().visible);
  }
  EXPECT_EQ(folder_.Read("SA00012.csv"), before);
  EXPECT_EQ(navigator_.titles().size(), 1u);  // no directory was asked for after the first save
}

TEST_F(CropSave, LettersAreWrittenUpperCased) {
  TCropSoilEntry form = CornInSa12();
  form.SoilType.text = "h";
  form.PreIrrigated.text = "y";
  const CropRow row = Save(form).row;
  EXPECT_EQ(row.available_water, 0.175f);
  EXPECT_EQ(row.code, "SA00012C1.13121273MNHks1.0000IF30Y");
  EXPECT_EQ(row.pre_irrigated, "Y");
}

TEST_F(CropSave, TypedDatesCountWithinTheirOwnYear) {
  TCropSoilEntry form = CornInSa12();
  form.PlantingDate.text = "2024-03-01";  // leap year
  const CropRow row = Save(form).row;
  EXPECT_EQ(row.planting_doy, 61);
  // The empty ending date is the default in the current year, not counted from 2024.
  EXPECT_EQ(row.ending_doy, 273);

  form.PlantingDate.text = "03-01";
  EXPECT_EQ(Save(form).row.planting_doy, 60);
}

TEST_F(CropSave, CancellingTheDirectoryWritesNothing) {
  TCropSoilEntry form = CornInSa12();
  RecordingNavigator cancels(std::nullopt);
  EXPECT_EQ(form.SaveCropRow(cancels).result, SaveResult::kCancelled);
  EXPECT_EQ(cancels.titles(), Lines{"Please specify the directory"});
  EXPECT_EQ(folder_.Listing(), "");
}

}  // namespace
}  // namespace kelvaro
