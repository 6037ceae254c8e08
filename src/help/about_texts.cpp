// The about pages and the disclaimer.
#include <array>

#include "help/help_windows.h"

namespace kelvaro {
namespace {

constexpr std::array<HelpPage, 1> kHelpAbout{{
    {"", "## KELVARO\n\nVersion " KELVARO_VERSION R"(

Reference evapotranspiration, crop water use and the evapotranspiration of applied water (ETAW)
for irrigation study areas.)"},
}};

constexpr std::array<HelpPage, 1> kAboutKelvaro{{
    {"", "## About KELVARO\n\nVersion " KELVARO_VERSION R"(

KELVARO estimates how much water irrigation must supply to the crops of a study area. From
daily weather, pan evaporation, ETo or temperature records, or from monthly means through a
seeded weather generator, it computes the daily reference evapotranspiration of grass (ETo),
turns it into crop evapotranspiration with crop coefficient curves, runs a daily soil water
balance with model-scheduled irrigation for every crop, and reports ETAW: crop water use less
effective rain, and the volume of water the study area needs.

All inputs and results are comma-separated text files in the data folder; they open in any
spreadsheet.)"},
}};

constexpr std::array<HelpPage, 1> kDisclaimer{{
    {"", R"(## Disclaimer

KELVARO and its results are estimates for planning. They depend on the weather, crop and soil
data you supply and on the assumptions of the methods used: reference ET of a well-watered
grass, crop coefficient curves of typical crops, and irrigation scheduled by the model rather
than by the grower. Simulated years share the climate of their monthly means but are not
forecasts of any year.

The program is provided as is, without warranty of any kind. Check the results against local
measurements and experience before relying on them for design, water rights or allocation
decisions; the authors accept no liability for any use of the program or its results.)"},
}};

}  // namespace

std::span<const HelpPage> AboutPage(HelpWindow id) {
  switch (id) {
    case HelpWindow::THelpAbout1:
      return kHelpAbout;
    case HelpWindow::TAboutKelvaro:
      return kAboutKelvaro;
    default:
      return kDisclaimer;
  }
}

}  // namespace kelvaro
