// Help on the result files and on the dialogs that find them.
#include <array>

#include "help/help_windows.h"

namespace kelvaro {
namespace {

constexpr std::array<HelpPage, 6> kOutputFiles{{
    {"wrk", R"(## wrk: the working daily file

Every run writes it for the input file name (first five characters) before the water balance:
one line per day with **Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp, ETo**. Columns
the input did not have are -999: Solar, Wind and Td after temperature data, and every weather
column but Pcp after pan or ETo data. ETo is in mm per day. Simulated runs number their years
from 1. The weather statistics and the water balance read this file.

Beside it a run writes the steps that led to it: `.eto` (the daily weather with its ETo), for
simulated runs `.gen` and `.cpy` (generated weather), `.tmp` (simulated days before they were
rescaled) and `.wxr`, `.std`, `.cve` (monthly statistics of the simulated years), and the
monthly tables it made from the input (`.mon`, `.etm`, `.epm`, `.mtm`, `.ymm`).)"},
    {"msw", R"(## msw: mean daily weather

The daily mean weather of a working file: for every day of the year (1-366) the mean over all
years of **Solar, TMax, TMin, Wind, Td, Pcp**, and the **ETo** computed from that day's mean
weather (mm). It is written as `.avg` beside the `.wrk` file it comes from, and opened in the
spreadsheet or, with *Show as Table*, in the program's table window.)"},
    {"mse", R"(## mse: the normal year of one crop

The daily water balance of one crop averaged by day of the year over all years of the run:
**DOY**, mean **OKc, IKc, CCKc, ETo**, Kc recomputed from the means, **ETc** and rain (**Pcp**),
with the soil water balance run once more on that average year (**SWD, SWDx, FC, PWP, SWC,
YTD**, mm). Day 366, which only leap years have, is averaged over all years and multiplied by
four.

*Output Files → MSE by SA* writes it as `SA` + five digits + `C` + crop row + `.nor`
(`SA00012C001.nor`); this viewer writes it as the daily file's name + `.nor`
(`SA00012c001.csv.nor`).)"},
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
| SWDx | in season the depletion at which the crop is irrigated that day; out of season the most the bare soil dries out, mm |
| FC, PWP | reference levels for drawing the balance: 4 and 2 times the allowable depletion of the full root zone, mm (no soil constants) |
| SWC | FC − SWD, mm |
| YTD | FC − SWDx, mm |

The first line holds the crop name and its code.)"},
    {"mtv", R"(## mtv: monthly means of one crop

Twelve lines, one per month: **Mon, ETo, ETc, Pcp, Er, ETAW** in mm, each the month's total
averaged over the years of the run. Er is the effective rain; ETAW = ETc − Er, or 0 where the
effective rain covers the crop's use, so the months can add up to more than the year's ETAW.)"},
    {"eaw", R"(## eaw: annual sums of one crop

One line per year: **CETc, CEr, ETAW** within the season, **ACETc, ACEr, AETAW** over the whole
year and **OCETc, OCEr, OCETAW** outside the season, all in mm. The last line, year 9999, holds
the averages over all years. ETAW is the evapotranspiration of applied water: what irrigation
must supply.)"},
}};

constexpr std::array<HelpPage, 1> kWeatherOutput{{
    {"", R"(## Viewing a working weather file

*Output Files → WRK by Filename* (toolbar *Weather Output*) opens the working daily file
`.wrk` of an input file name in the spreadsheet; **Show as Table** shows it in the program's
table window instead. Type the same name as in the run dialog; only its first five characters
count, as for every file a run writes.

*Output Files → MSW by Filename* writes and opens the daily mean weather of a working file
(`.avg`).)"},
}};

constexpr std::array<HelpPage, 1> kETAWbySA{{
    {"", R"(## Viewing ETAW by study area

*Output Files → CSV by SA*, *MTV by SA* and *EAW by SA* (toolbar *ETAW by SA*: the annual file)
open the daily, monthly or annual result file of one crop of a study area. Type the SA number;
the list *Crop Item* then shows the crops of its crop file in their order, and the crop you
choose names the file (crop row 2 of study area 12: `SA00012C002`). *Output Files → ETAW by SA*
and *ETc by SA* open the summary of all crops of the study area: monthly ETAW (`.saw`) or ETc
(`.set`) in mm, one line per crop, and their year's total. Every one of these windows has
**Show as Table**, which shows the file in the program's table window instead of the
spreadsheet.

A run also writes, per study area:

- `IrrigationsforSA00012.irs`: per crop and year the number of irrigations, their total and
  mean depth and the pre-irrigation (mm); a year 9999 per crop holds the means over the years.
- `IrrigationEventsforSA00012.ire`: every irrigation and pre-irrigation with its crop, year,
  day of the year and depth (mm).

*Output Files → Study-Area Report...* shows the water budget of a study area and writes it as
`WaterBudgetforSA00012.csv`: per crop its area (ha), mean ETAW and AETAW (mm), the volume ETAW ×
area in m3, acre-ft or mm (1 mm over 1 ha is 10 m3), the irrigations a year, and the spread of
the annual ETAW and volume over the years (minimum, 10th, 50th and 90th percentile, maximum);
a last row holds the study area's total. *Output Files → Charts...* draws a crop's year, the
study area's ETAW by month and by year, and the weather statistics, and saves them as PNG or
SVG.)"},
}};

constexpr std::array<HelpPage, 1> kSoilbySA{{
    {"", R"(## Viewing the crop and soil input of a study area

*Output Files → Crop/Soil by SA* (toolbar *Crop/Soil by SA*) opens the crop file of a study area
(`SA` + the five-digit number + `.csv`) in the spreadsheet, to check or edit the crop rows
written by the crop/soil entry window; **Show as Table** shows it in the program's table window.
This window finds the crop files of study areas 1 to 999; open a larger one with *Output Files →
Table of a File...*.)"},
}};

constexpr std::array<HelpPage, 1> kMSE{{
    {"", R"(## Water balance statistics of one crop

*Output Files → MSE by SA* (toolbar *MSE*) computes the normal year of one crop: its daily
balance averaged by day of the year over all years of the last run, with the soil water balance
run on the average year. Type the SA number, choose the crop item, press OK; the file
`SA00012C001.nor` (study area 12, crop row 1) is written and opens in the spreadsheet, or in the
program's table window with **Show as Table**. The run of that study area must have written
the crop's daily file first.)"},
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
