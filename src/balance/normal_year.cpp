#include "balance/normal_year.h"

#include <vector>

#include "balance/crop_coefficients.h"
#include "balance/crop_season.h"
#include "balance/irrigation_thresholds.h"
#include "balance/soil_water_balance.h"
#include "balance/year_day_table.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

using Series = YearDayTable::Series;

// The mean year has 366 days and follows a leap year, so season days past 366 fold back by 366.
constexpr int kMeanYearCalendarYear = 2001;
constexpr int kMeanYearDays = 366;
constexpr float kLeapDayScale = 4.0f;

constexpr const char* kColumnLine =
    "   DOY,    OKc,     IKc,   CCKc,     ETo,      Kc,       ETc,     Pcp,     SWD,     SWDx,  "
    "   FC,     PWP,     SWC,     YTD\n";
constexpr const char* kUnitLine =
    "    #,        ,        ,       ,      mm,        ,        mm,      mm,      mm,        mm, "
    "       mm,        mm,        mm,        mm\n";

int ClassOfCode(const std::string& code) {
  CropRow row;
  row.code = code;
  return row.CropClass();
}

YearDayTable MeanYearTable(const NormalYear& year) {
  YearDayTable table(kMeanYearCalendarYear, 1);
  table.SetDaysInYear(1, kMeanYearDays);
  for (int d = 1; d <= kMeanYearDays; ++d) {
    const NormalYearDay& day = year.days[static_cast<size_t>(d)];
    table.Set(Series::kETo, 1, d, day.mean.eto);
    table.Set(Series::kPcp, 1, d, day.mean.pcp);
    table.Set(Series::kOKc, 1, d, day.mean.okc);
    table.Set(Series::kIKc, 1, d, day.mean.ikc);
    table.Set(Series::kKc, 1, d, day.kc);
  }
  return table;
}

void TraceScan(const IrrigationThresholds& thresholds, Reporter& reporter) {
  if (!thresholds.scan_stopped) return;
  reporter.Trace("ET1=" + ShortestText(thresholds.scan_initial_etc_mm));
  reporter.Trace("ET2=" + ShortestText(thresholds.scan_running_etc_mm));
}

std::string DayLine(int d, const NormalYearDay& day) {
  const float scale = d == kMeanYearDays ? kLeapDayScale : 1.0f;
  const DailyMeanValues& m = day.mean;
  return Printf(
      " %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", d,
      m.okc * scale, m.ikc * scale, m.cckc * scale, m.eto * scale, day.kc * scale, m.etc * scale,
      m.pcp * scale, day.swd, day.swdx, day.fc, day.pwp, day.swc, day.ytd);
}

}  // namespace

NormalYear ComputeNormalYear(const CropDailyMeans& means, const CropRow& row, Reporter& reporter) {
  NormalYear year;
  year.crop_name = means.crop_name;
  year.year_count = means.year_count;
  const int crop_class = ClassOfCode(means.crop_code);
  for (int d = 1; d <= kMeanYearDays; ++d) {
    NormalYearDay& day = year.days[static_cast<size_t>(d)];
    day.mean = means.days[static_cast<size_t>(d)];
    day.kc = CoverCappedKc(day.mean.okc, day.mean.ikc, day.mean.cckc, crop_class);
  }

  const YearDayTable table = MeanYearTable(year);
  CropCoefficients coefficients;
  coefficients.stages = SeasonStageDays(row);
  for (int d = 1; d <= kMeanYearDays; ++d) {
    coefficients.cckc[static_cast<size_t>(d)] = year.days[static_cast<size_t>(d)].mean.cckc;
  }
  const IrrigationThresholds thresholds = PlaceIrrigations(row, coefficients.stages, table);
  TraceScan(thresholds, reporter);

  const auto keep = [&year](const DailyBalanceRow& balance) {
    NormalYearDay& day = year.days[static_cast<size_t>(balance.doy)];
    day.swd = balance.swd;
    day.swdx = balance.swdx;
    day.fc = balance.fc;
    day.pwp = balance.pwp;
    day.swc = balance.swc;
    day.ytd = balance.ytd;
  };
  RunSoilWaterBalance(row, coefficients, thresholds, table, reporter, keep,
                      BalanceRules{.rain_at_once_in_season = true});
  return year;
}

std::string NormalYearText(const NormalYear& year, const std::string& header_name) {
  std::string text = Printf(" %s, Daily Mean Values of %8s,Number of years=%2d\n",
                            year.crop_name.c_str(), header_name.c_str(), year.year_count);
  text += kColumnLine;
  text += kUnitLine;
  for (int d = 1; d <= kMeanYearDays; ++d) text += DayLine(d, year.days[static_cast<size_t>(d)]);
  return text;
}

const CropRow& ChooseNormalYearRow(const CropFile& crops, int crop_number,
                                   const std::string& crop_name) {
  if (crops.rows.empty()) throw InputError(crops.name + " holds no crops");
  if (crop_number >= 1 && crop_number <= static_cast<int>(crops.rows.size())) {
    return crops.rows[static_cast<size_t>(crop_number - 1)];
  }
  for (const CropRow& row : crops.rows) {
    if (row.name == crop_name) return row;
  }
  return crops.rows.back();
}

NormalYearOutcome WriteNormalYear(const NormalYearFiles& files, Session& session) {
  if (!IsSafeName(files.daily_file_name)) return NormalYearOutcome::kNoDailyFile;
  CheckSafeName(files.output_name, "output file name");
  CheckSafeName(files.sa5, "SA number");
  const auto means = ReadCropDailyMeans(FindInFolder(session.data_dir, files.daily_file_name));
  if (!means) return NormalYearOutcome::kNoDailyFile;
  const auto crops = ReadCropFile(FindInFolder(session.data_dir, SaCropFileName(files.sa5)));
  if (!crops) return NormalYearOutcome::kNoCropFile;
  const CropRow& row = ChooseNormalYearRow(*crops, files.crop_number, means->crop_name);
  const NormalYear year = ComputeNormalYear(*means, row, session.reporter);
  WriteWholeFile(FindInFolder(session.data_dir, files.output_name),
                 NormalYearText(year, files.header_name));
  return NormalYearOutcome::kWritten;
}

}  // namespace kelvaro
