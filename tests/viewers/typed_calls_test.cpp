// The typed calls the dialogs and the command line share: what they find or write, and each
// refusal with the field it is about.
#include <gtest/gtest.h>

#include "support/dialog_model_test.h"
#include "support/test_folder.h"
#include "viewers/finder_lookup.h"
#include "viewers/normal_year_call.h"
#include "viewers/statistics_call.h"
#include "viewers/study_area_files.h"
#include "viewers/template_call.h"

namespace kelvaro {
namespace {

using Fields = std::vector<FileField>;

Fields FieldsOf(const std::vector<FileProblem>& problems) {
  Fields fields;
  for (const FileProblem& problem : problems) fields.push_back(problem.field);
  return fields;
}

class TypedCallTest : public testing::DialogModelTest {};

TEST_F(TypedCallTest, StatisticsWriteSixFilesAndShowTheAskedKind) {
  const FileOutcome missing = MakeStatistics({"NONE", "wxr"}, session_);
  EXPECT_EQ(FieldsOf(missing.problems), Fields{FileField::kStation});
  EXPECT_FALSE(missing.found());
  EXPECT_EQ(folder_.Listing(), "");

  folder_.Write("MARST.wrk", testing::ReadBytes(testing::GoldenInputPath("stats/MARST.wrk")));
  const FileOutcome written = MakeStatistics({"MARST", "wxr"}, session_);
  EXPECT_TRUE(written.problems.empty());
  EXPECT_EQ(*written.file, folder_ / "MARST.wxr");
  ASSERT_EQ(written.written.size(), 6u);
  for (const auto& file : written.written) EXPECT_TRUE(std::filesystem::exists(file)) << file;
}

TEST_F(TypedCallTest, TemplateRefusalsNameTheirFieldsAndAnExistingFileIsKept) {
  EXPECT_EQ(FieldsOf(CheckTemplate({"xyz", "Davis", "38.5", "18.5"}).problems),
            Fields{FileField::kKind});
  const TemplateOutcome refused =
      MakeTemplate({"day", "TooLongName", "95", "18.5"}, folder_.path());
  EXPECT_EQ(refused.result, TemplateResult::kRefused);
  EXPECT_EQ(FieldsOf(refused.problems), (Fields{FileField::kName, FileField::kLatitude}));
  EXPECT_EQ(folder_.Listing(), "");

  EXPECT_EQ(MakeTemplate({"day", "Davis", "38.5", "18.5"}, folder_.path()).result,
            TemplateResult::kWritten);
  folder_.Write("Davis.day", "filled\n");
  const TemplateOutcome exists = MakeTemplate({"day", "Davis", "38.5", "18.5"}, folder_.path());
  EXPECT_EQ(exists.result, TemplateResult::kExists);
  EXPECT_EQ(folder_.Read("Davis.day"), "filled\n");
  EXPECT_EQ(MakeTemplate({"day", "Davis", "38.5", "18.5", true}, folder_.path()).result,
            TemplateResult::kWritten);
  EXPECT_NE(folder_.Read("Davis.day"), "filled\n");
}

TEST_F(TypedCallTest, FinderLookUpsFindInAnyLetterCaseOrSayWhichTextIsWrong) {
  folder_.CopyExamples({"SA00001.csv"});
  folder_.Write("SA00001C002.MTV", "monthly\n");
  EXPECT_EQ(*FindFinderFile({"mtv", "1", 2}, folder_.path()).file, folder_ / "SA00001C002.MTV");
  EXPECT_EQ(FieldsOf(FindFinderFile({"eaw", "1", 2}, folder_.path()).problems),
            Fields{FileField::kFile});
  const FileOutcome unknown = FindFinderFile({"avg", "1", 2}, folder_.path());
  EXPECT_TRUE(unknown.problems.empty() && !unknown.found());

  EXPECT_EQ(FieldsOf(FindCropInfoFile("", folder_.path()).problems), Fields{FileField::kSa});
  EXPECT_EQ(FieldsOf(FindCropInfoFile("100000", folder_.path()).problems), Fields{FileField::kSa});
  EXPECT_FALSE(FindCropInfoFile("1000", folder_.path()).found());
  EXPECT_TRUE(FindCropInfoFile("1", folder_.path()).found());

  const StudyAreaCrops crops = ReadStudyAreaCrops(folder_.path(), "1");
  ASSERT_EQ(crops.names.size(), 6u);
  EXPECT_FALSE(CropNumberProblem(crops, "1", 6));
  EXPECT_EQ(CropNumberProblem(crops, "1", 7)->message,
            "Crop 7 is not in SA00001.csv, which holds 6 crops (numbered from 1)");
  EXPECT_EQ(ReadStudyAreaCrops(folder_.path(), "2").problem->field, FileField::kSa);
}

TEST_F(TypedCallTest, NormalYearWithoutTheDailyFileIsRefusedAndWritesNothing) {
  folder_.CopyExamples({"SA00001.csv"});
  const FileOutcome outcome = MakeNormalYear({"1", 2, NormalYearNaming::kCropStem}, session_);
  EXPECT_EQ(FieldsOf(outcome.problems), Fields{FileField::kFile});
  EXPECT_TRUE(outcome.written.empty());
  EXPECT_EQ(folder_.Listing(), "SA00001.csv\n");
}

}  // namespace
}  // namespace kelvaro
