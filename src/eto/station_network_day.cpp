#include "eto/station_network_day.h"

#include <array>
#include <cctype>
#include <string>

#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

constexpr int kFields = 15;
constexpr std::string_view kMeasured = "*";

// The readings in file order: Solar, TMax, TMin, Wind, Pcp, Td; marker i is field 4 + 2 i.
enum Reading { kSolar, kTMax, kTMin, kWind, kPcp, kTd, kReadings };

// Mean W/m^2 to MJ/m^2 per day.
float DailyRadiation(float watts_per_m2) {
  return static_cast<float>(watts_per_m2 * 3600.0 * 24 * 1e-6);
}

int YearOfDate(const std::string& date) {
  if (date.size() < 2 || !std::isdigit(static_cast<unsigned char>(date[0])) ||
      !std::isdigit(static_cast<unsigned char>(date[1]))) {
    throw InputError("the date '" + date + "' does not start with a two-digit year");
  }
  return FourDigitYear((date[0] - '0') * 10 + (date[1] - '0'));
}

bool IsMeasured(const std::string& marker, Reading reading) {
  // The dew point's marker is compared by its first character only.
  return reading == kTd ? marker.starts_with(kMeasured) : marker == kMeasured;
}

}  // namespace

int FourDigitYear(int two_digit_year) {
  return two_digit_year <= 60 ? 2000 + two_digit_year : 1900 + two_digit_year;
}

WeatherDay ParseStationNetworkDay(std::string_view line) {
  const auto fields = SplitDataFields(line, kFields);
  ParseInt(fields[0]);  // the station number is read but not kept
  WeatherDay day;
  day.year = YearOfDate(fields[1]);
  day.year_text = std::to_string(day.year);
  day.doy = ParseInt(fields[2]);
  if (day.doy < 1 || day.doy > 366) {
    throw InputError("day of year " + std::to_string(day.doy) + " is outside 1..366");
  }
  std::array<float, kReadings> values{};
  bool whole_day = true;
  for (int r = 0; r < kReadings; ++r) {
    const size_t marker = static_cast<size_t>(3 + 2 * r);
    const bool measured = IsMeasured(fields[marker], static_cast<Reading>(r));
    values[static_cast<size_t>(r)] = measured ? ParseFloat(fields[marker + 1]) : kMissing;
    whole_day = whole_day && measured;
  }
  // A measured radiation of -999 is the export's own missing value.
  whole_day = whole_day && !IsMissing(values[kSolar]);
  day.solar = whole_day ? DailyRadiation(values[kSolar]) : kMissing;
  day.tmin = values[kTMin];
  day.tmax = values[kTMax];
  day.wind = values[kWind];
  day.pcp = values[kPcp];
  day.td = values[kTd];
  if (!whole_day) {
    for (float* value : {&day.tmax, &day.tmin, &day.wind, &day.td, &day.pcp}) *value = kMissing;
  }
  return day;
}

}  // namespace kelvaro
