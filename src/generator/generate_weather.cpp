#include "generator/generate_weather.h"

#include "generator/simulation_engine.h"

namespace kelvaro {
namespace {

// Weather from weather: every process fitted to its own column, everything reported.
constexpr SimulationRecipe kGenerateWeather = [] {
  SimulationRecipe r;
  r.columns = MonthlyColumns::kWithoutEto;
  r.required = Quantities({kSolar, kTMax, kTMin, kPcp, kNrd});
  r.purpose = "generate weather";
  r.rescaling = {.ratio = Quantities({kSolar, kPcp}),
                 .ratio_if_positive = Quantities({kWind}),
                 .shifted = Quantities({kTMax, kTMin, kTd})};
  r.daily_columns = Quantities({kSolar, kTMax, kTMin, kWind, kTd});
  r.reported_means = kWeatherQuantities;
  r.reported_deviations = kWeatherQuantities;
  r.tmp_columns =
      " Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp\n"
      "    #,   # ,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm\n";
  r.second_columns =
      " Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp\n"
      "    #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm\n";
  r.wxr = {kMeansTitle, kStatisticsColumns};
  r.std_dev = {kStdDevTitle, kStatisticsColumns};
  r.cve = {kCvTitle, kStatisticsColumns};
  r.second_pass = SecondPass::kWeatherWithWindCurve;
  return r;
}();

}  // namespace

void GenerateWeather(const RunParameters& run, Session& session) {
  RunSimulation(kGenerateWeather, run, session);
}

}  // namespace kelvaro
