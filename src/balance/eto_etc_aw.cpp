#include "balance/eto_etc_aw.h"

#include <filesystem>
#include <optional>
#include <string>

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
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
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

// ETo, rain and the bare-soil coefficient of every day of the working file.
YearDayTable WeatherTable(const WorkingDailyFile& file) {
  const int first_year = file.days.front().year;
  YearDayTable table(first_year, file.days.back().year - first_year + 1);
  BareSoilState state;
  for (const WeatherDay& day : file.days) {
    AccumulateBareSoilEvaporation(day, state, table);
    table.SetDaysInYear(day.year - first_year + 1, day.doy);
  }
  return table;
}

void BalanceCrop(const CropRow& row, int crop_number, const std::string& sa5, YearDayTable& table,
                 Session& session, OutputFileSet& files, StudyAreaSummaries& summaries,
                 IrrigationEventFiles& irrigations) {
  const CropCoefficients coefficients = BuildCropCoefficients(row, table, session.global_pi);
  const IrrigationThresholds thresholds = PlaceIrrigations(row, coefficients.stages, table);
  CropOutputs outputs(files, session.data_dir, sa5, crop_number, row);
  const CropSums sums =
      RunSoilWaterBalance(row, coefficients, thresholds, table, session.reporter,
                          [&outputs](const DailyBalanceRow& day) { outputs.WriteDailyRow(day); });
  outputs.FinishCrop(sums, table);
  summaries.AddCrop(row, MonthAverages(sums));
  irrigations.AddCrop(crop_number, row, sums, table);
}

// Results of crop rows the crop file no longer has would pass for results of this run.
void WarnOfStaleResults(const CropFile& crops, const std::string& sa5, Session& session) {
  const auto stale =
      StaleCropResultFiles(session.data_dir, sa5, static_cast<int>(crops.rows.size()));
  if (stale.empty()) return;
  std::string names;
  for (const auto& name : stale) names += (names.empty() ? "" : ", ") + name;
  session.reporter.Warn("These result files belong to crops that " + crops.name +
                        " no longer holds and are not current: " + names);
}

}  // namespace

void EToETcAW(const RunParameters& run, Session& session) {
  const std::string sa5 = run.SA5();
  session.reporter.Trace("SA" + sa5);
  CheckSafeName(run.FileStem(), "station name");
  CheckSafeName(sa5, "SA number");

  const auto weather = ReadWeather(run, session);
  if (!weather) return;
  const auto crops = ReadCrops(run, session);
  if (!crops) return;

  YearDayTable table = WeatherTable(*weather);
  // Every result file of the study area is replaced at the end, all of them or none.
  OutputFileSet files;
  StudyAreaSummaries summaries(files, session.data_dir, sa5, table.year_count());
  IrrigationEventFiles irrigations(files, session.data_dir, sa5, table.year_count());
  const int crop_count = static_cast<int>(crops->rows.size());
  for (int k = 0; k < crop_count; ++k) {
    const CropRow& row = crops->rows[static_cast<size_t>(k)];
    session.reporter.CropStarted(row.name, k, crop_count);
    BalanceCrop(row, k + 1, sa5, table, session, files, summaries, irrigations);
  }
  files.CommitAll();
  WarnOfStaleResults(*crops, sa5, session);
}

}  // namespace kelvaro
