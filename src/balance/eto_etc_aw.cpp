#include "balance/eto_etc_aw.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "balance/bare_soil_evaporation.h"
#include "balance/crop_coefficients.h"
#include "balance/crop_output_files.h"
#include "balance/crop_season.h"
#include "balance/irrigation_event_files.h"
#include "balance/irrigation_thresholds.h"
#include "balance/soil_water_balance.h"
#include "balance/study_area_summaries.h"
#include "balance/year_day_table.h"
#include "crops/crop_row.h"
#include "session/deferred_reporter.h"
#include "session/parallel_for.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/study_area_names.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

std::optional<WorkingDailyFile> ReadWeather(const RunParameters& run, Session& session) {
  const std::string name = run.FileStem() + ".wrk";
  auto file = ReadWorkingDailyFile(FindInFolder(session.data_dir, name));
  if (!file) {
    session.reporter.MessageBox("Couldn't find " + name + ".");
  } else if (file->days.empty()) {
    throw InputError(file->name + " holds no days after its three header lines");
  }
  return file;
}

std::optional<CropFile> ReadCrops(const RunParameters& run, Session& session) {
  const auto path = FindInFolder(session.data_dir, run.SAFileName());
  std::error_code ignored;
  session.reporter.Trace(std::filesystem::absolute(path, ignored).string());
  auto file = ReadCropFile(path);
  if (!file) {
    session.reporter.MessageBox("Couldn't find " + run.SAFileName() + ".");
    return std::nullopt;
  }
  if (file->rows.empty()) throw InputError(file->name + " holds no crops");
  return file;
}

// What one crop leaves for the study area: its three finished files waiting for the commit, its
// sums for the study area's files and what it reported, or the error that stopped it after that.
struct BalancedCrop {
  OutputFileSet files;
  std::optional<CropSums> sums;
  DeferredReporter reports;
  std::exception_ptr error;
};

// Runs on any thread: it reads only the crop row, the session's pi and folder, and the weather of
// `table`, whose crop coefficients it overwrites (each thread has a table of its own).
BalancedCrop BalanceCrop(const CropRow& row, int index, int crop_count, const std::string& sa5,
                         YearDayTable& table, const Session& session) {
  BalancedCrop crop;
  crop.reports.CropStarted(row.name, index, crop_count);
  try {
    if (session.reporter.CancelRequested()) throw RunCancelled();
    const CropCoefficients coefficients = BuildCropCoefficients(row, table, session.global_pi);
    const IrrigationThresholds thresholds = PlaceIrrigations(row, coefficients.stages, table);
    CropOutputs outputs(crop.files, session.data_dir, sa5, index + 1, row);
    int days = 0;
    crop.sums = RunSoilWaterBalance(row, coefficients, thresholds, table, crop.reports,
                                    [&](const DailyBalanceRow& day) {
                                      outputs.WriteDailyRow(day);
                                      ++days;
                                    });
    outputs.FinishCrop(*crop.sums, table);
    crop.reports.CropFinished(days);
  } catch (...) {
    crop.error = std::current_exception();
  }
  return crop;
}

// The study area's files that gather every crop, in crop order.
struct StudyAreaFiles {
  StudyAreaSummaries& summaries;
  IrrigationEventFiles& irrigations;
};

// The crops run on the session's jobs, each thread on a copy of `weather`; their trace lines,
// rows of the study area's files and files come out in crop order, and the first crop that fails
// ends the run as it would one crop after another.
void BalanceCrops(const CropFile& crops, const std::string& sa5, const YearDayTable& weather,
                  Session& session, OutputFileSet& files, const StudyAreaFiles& study_area) {
  const int crop_count = static_cast<int>(crops.rows.size());
  const int workers = WorkerCount(crop_count, session.jobs);
  std::vector<YearDayTable> tables(static_cast<size_t>(workers), weather);
  ForEachInOrder(
      crop_count, workers,
      [&](int worker, int k) {
        return BalanceCrop(crops.rows[static_cast<size_t>(k)], k, crop_count, sa5,
                           tables[static_cast<size_t>(worker)], session);
      },
      [&](int k, BalancedCrop&& crop) {
        crop.reports.ReplayOnto(session.reporter);
        if (crop.error) std::rethrow_exception(crop.error);
        const CropRow& row = crops.rows[static_cast<size_t>(k)];
        files.Append(std::move(crop.files));
        study_area.summaries.AddCrop(row, MonthAverages(*crop.sums));
        study_area.irrigations.AddCrop(k + 1, row, *crop.sums, weather);
        // Crops run ahead on other threads: a Cancel after this crop stops the run here.
        if (k + 1 < crop_count && session.reporter.CancelRequested()) throw RunCancelled();
      });
}

// Results of crop rows the crop file no longer has would pass for results of this run.
void WarnOfStaleResults(const CropFile& crops, const std::string& sa5, Session& session) {
  const auto stale =
      StaleCropResultFiles(session.ResultsFolder(), sa5, static_cast<int>(crops.rows.size()));
  if (stale.empty()) return;
  std::string names;
  for (const auto& name : stale) names += (names.empty() ? "" : ", ") + name;
  session.reporter.Warn("These result files belong to crops that " + crops.name +
                        " no longer holds and are not current: " + names);
}

}  // namespace

void EToETcAW(const RunParameters& run, Session& session) {
  const std::string sa5 = run.SA5();
  session.reporter.Trace(StudyAreaTag(sa5));
  CheckSafeName(run.FileStem(), "station name");
  CheckSafeName(sa5, "SA number");

  const auto weather = ReadWeather(run, session);
  if (!weather) return;
  const auto crops = ReadCrops(run, session);
  if (!crops) return;

  const YearDayTable table = BalanceWeatherTable(*weather);
  // Every result file of the study area is replaced at the end, all of them or none.
  OutputFileSet files;
  StudyAreaSummaries summaries(files, session.data_dir, sa5, table.year_count());
  IrrigationEventFiles irrigations(files, session.data_dir, sa5, table.year_count());
  BalanceCrops(*crops, sa5, table, session, files, {summaries, irrigations});
  files.CommitAll();
  WarnOfStaleResults(*crops, sa5, session);
}

}  // namespace kelvaro
