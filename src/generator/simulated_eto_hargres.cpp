#include "generator/simulated_eto_hargres.h"

#include "generator/simulation_engine.h"

namespace kelvaro {
namespace {

constexpr SimulationRecipe kSimulatedEToHargres = [] {
  SimulationRecipe r;
  r.columns = MonthlyColumns::kWithEto;
  r.required = Quantities({kTMax, kTMin, kPcp, kNrd});
  r.purpose = "simulate temperatures and ETo";
  r.units = {kLangleysPerMegajouleOut, /*tmin_in_fahrenheit=*/true};
  r.daily_eto = DailyEto::kHargreaves;
  r.rescaling = {.ratio = Quantities({kPcp, kEto}), .shifted = Quantities({kTMax, kTMin})};
  r.daily_columns = Quantities({kTMax, kTMin, kEto});
  r.reported_means = Quantities({kTMax, kTMin, kPcp, kNrd, kEto});
  r.reported_deviations = Quantities({kTMax, kTMin, kPcp, kNrd});
  r.tmp_columns =
      " Year, Mon, Day, DOY,   Solar,    TMax,    TMin,    Wind,      Td,     Pcp,     ETo\n"
      "    #,   #,   #,   #,  MJ/m^2,      oC,      oC,     m/s,      oC,      mm,      mm\n";
  constexpr const char* kColumns =
      "  Mon,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan\n"
      "    #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm \n";
  r.wxr = {nullptr, kColumns};
  r.std_dev = {nullptr, kColumns};
  r.cve = {nullptr, kColumns};
  r.simulated_means_with_eto = true;
  r.rescaled_means_with_eto = true;
  r.second_pass = SecondPass::kWorkingFile;
  return r;
}();

}  // namespace

void SimulatedEToHargres(const RunParameters& run, Session& session) {
  RunSimulation(kSimulatedEToHargres, run, session);
}

}  // namespace kelvaro
