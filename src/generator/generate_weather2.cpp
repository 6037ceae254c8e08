#include "generator/generate_weather2.h"

#include "generator/simulation_engine.h"

namespace kelvaro {
namespace {

constexpr float kConstantTd = 5.8f;  // oC; the dew point process runs on a flat series

constexpr SimulationRecipe kGenerateWeather2 = [] {
  SimulationRecipe r;
  r.columns = MonthlyColumns::kWithEto;
  r.required = Quantities({kEto, kPcp, kNrd});
  r.purpose = "generate rain and ETo";
  r.filled_from = {kSolar, kEto, kEto, kWind, kTd, kPcp, kNrd, kEto};
  r.constant_td = kConstantTd;
  r.units = {kLangleysPerMegajouleOut, /*tmin_in_fahrenheit=*/false};
  r.daily_eto = DailyEto::kSecondProcess;
  // The two temperature slots carry ETo here, so they keep their ratios.
  r.rescaling = {.ratio = Quantities({kSolar, kTMax, kTMin, kPcp, kEto}),
                 .ratio_if_positive = Quantities({kWind, kTd})};
  r.daily_columns = Quantities({kEto});
  r.reported_means = kWeatherQuantities | Quantities({kEto});
  r.reported_deviations = Quantities({kPcp, kNrd});
  r.tmp_columns =
      " Year,  Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n"
      "    #,    #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";
  constexpr const char* kColumns =
      "   Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan,    ETo\n"
      "     #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm,     mm \n";
  r.wxr = {nullptr, kColumns};
  r.std_dev = {nullptr, kColumns};
  r.cve = {
      nullptr,
      "  Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan,    ETo\n"
      "    #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm,     mm \n"};
  r.simulated_means_with_eto = true;
  r.second_pass = SecondPass::kWorkingFile;
  return r;
}();

}  // namespace

void GenerateWeather2(const RunParameters& run, Session& session) {
  RunSimulation(kGenerateWeather2, run, session);
}

}  // namespace kelvaro
