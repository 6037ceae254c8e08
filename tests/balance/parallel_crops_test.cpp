// The crops of a study area on several threads give the files and the reports of one crop after
// another, byte for byte and line for line, when the run succeeds and when it fails part way.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "balance/eto_etc_aw.h"
#include "eto/wth_eto.h"
#include "session/reporter.h"
#include "support/station_run.h"
#include "support/test_folder.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

// Every report, in order, as one line each.
class ReportLog : public Reporter {
 public:
  void MessageBox(const std::string& text) override { lines.push_back("box " + text); }
  void Trace(const std::string& line) override { lines.push_back(line); }
  void Warn(const std::string& text) override { lines.push_back("warn " + text); }
  void CropStarted(const std::string& name, int index, int count) override {
    lines.push_back("crop " + name + " " + std::to_string(index) + "/" + std::to_string(count));
  }
  void CropFinished(int days) override { lines.push_back("days " + std::to_string(days)); }

  std::vector<std::string> lines;
};

// The bundled study area (every crop class, pre-irrigation, cover crops, a stress period, rice)
// three times over, on the bundled Maricopa weather made into its working file.
void PrepareStudyArea(const TestFolder& folder) {
  folder.CopyExamples({"MARIC.day"});
  const std::vector<std::string> lines =
      SplitLines(testing::ReadBytes(testing::ExamplePath("SA00001.csv")));
  std::string crops;
  for (size_t i = 0; i < 3; ++i) crops += lines[i] + "\n";
  for (int copy = 0; copy < 3; ++copy) {
    for (size_t i = 3; i < lines.size(); ++i) crops += lines[i] + "\n";
  }
  folder.Write("SA00001.csv", crops);
  RecordingReporter ignored;
  Session session(folder.path(), ignored);
  WTHETo(testing::StationRun("MARIC", "day"), session);
}

struct Outcome {
  std::string files;  // every file of the folder with its bytes
  std::vector<std::string> reports;
  std::string error;
};

Outcome RunBalance(const TestFolder& folder, int jobs) {
  ReportLog log;
  Session session(folder.path(), log);
  session.jobs = jobs;
  RunParameters run = testing::StationRun("MARIC", "day");
  run.SA = "1";
  Outcome outcome;
  try {
    EToETcAW(run, session);
  } catch (const std::exception& error) {
    outcome.error = error.what();
  }
  std::vector<std::filesystem::path> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  for (const auto& name : names) {
    outcome.files += name.string() + "\n" + testing::ReadBytes(folder.path() / name);
  }
  outcome.reports = log.lines;
  return outcome;
}

// The folder's own name differs between the runs; the crop-file path is its only trace of it.
std::vector<std::string> WithoutFolder(std::vector<std::string> lines, const TestFolder& folder) {
  for (std::string& line : lines) {
    const auto at = line.find(folder.path().string());
    if (at != std::string::npos) line.replace(at, folder.path().string().size(), "FOLDER");
  }
  return lines;
}

TEST(ParallelCrops, EveryNumberOfJobsWritesTheFilesAndReportsOfOneCropAfterAnother) {
  TestFolder alone;
  PrepareStudyArea(alone);
  const Outcome one = RunBalance(alone, 1);
  ASSERT_EQ(one.error, "");
  ASSERT_GT(one.files.size(), 18u * 300000u);
  EXPECT_EQ(std::count(one.reports.begin(), one.reports.end(), "days 6575"), 18);  // 2003-2020
  for (int jobs : {2, 4, 7}) {
    TestFolder folder;
    PrepareStudyArea(folder);
    const Outcome many = RunBalance(folder, jobs);
    EXPECT_EQ(many.error, "");
    EXPECT_TRUE(many.files == one.files) << jobs << " jobs wrote other bytes";
    EXPECT_EQ(WithoutFolder(many.reports, folder), WithoutFolder(one.reports, alone)) << jobs;
  }
}

// Crop 8's annual file is read-only: crops 1 to 7 have reported and crop 8 has started when the
// run stops, whatever the number of jobs, and the folder is left as it was.
TEST(ParallelCrops, ARunThatFailsPartWayStopsAtTheSameCropForEveryNumberOfJobs) {
  std::vector<std::string> expected;
  for (int jobs : {1, 4}) {
    TestFolder folder;
    PrepareStudyArea(folder);
    RunBalance(folder, jobs);
    testing::MakeReadOnly(folder / "SA00001C008.EAW");
    const std::string before = RunBalance(folder, jobs).files;  // fails, changes nothing
    const Outcome failed = RunBalance(folder, jobs);
    EXPECT_EQ(failed.error, "SA00001C008.EAW is read-only and is left as it is.");
    EXPECT_TRUE(failed.files == before);
    const std::vector<std::string> reports = WithoutFolder(failed.reports, folder);
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back().substr(0, 5), "crop ");
    EXPECT_EQ(reports.back().substr(reports.back().size() - 5), " 7/18");
    if (expected.empty()) expected = reports;
    EXPECT_EQ(reports, expected) << jobs;
  }
}

}  // namespace
}  // namespace kelvaro
