#include "analysis/study_area_results.h"

#include <algorithm>

#include "analysis/result_bounds.h"
#include "analysis/result_readers.h"
#include "balance/crop_output_files.h"
#include "balance/irrigation_event_files.h"
#include "crops/crop_row.h"
#include "weatherio/calendar.h"
#include "weatherio/data_lines.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/number_parse.h"
#include "weatherio/run_record.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

constexpr int kSummaryColumns = 15;  // crop, code, twelve months, the year
constexpr int kAnnualColumns = 10;
constexpr int kAverageRowYear = 9999;

std::string RunAgain(const std::string& sa5) {
  return ": run study area " + std::to_string(ParseInt(sa5)) + " again";
}

struct SummaryCrop {
  std::string name;
  std::string code;
  std::array<float, 12> months{};
};

struct Summary {
  std::string name;
  std::vector<SummaryCrop> crops;
};

TextFile ReadRequired(const fs::path& folder, const std::string& name, const std::string& why) {
  auto file = ReadTextFile(FindInFolder(folder, name));
  if (!file) throw InputError(name + " is missing" + why);
  return std::move(*file);
}

Summary ReadEtawSummary(const fs::path& folder, const std::string& sa5) {
  const std::string name = SumOfEtawFileName(sa5);
  TextFile file = ReadRequired(
      folder, name,
      ": study area " + std::to_string(ParseInt(sa5)) + " has no results yet; run it first");
  Summary summary{file.name, ParseDataLines(file, [](const std::string& line) {
                    const auto f = SplitFieldsFromRight(line, kSummaryColumns);
                    SummaryCrop crop{std::string(Trim(f[0])), std::string(Trim(f[1])), {}};
                    for (size_t m = 0; m < 12; ++m) crop.months[m] = ParseFloat(f[m + 2]);
                    return crop;
                  })};
  return summary;
}

CropFile ReadCrops(const fs::path& folder, const std::string& sa5) {
  const std::string name = SaCropFileName(sa5);
  auto crops = ReadCropFile(FindInFolder(folder, name));
  if (!crops) {
    throw InputError(name + " is missing: study area " + std::to_string(ParseInt(sa5)) +
                     " has no crop file");
  }
  return std::move(*crops);
}

// The crops of the last run must be the crop file's, in its order.
void CheckSameCrops(const CropFile& crops, const Summary& summary, const std::string& sa5) {
  if (crops.rows.size() != summary.crops.size()) {
    throw InputError(crops.name + " holds " + std::to_string(crops.rows.size()) +
                     " crops but the last run had " + std::to_string(summary.crops.size()) + " (" +
                     summary.name + "); the crop file has changed since" + RunAgain(sa5));
  }
  for (size_t k = 0; k < crops.rows.size(); ++k) {
    const CropRow& row = crops.rows[k];
    const SummaryCrop& ran = summary.crops[k];
    if (std::string(Trim(row.name)) != ran.name || std::string(Trim(row.code)) != ran.code) {
      throw InputError(LineLocation(crops.name, crops.line_numbers[k]) + " (crop " +
                       std::to_string(k + 1) + ") is " + row.name + " but the last run had " +
                       ran.name + " there (" + summary.name + "); the crop file has changed since" +
                       RunAgain(sa5));
    }
  }
}

struct AnnualRow {
  int year = 0;
  float etaw = 0.0f;
  float aetaw = 0.0f;
};

// The year rows and the averages row of a crop's annual file.
void ReadAnnualFile(const fs::path& folder, const std::string& sa5, CropResults& crop,
                    std::vector<int>& years) {
  const std::string name = CropFileStem(sa5, crop.number) + ".EAW";
  const TextFile file = ReadRequired(folder, name, RunAgain(sa5));
  const std::string first_line = " " + crop.name + "," + crop.code;
  if (file.lines.empty() || std::string(Trim(file.lines[0])) != std::string(Trim(first_line))) {
    throw InputError(name + " holds the results of another crop than crop " +
                     std::to_string(crop.number) + " (" + crop.name + ")" + RunAgain(sa5));
  }
  const auto parse = [](const std::string& line) {
    const auto f = SplitFieldsFromRight(line, kAnnualColumns);
    const AnnualRow row{ParseInt(Trim(f[0])), ParseFloat(f[3]), ParseFloat(f[6])};
    CheckResultValue("ETAW", row.etaw, kYearEtawBounds);
    CheckResultValue("AETAW", row.aetaw, kYearEtawBounds);
    return row;
  };
  std::vector<AnnualRow> rows;
  try {
    rows = ParseDataLines(file, parse);
  } catch (const InputError& error) {
    throw InputError(error.what() + RunAgain(sa5));
  }
  std::vector<int> crop_years;
  bool averaged = false;
  for (const AnnualRow& row : rows) {
    if (averaged) throw InputError(name + ": rows after the averages row (9999)" + RunAgain(sa5));
    if (row.year == kAverageRowYear) {
      crop.mean_etaw_mm = row.etaw;
      crop.mean_aetaw_mm = row.aetaw;
      averaged = true;
      continue;
    }
    crop_years.push_back(row.year);
    crop.etaw_mm.push_back(row.etaw);
    crop.aetaw_mm.push_back(row.aetaw);
  }
  if (!averaged || crop_years.empty()) {
    throw InputError(name + " is cut short: it ends before its averages row (9999)" +
                     RunAgain(sa5));
  }
  if (years.empty()) years = crop_years;
  if (crop_years != years) {
    throw InputError(name + " holds other years than " + CropFileStem(sa5, 1) + ".EAW" +
                     RunAgain(sa5));
  }
}

// The mean number of irrigations a year of each crop, from the averages rows.
void ReadIrrigations(const fs::path& folder, const std::string& sa5,
                     std::vector<CropResults>& crops) {
  const auto file = ReadTextFile(FindInFolder(folder, IrrigationSummaryFileName(sa5)));
  if (!file) return;  // results of a run that did not count irrigations
  struct IrrigationRow {
    int crop_number;
    int year;
    float count;
  };
  const auto rows = ParseDataLines(*file, [](const std::string& line) {
    const auto f = SplitFieldsFromRight(line, kIrrigationSummaryColumns);
    const IrrigationRow row{ParseInt(f[0]), ParseInt(Trim(f[2])), ParseFloat(f[3])};
    CheckResultValue("Irrigations", row.count, kIrrigationCountBounds);
    return row;
  });
  for (const IrrigationRow& row : rows) {
    if (row.year != kIrrigationAverageYear) continue;
    if (row.crop_number < 1 || row.crop_number > static_cast<int>(crops.size())) {
      throw InputError(file->name + " names crop " + std::to_string(row.crop_number) +
                       ", which the crop file does not hold" + RunAgain(sa5));
    }
    crops[static_cast<size_t>(row.crop_number - 1)].irrigations_per_year = row.count;
  }
  for (const CropResults& crop : crops) {
    if (!crop.irrigations_per_year) {
      throw InputError(file->name + " has no averages row of crop " + std::to_string(crop.number) +
                       RunAgain(sa5));
    }
  }
}

// The depth the events refilled, by crop, year of the run and month.
void AddDeliveredEvent(const RecordedIrrigation& event, const std::vector<int>& years,
                       std::vector<CropResults>& crops) {
  if (event.crop_number < 1 || event.crop_number > static_cast<int>(crops.size())) {
    throw InputError("crop " + std::to_string(event.crop_number) + " is not one of the " +
                     std::to_string(crops.size()) + " crops of the crop file");
  }
  const auto year = std::find(years.begin(), years.end(), event.year);
  if (year == years.end()) {
    throw InputError("year " + std::to_string(event.year) + " is not a year of the run (" +
                     std::to_string(years.front()) + "-" + std::to_string(years.back()) + ")");
  }
  if (event.doy > DaysInYear(event.year)) {
    throw InputError("DOY " + std::to_string(event.doy) + " is not a day of " +
                     std::to_string(event.year));
  }
  CropResults& crop = crops[static_cast<size_t>(event.crop_number - 1)];
  const int month = MonthAndDayOfYear(event.doy, event.year).month;
  crop.delivered_mm[static_cast<size_t>(year - years.begin())][static_cast<size_t>(month - 1)] +=
      event.depth_mm;
}

void ReadDeliveries(const fs::path& folder, const std::string& sa5, StudyAreaResults& results) {
  const auto file = ReadTextFile(FindInFolder(folder, IrrigationEventsFileName(sa5)));
  if (!file) return;  // results of a run that did not write its irrigation events
  for (CropResults& crop : results.crops) crop.delivered_mm.assign(results.years.size(), {});
  try {
    ParseDataLines(*file, [&results](const std::string& line) {
      AddDeliveredEvent(ParseIrrigationEvent(line), results.years, results.crops);
      return 0;
    });
  } catch (const InputError& error) {
    throw InputError(error.what() + RunAgain(sa5));
  }
  results.events_file_name = file->name;
}

}  // namespace

void CheckAgainstRunRecord(const fs::path& folder, const std::string& sa5) {
  const std::string prefix = ToLowerAscii(RunRecordPrefix(sa5));
  for (const RunRecord& record : ReadRunRecords(folder)) {  // newest first
    if (!ToLowerAscii(record.name).starts_with(prefix)) continue;
    if (const auto changed = ChangedSinceRun(record, folder)) {
      throw InputError(*changed + " is not the file " + record.Summary() + " read or wrote (" +
                       record.name +
                       "), so the results would not belong to one run; run the study area "
                       "again.");
    }
    return;
  }
}

StudyAreaResults ReadStudyAreaResults(const fs::path& folder, const std::string& sa5) {
  CheckSafeName(sa5, "SA number");
  CheckAgainstRunRecord(folder, sa5);
  const CropFile crop_file = ReadCrops(folder, sa5);
  const Summary summary = ReadEtawSummary(folder, sa5);
  CheckSameCrops(crop_file, summary, sa5);

  StudyAreaResults results;
  results.sa5 = sa5;
  results.crop_file_name = crop_file.name;
  for (size_t k = 0; k < crop_file.rows.size(); ++k) {
    const CropRow& row = crop_file.rows[k];
    CropResults crop;
    crop.number = static_cast<int>(k + 1);
    crop.name = std::string(Trim(row.name));
    crop.code = std::string(Trim(row.code));
    crop.area_ha = row.area_ha;
    crop.monthly_etaw_mm = summary.crops[k].months;
    ReadAnnualFile(folder, sa5, crop, results.years);
    results.crops.push_back(std::move(crop));
  }
  ReadIrrigations(folder, sa5, results.crops);
  ReadDeliveries(folder, sa5, results);
  return results;
}

}  // namespace kelvaro
