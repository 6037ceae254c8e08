// Help on the result files and on the dialogs that find them.
#include <array>

#include "help/help_windows.h"

namespace kelvaro {
namespace {

constexpr std::array<HelpPage, 6> kOutputFiles{{
    {"wrk", R"(## wrk: the working daily file

Every run writes it for the input file name (first five characters) before the water balance:
one line per day with **Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp, ETo**. Columns
the input did not have are -999 (for example Solar to Td when the input was pan or ETo data).
ETo is in mm per day. The weather statistics and the water balance read this file.)"},
    {"msw", R"(## msw: mean daily weather

The daily mean weather of a working file: for every day of the year (1-366) the mean over all
years of Solar, TMax, TMin, Wind, Td and Pcp, and the ETo computed from that day's mean weather.
It is written as `.avg` beside the `.wrk` file it comes from, and opened in the spreadsheet.)"},
    {"mse", R"(## mse: the normal year of one crop

The daily water balance of one crop averaged by day of the year over all years of the run: mean
OKc, IKc, CCKc, ETo, ETc and rain, with the soil water balance run once more on that average
year (SWD, SWDx, FC, PWP, SWC, YTD). Written as `.nor` beside the crop's daily file.)"},
    {"csv", R"(## csv: daily water balance of one crop

`SA` + SA number (five digits) + `C` + crop row (three digits) + `.csv`, one file per crop of the
study area. After the crop name and code, one line per day of every year:

| Column | Meaning |
|---|---|
| Year, DOY | the day |
| OKc | bare-soil evaporation coefficient |
| IKc | crop coefficient of the crop curve |
| CCKc | increment of the cover crop |
| ETo | reference ET, mm |
| Kc | coefficient applied that day |
| ETc | crop ET = ETo × Kc, mm |
| Pcp | rain, mm |
| SWD | soil water depletion at the end of the day, mm |
| SWDx | depletion at which the crop is irrigated that day, mm |
| FC, PWP | upper and lower limits of the water held in the root zone, mm |
| SWC | soil water content, FC − SWD, mm |
| YTD | soil water content at which the crop is irrigated, FC − SWDx, mm |)"},
    {"mtv", R"(## mtv: monthly means of one crop

Twelve lines, one per month: **Mon, ETo, ETc, Pcp, Er, ETAW** in mm, each the month's total
averaged over the years of the run. Er is the effective rain; ETAW = ETc − Er, or 0 where the
effective rain covers the crop's use.)"},
    {"eaw", R"(## eaw: annual sums of one crop

One line per year: **CETc, CEr, ETAW** within the season, **ACETc, ACEr, AETAW** over the whole
year and **OCETc, OCEr, OCETAW** outside the season, all in mm. The last line, year 9999, holds
the averages over all years. ETAW is the evapotranspiration of applied water: what irrigation
must supply.)"},
}};

constexpr std::array<HelpPage, 1> kWeatherOutput{{
    {"", R"(## Viewing a working weather file

*Output Files → WRK by Filename* (toolbar *Weather Output*) opens the working daily file
`.wrk` of an input file name in the spreadsheet. Type the same name as in the run dialog; only
its first five characters count, as for every file a run writes.)"},
}};

constexpr std::array<HelpPage, 1> kETAWbySA{{
    {"", R"(## Viewing ETAW by study area

*Output Files → CSV by SA*, *MTV by SA* and *EAW by SA* open the daily, monthly or annual
result file of one crop of a study area. Type the SA number; the list *Crop Item* then shows the
crops of its crop file in their order, and the crop you choose names the file (crop row 2 of
study area 12: `SA00012C002`). *ETAW by SA* and *ETc by SA* open the summary of all crops of the
study area: monthly ETAW (`.saw`) or ETc (`.set`) in mm, one line per crop.)"},
}};

constexpr std::array<HelpPage, 1> kSoilbySA{{
    {"", R"(## Viewing the crop and soil input of a study area

*Output Files → Crop/Soil by SA* (toolbar *Crop/Soil by SA*) opens the crop file of a study area
(`SA` + the five-digit number + `.csv`) in the spreadsheet, to check or edit the crop rows
written by the crop/soil entry window.)"},
}};

constexpr std::array<HelpPage, 1> kMSE{{
    {"", R"(## Water balance statistics of one crop

*Output Files → MSE by SA* (toolbar *MSE*) computes the normal year of one crop: its daily
balance averaged by day of the year over all years of the last run, with the soil water balance
run on the average year. Type the SA number, choose the crop item, press OK; the `.nor` file
opens in the spreadsheet.)"},
}};

}  // namespace

std::span<const HelpPage> OutputFilesPages() { return kOutputFiles; }

std::span<const HelpPage> OutputTopicPage(HelpWindow id) {
  switch (id) {
    case HelpWindow::THelpWeatherOutput:
      return kWeatherOutput;
    case HelpWindow::THelpETAWbySA:
      return kETAWbySA;
    case HelpWindow::THelpSoilbySA:
      return kSoilbySA;
    default:
      return kMSE;
  }
}

}  // namespace kelvaro
