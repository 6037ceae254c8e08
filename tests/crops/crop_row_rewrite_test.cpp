#include <gtest/gtest.h>

#include "crop_test_support.h"
#include "crops/crop_file.h"
#include "crops/crop_file_rows.h"
#include "crops/crop_soil_entry.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using testing::FormWithCrop;
using testing::RecordingNavigator;
using testing::TestFolder;

class CropRowRewrite : public ::testing::Test {
 protected:
  // Three crops of SA 12 saved through the form: corn, almonds with stress and cover crops,
  // and wheat; then the file as a user may have touched it.
  CropRowRewrite() {
    TCropSoilEntry corn = Form("Corn(grain)", "40");
    Save(corn);
    TCropSoilEntry almonds = Form("Almonds", "25");
    almonds.StressFactor.text = "0.7";
    almonds.StressStartingDate.text = "2025-08-15";
    almonds.StressEndingDate.text = "2025-09-30";
    almonds.CoverCrop1Begin.text = "01-10";
    almonds.CoverCrop1End.text = "03-01";
    almonds.GroundCoverDateC.text = "60";
    almonds.SoilType.text = "h";
    almonds.PlantingDate.text = "2024-12-31";  // day 366
    Save(almonds);
    TCropSoilEntry wheat = Form("Wheat", "3");
    Save(wheat);
  }

  static TCropSoilEntry Form(const std::string& crop, const std::string& hectares) {
    TCropSoilEntry form = FormWithCrop(crop);
    form.SA.text = "12";
    form.HectaresPlanted.text = hectares;
    return form;
  }
  void Save(TCropSoilEntry& form) {
    ASSERT_EQ(form.SaveCropRow(navigator_).result, SaveResult::kWritten)
        << form.warning().Warning.at(0);
  }
  std::filesystem::path File() const { return folder_ / "SA00012.csv"; }
  std::vector<CropFileLine> Rows() const { return CropFileLines(folder_.Read("SA00012.csv")); }

  TestFolder folder_;
  RecordingNavigator navigator_{folder_.path()};
};

// The rewritten or removed row changes; every other byte stays, line ends and blank lines of a
// hand-edited file among them.
TEST_F(CropRowRewrite, OneRowChangesAndEveryOtherByteStays) {
  std::string text = folder_.Read("SA00012.csv");
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 3u);
  // Hand-edited: CRLF on the first row, a blank line, no line end after the last.
  text.replace(text.find(rows[0].text) + rows[0].text.size(), 1, "\r\n\n");
  text.pop_back();
  folder_.Write("SA00012.csv", text);
  const auto edited = Rows();
  ASSERT_EQ(edited.size(), 3u);
  EXPECT_EQ(edited[2].line_number, 7);

  CropRow changed = *edited[1].row;
  changed.area_ha = 26;
  RewriteCropRow(File(), 2, edited[1].text, changed);
  std::string expected = text;
  std::string row = FormatCropRow(changed);
  row.pop_back();
  expected.replace(expected.find(edited[1].text), edited[1].text.size(), row);
  EXPECT_EQ(folder_.Read("SA00012.csv"), expected);

  RewriteCropRow(File(), 3, edited[2].text, std::nullopt);  // the last row, without line end
  EXPECT_EQ(folder_.Read("SA00012.csv"), expected.substr(0, expected.find(edited[2].text)));
  RewriteCropRow(File(), 1, edited[0].text, std::nullopt);
  EXPECT_EQ(Rows().size(), 1u);
  EXPECT_EQ(Rows()[0].text, row);
}

TEST_F(CropRowRewrite, AFileChangedSinceItWasListedIsLeftAsItIs) {
  const auto rows = Rows();
  const std::string before = folder_.Read("SA00012.csv");
  try {
    RewriteCropRow(File(), 1, rows[1].text, std::nullopt);  // row 2's text, not row 1's
    FAIL();
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()),
              "SA00012.csv has changed since its crops were listed; crop 1 was not changed. List "
              "the crops again.");
  }
  EXPECT_THROW(RewriteCropRow(File(), 4, "", std::nullopt), InputError);
  EXPECT_EQ(folder_.Read("SA00012.csv"), before);
}

// Every row the form wrote comes back into the form and is saved as the same bytes.
TEST_F(CropRowRewrite, EditingARowAndSavingItUnchangedKeepsTheFile) {
  const std::string before = folder_.Read("SA00012.csv");
  for (const CropFileLine& line : Rows()) {
    SCOPED_TRACE(line.name);
    ASSERT_TRUE(line.problem.empty()) << line.problem;
    TCropSoilEntry form(2025);
    ASSERT_TRUE(form.EditCropRow({File(), 12, line.number, line.text}, *line.row));
    const SaveOutcome outcome = form.SaveCropRow(navigator_);
    ASSERT_EQ(outcome.result, SaveResult::kWritten);
    EXPECT_EQ(folder_.Read("SA00012.csv"), before);
  }
  EXPECT_EQ(navigator_.titles().size(), 3u);  // asked only for the three new rows
}

TEST_F(CropRowRewrite, AnEditStaysInItsStudyAreaAndARowOutsideTheCatalogueIsNotEdited) {
  const auto rows = Rows();
  TCropSoilEntry form(2025);
  ASSERT_TRUE(form.EditCropRow({File(), 12, 3, rows[2].text}, *rows[2].row));
  form.SA.text = "13";
  EXPECT_EQ(form.SaveCropRow(navigator_).result, SaveResult::kRefused);
  ASSERT_EQ(form.problems().size(), 1u);
  EXPECT_EQ(form.problems()[0].field, CropField::kSaNumber);

  CropRow unknown = *rows[0].row;
  unknown.name = "Banana";
  EXPECT_FALSE(form.EditCropRow({File(), 12, 1, rows[0].text}, unknown));
  EXPECT_EQ(form.SA.text, "13");  // nothing changed
  form.FormActivate();
  EXPECT_FALSE(form.editing());
}

// A row written with a soil letter the water balance does not know (available water 0) is read
// back into the form, which saves it with the default soil.
TEST_F(CropRowRewrite, ARowARunRefusesCanBeMended) {
  CropRow no_water = *Rows()[0].row;
  no_water.available_water = no_water.plant_available_water_mm = no_water.yield_threshold_mm = 0;
  RewriteCropRow(File(), 1, Rows()[0].text, no_water);
  const CropFileLine refused = Rows()[0];
  EXPECT_NE(refused.problem.find("Available water"), std::string::npos) << refused.problem;
  TCropSoilEntry form(2025);
  ASSERT_TRUE(form.EditCropRow({File(), 12, 1, refused.text}, *refused.row));
  EXPECT_EQ(form.SoilType.text, "");
  ASSERT_EQ(form.SaveCropRow(navigator_).result, SaveResult::kWritten);
  EXPECT_EQ(Rows()[0].problem, "");
  EXPECT_EQ(Rows()[0].row->available_water, 0.125f);
}

TEST_F(CropRowRewrite, RowsARunRefusesAreListedWithTheReason) {
  folder_.Write("SA00012.csv", folder_.Read("SA00012.csv") + "not,a row\n");
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[3].name, "a row");
  EXPECT_FALSE(rows[3].row);
  EXPECT_FALSE(rows[3].problem.empty());
}

}  // namespace
}  // namespace kelvaro
