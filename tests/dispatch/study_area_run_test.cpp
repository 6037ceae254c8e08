// One typed call runs a study area for every front end: the same refusals, files and warnings
// as the run dialog, and a cancelled run that leaves the folder as it was.
#include "dispatch/study_area_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "dispatch/run_dialog.h"
#include "support/recording_navigator.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

RunRequest MaricopaRequest(const TestFolder& folder) {
  RunRequest request;
  request.input = "day";
  request.station = "MARIC";
  request.latitude = "33.07";
  request.elevation = "361";
  request.sa = "1";
  request.folder = folder.path();
  return request;
}

// The run dialog given the same texts.
std::vector<std::string> ThroughTheDialog(const RunRequest& request, RecordingReporter& reporter) {
  Session session(request.folder, reporter);
  testing::RecordingNavigator navigator;
  TGetData dialog(session, navigator);
  dialog.SetExtension(request.input);
  dialog.FormActivate();
  dialog.Station.text = request.station;
  dialog.Latitude.text = request.latitude;
  dialog.Elevation.text = request.elevation;
  dialog.SA.text = request.sa;
  dialog.Years.text = request.years;
  dialog.FetchVal.text = request.fetch;
  dialog.ButtonOKClick();
  return dialog.Warning.lines;
}

std::vector<std::string> Messages(const RunResult& result) {
  std::vector<std::string> messages;
  for (const RunProblem& problem : result.problems) messages.push_back(problem.message);
  return messages;
}

TEST(StudyAreaRun, TheTypedCallAndTheDialogRefuseAlikeAndWriteTheSameFiles) {
  TestFolder typed;
  TestFolder dialog;
  for (const TestFolder* folder : {&typed, &dialog}) {
    folder->CopyExamples({"MARIC.day", "SA00001.csv"});
  }
  RunRequest years = MaricopaRequest(typed);
  years.input = "mon";
  years.years = "030";
  RunRequest fields = MaricopaRequest(typed);
  fields.latitude = "95";
  fields.elevation = "4000";
  fields.sa = "";
  for (RunRequest request : {years, fields}) {
    RecordingReporter quiet;
    const RunResult result = RunStudyArea(request, quiet);
    EXPECT_EQ(result.status, RunResult::Status::kRefused);
    EXPECT_EQ(result.problems.front().field,
              request.years.empty() ? RunField::kLatitude : RunField::kYears);
    request.folder = dialog.path();
    RecordingReporter dialog_reporter;
    EXPECT_EQ(Messages(result), ThroughTheDialog(request, dialog_reporter));
  }

  RecordingReporter typed_reporter;
  const RunResult result = RunStudyArea(MaricopaRequest(typed), typed_reporter);
  EXPECT_EQ(result.status, RunResult::Status::kDone) << result.error.value_or("");
  RecordingReporter dialog_reporter;
  RunRequest request = MaricopaRequest(dialog);
  EXPECT_TRUE(ThroughTheDialog(request, dialog_reporter).empty());
  EXPECT_EQ(typed.Listing(), dialog.Listing());
  EXPECT_TRUE(typed.Read("SA00001C003.EAW") == dialog.Read("SA00001C003.EAW"));
  EXPECT_TRUE(typed.Read("SumofETAWforSA00001.saw") == dialog.Read("SumofETAWforSA00001.saw"));
  EXPECT_EQ(result.warnings, dialog_reporter.warnings());
  // The figures the command line prints, and the files of the run's record.
  ASSERT_EQ(result.crops.size(), 6u);
  EXPECT_EQ(result.crops[2].name, "Corn (grain)");
  EXPECT_EQ(result.crops[2].monthly_etaw.size(), 13u);
  EXPECT_TRUE(result.crops[2].annual.has_value());
  EXPECT_NE(std::find(result.files_written.begin(), result.files_written.end(), "SA00001C003.EAW"),
            result.files_written.end());
}

// Asks for the run to stop once the first crop is done.
class CancellingReporter : public RecordingReporter {
 public:
  void CropFinished(int) override { finished_ = true; }
  bool CancelRequested() const override { return finished_; }

 private:
  std::atomic<bool> finished_{false};
};

TEST(StudyAreaRun, ACancelledRunLeavesTheFolderAsItWas) {
  TestFolder folder;
  folder.CopyExamples({"MARIC.day", "SA00001.csv"});
  RecordingReporter first;
  ASSERT_EQ(RunStudyArea(MaricopaRequest(folder), first).status, RunResult::Status::kDone);
  folder.Write("SA00001.csv", folder.Read("SA00001.csv"));  // the same crops, run again
  const std::string before = folder.Snapshot();

  for (int jobs : {1, 2}) {  // two threads start at most four crops ahead of the first
    RunRequest request = MaricopaRequest(folder);
    request.jobs = jobs;
    CancellingReporter cancelling;
    const RunResult result = RunStudyArea(request, cancelling);
    EXPECT_EQ(result.status, RunResult::Status::kCancelled);
    EXPECT_EQ(result.error, "The run was cancelled; the folder is as it was");
    EXPECT_TRUE(folder.Snapshot() == before) << jobs;
  }
}

}  // namespace
}  // namespace kelvaro
