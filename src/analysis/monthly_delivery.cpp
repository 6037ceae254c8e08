#include "analysis/monthly_delivery.h"

#include "analysis/spread.h"
#include "analysis/text_table.h"
#include "weatherio/calendar.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

constexpr size_t kYearColumn = 12;

constexpr std::array<const char*, 13> MonthAndYearColumns() {
  std::array<const char*, 13> names{};
  for (size_t m = 0; m < 12; ++m) names[m] = kMonthAbbreviations[m];
  names[kYearColumn] = "Year";
  return names;
}
constexpr std::array<const char*, 13> kColumnNames = MonthAndYearColumns();

// Cubic metres of each month and of the whole year, one entry per year of the run.
using YearMonths = std::vector<std::array<double, 13>>;

YearMonths CropCubicMetres(const CropResults& crop) {
  YearMonths years(crop.delivered_mm.size());
  for (size_t y = 0; y < years.size(); ++y) {
    for (size_t m = 0; m < kYearColumn; ++m) {
      years[y][m] = CubicMetres(crop.delivered_mm[y][m], crop.area_ha);
      years[y][kYearColumn] += years[y][m];
    }
  }
  return years;
}

DeliveryLine LineOf(int number, const std::string& name, const YearMonths& cubic_metres,
                    double area_ha, VolumeUnit unit) {
  DeliveryLine line{number, name, {}, {}};
  for (size_t column = 0; column < line.mean.size(); ++column) {
    std::vector<double> values;
    for (const auto& year : cubic_metres)
      values.push_back(InVolumeUnit(year[column], area_ha, unit));
    double sum = 0.0;
    for (double value : values) sum += value;
    line.mean[column] = values.empty() ? 0.0 : sum / static_cast<double>(values.size());
    line.p90[column] = Percentile(values, 0.9);
  }
  return line;
}

const char* ValueFormat(VolumeUnit unit) {
  return unit == VolumeUnit::kCubicMetres ? "%.0f" : "%.2f";
}

std::string CsvRow(const std::string& number, const std::string& name, const char* figure,
                   const std::array<double, 13>& values, VolumeUnit unit) {
  std::string row = number + "," + name + "," + figure;
  for (double value : values) row += "," + Printf(ValueFormat(unit), value);
  return row + "\n";
}

std::string CsvRows(const std::string& number, const DeliveryLine& line, VolumeUnit unit) {
  return CsvRow(number, line.name, "Mean", line.mean, unit) +
         CsvRow(number, line.name, "P90", line.p90, unit);
}

}  // namespace

MonthlyDelivery MakeMonthlyDelivery(const StudyAreaResults& results, VolumeUnit unit) {
  MonthlyDelivery delivery;
  delivery.events_file_name = results.events_file_name;
  if (results.events_file_name.empty()) return delivery;
  YearMonths study_area(results.years.size());
  double area_ha = 0.0;
  for (const CropResults& crop : results.crops) {
    const YearMonths crop_years = CropCubicMetres(crop);
    delivery.crops.push_back(LineOf(crop.number, crop.name, crop_years, crop.area_ha, unit));
    for (size_t y = 0; y < study_area.size() && y < crop_years.size(); ++y) {
      for (size_t column = 0; column <= kYearColumn; ++column) {
        study_area[y][column] += crop_years[y][column];
      }
    }
    area_ha += crop.area_ha;
  }
  delivery.study_area = LineOf(0, "Study area " + results.sa5, study_area, area_ha, unit);
  return delivery;
}

std::string MonthlyDeliveryCsv(const MonthlyDelivery& delivery, VolumeUnit unit) {
  if (delivery.events_file_name.empty()) return {};
  const std::string u = VolumeUnitText(unit);
  std::string text =
      " Monthly irrigation delivered by the model (every irrigation and "
      "pre-irrigation of " +
      delivery.events_file_name + ": depth x area),for a delivery schedule,Volumes in " + u + "\n";
  text += "Crop#,Crop,Figure";
  for (const char* column : kColumnNames) text += std::string(",") + column;
  text += "\n#,,";
  for (size_t c = 0; c < kColumnNames.size(); ++c) text += "," + u;
  text += "\n";
  for (const DeliveryLine& line : delivery.crops) {
    text += CsvRows(std::to_string(line.number), line, unit);
  }
  return text + CsvRows("Total", delivery.study_area, unit);
}

std::string MonthlyDeliveryText(const MonthlyDelivery& delivery, VolumeUnit unit) {
  const char* u = VolumeUnitText(unit);
  if (delivery.events_file_name.empty()) {
    return Printf(
        "\n  Monthly irrigation delivered, %s: no irrigation events were found; run the "
        "study area again to have them\n",
        u);
  }
  std::string text = Printf(
      "\n  Monthly irrigation delivered by the model, %s, for a delivery schedule: depth x area\n"
      "  of every irrigation and pre-irrigation of %s; the study area's mean\n"
      "  and 90th percentile over the years, and each crop's mean (#: its number above)\n",
      u, delivery.events_file_name.c_str());
  std::vector<TextColumn> columns{{"Month", 5, CellAlign::kLeft}, {"Mean", 12}, {"P90", 12}};
  for (const DeliveryLine& line : delivery.crops) {
    columns.push_back({"#" + std::to_string(line.number), 10});
  }
  TextTable table(std::move(columns), "  ");
  const DeliveryLine& sa = delivery.study_area;
  for (size_t column = 0; column < kColumnNames.size(); ++column) {
    std::vector<std::string> row{kColumnNames[column], Printf(ValueFormat(unit), sa.mean[column]),
                                 Printf(ValueFormat(unit), sa.p90[column])};
    for (const DeliveryLine& line : delivery.crops) {
      row.push_back(Printf(ValueFormat(unit), line.mean[column]));
    }
    table.AddRow(std::move(row));
  }
  text += table.Text();
  return text;
}

}  // namespace kelvaro
