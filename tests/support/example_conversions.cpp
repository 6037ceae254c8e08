#include "support/example_conversions.h"

#include "weatherio/daily_weather_file.h"
#include "weatherio/monthly_means_file.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro::testing {
namespace {

std::vector<WeatherDay> DaysOf(const std::string& text, bool with_eto) {
  return ParseWeatherDays(TextFile{"input", SplitLines(text)}, with_eto);
}

std::string RainAndValueFile(const std::string& eto_file_text, const char* value_name,
                             float value_per_eto) {
  std::string text = " STATN,33.07, 361\n Year,  Mon, Day, DOY,     Pcp,";
  text += Printf("%8s\n    #,    #,   #,   #,      mm,      mm\n", value_name);
  for (const WeatherDay& day : DaysOf(eto_file_text, true)) {
    const float value = day.eto == -999.0f ? day.eto : day.eto / value_per_eto;
    text += Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f\n", ParseInt(day.year_text), day.month, day.day,
                   day.doy, day.pcp, value);
  }
  return text;
}

constexpr const char* kTableHeader =
    " STATN,33.07, 361\n"
    "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan,    ETo\n"
    "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm,     mm \n";

// Each monthly row of a mon file turned into a row of ten columns.
template <typename Row>
std::string TableOf(const std::string& mon_file_text, Row row) {
  const auto months =
      ReadMonthlyMeans(TextFile{"input", SplitLines(mon_file_text)}, MonthlyColumns::kWithoutEto);
  std::string text = kTableHeader;
  for (size_t m = 0; m < 12; ++m) text += row(months[m], m);
  return text;
}

std::string TableRow(const MonthlyMeans& m, float solar, float wind, float td, float eto) {
  return Printf(" %4d,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f,%8.2f\n", m.month, solar,
                m.tmax, m.tmin, wind, td, m.pcp, m.nrd, -999.0f, eto);
}

}  // namespace

std::string MonthlyTableWithEtoOf(const std::string& mon_file_text) {
  return TableOf(mon_file_text, [](const MonthlyMeans& m, size_t) {
    return TableRow(m, m.solar, m.wind, m.td, -999.0f);
  });
}

std::string EtoTableOf(const std::string& mon_file_text, const std::array<float, 12>& eto) {
  return TableOf(mon_file_text, [&](const MonthlyMeans& m, size_t month) {
    return TableRow(m, m.solar, m.wind, m.td, eto[month]);
  });
}

std::string TemperatureTableOf(const std::string& mon_file_text) {
  return TableOf(mon_file_text, [](const MonthlyMeans& m, size_t) {
    return TableRow(m, -999.0f, -999.0f, -999.0f, -999.0f);
  });
}

std::string DailyTemperatureFileOf(const std::string& day_file_text) {
  std::string text =
      " STATN,33.07, 361\n Year,  Mon, Day, DOY,    TMax,    TMin,     Pcp\n"
      "    #,    #,   #,   #,      oC,      oC,      mm\n";
  for (const WeatherDay& day : DaysOf(day_file_text, false)) {
    text += Printf(" %4d,%4d,%4d,%4d,%8.2f,%8.2f,%8.2f\n", day.year, day.month, day.day, day.doy,
                   day.tmax, day.tmin, day.pcp);
  }
  return text;
}

std::string StationNetworkExportOf(const std::string& day_file_text) {
  std::string text;
  for (const WeatherDay& day : DaysOf(day_file_text, false)) {
    const std::string year = std::string(Trim(day.year_text));
    text += Printf("6,%s%02d%02d,%d,*,%.4f,*,%.2f,*,%.2f,*,%.2f,*,%.2f,*,%.2f\n",
                   year.substr(2).c_str(), day.month, day.day, day.doy, day.solar / 0.0864,
                   day.tmax, day.tmin, day.wind, day.pcp, day.td);
  }
  return text;
}

std::string DailyEtoFileOf(const std::string& eto_file_text) {
  return RainAndValueFile(eto_file_text, "ETo", 1.0f);
}

std::string DailyPanFileOf(const std::string& eto_file_text) {
  return RainAndValueFile(eto_file_text, "EPan", 0.8f);
}

}  // namespace kelvaro::testing
