// Help on the input files and on applying each kind of data.
#include <array>

#include "help/help_windows.h"

namespace kelvaro {
namespace {

constexpr std::array<HelpPage, 11> kInputFiles{{
    {"dpn", R"(## dpn: daily pan evaporation

Daily readings of a class A evaporation pan, with the day's rain.

Columns: **Year, Mon, Day, DOY, Pcp, EPan** (rain and pan evaporation in mm per day).

Used by *Apply Data Files → Pan Evaporation Data → Non-Simulated*. ETo of each day is the pan
evaporation times a pan coefficient that depends on the fetch, the distance in metres (more
than 0) of green grass upwind of the pan, which the run dialog asks for. The days become the
working file `.wrk` with -999 for solar radiation, temperatures, wind and dew point.)"},
    {"day", R"(## day: daily weather

Measured daily weather of one station, one line per day.

Columns: **Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp**: solar radiation in
MJ/m^2 per day, maximum and minimum air temperature in °C, mean wind speed in m/s at 2 m,
mean dew-point temperature in °C and rain in mm. Write -999 where a value is missing.

Used by *Apply Data Files → Weather Data → Non-Simulated*. The program computes the
Penman-Monteith ETo of every day (`.eto`) and the working file `.wrk`, then the water balance
of every crop of the study area over the years of record.

Daily exports of a station network (`.qrd`, and `.cdm` to be reduced to monthly means) are
converted to this layout (`.day`) by the command line program, `kelvaro-cli run`.)"},
    {"mon", R"(## mon: monthly mean weather

Twelve lines, one per month, of long-term means: **Mo, Solar, TMax, TMin, Wind, Td, Pcp, NRD,
Pan**. Solar to Td are daily means over the month; Pcp is the mean monthly total rain (mm) and
NRD the mean number of rain days in the month. Pan is not used: leave -999.

Used by *Apply Data Files → Weather Data → Simulated-Weather → Monthly average data*. The
weather generator makes as many years of daily weather as the run dialog asks for (`.gen`),
the program computes their ETo and then the water balance. Use it where only climate means
are known, or to see the spread of ETAW over many possible years.)"},
    {"dmn", R"(## dmn: daily weather to be reduced to monthly means

The same columns as a `.day` file: **Year, Mon, Day, DOY, Solar, TMax, TMin, Wind, Td, Pcp**.

Used by *Apply Data Files → Weather Data → Simulated-Weather → Daily data*. The program first
reduces the record to its twelve monthly means (`.mon`; a rain day is a day with more rain than
twice its Hargreaves-Samani ETo), then generates the requested number of years from them as for
a `.mon` file. A month without one complete day is written as -999 and the run stops there. Use
it when a daily record is too short or has gaps, but its climate is what you want to simulate.)"},
    {"mpn", R"(## mpn: monthly mean pan evaporation

Twelve lines: **Mo, Solar, TMax, TMin, Wind, Td, Pcp, NRD, Pan, ETo**. Fill TMax, TMin (daily
means over the month, °C), Pcp (mean monthly rain, mm), NRD (mean rain days) and Pan (mean daily
pan evaporation, mm); leave -999 in Solar, Wind, Td and ETo.

Used by *Apply Data Files → Pan Evaporation Data → Simulated-ETo*. The monthly ETo is computed
from the pan and the fetch (`.epm`), then daily temperatures and rain are simulated for the
requested number of years, each day with its Hargreaves-Samani ETo rescaled so that the months
keep the pan's ETo, as for an `.etm` file.)"},
    {"etm", R"(## etm: monthly mean temperature and ETo

Twelve lines: **Mon, Solar, TMax, TMin, Wind, Td, Pcp, NRD, Pan, ETo**. Fill TMax, TMin, Pcp,
NRD and the monthly mean daily ETo (mm); leave -999 in the other columns.

Used by *Apply Data Files → ETo Data → Simulated-ETo*. Daily temperatures and rain are simulated
for the requested number of years (`.tmp`); each day's ETo is the Hargreaves-Samani ETo of its
temperatures, rescaled so that every month averages to the monthly ETo you give (`.wrk`). Every
month needs TMax, TMin, Pcp and NRD.

Full monthly weather means with -999 in the ETo column (`.met`) run from the command line
(`kelvaro-cli run --input met`): the program computes their Penman-Monteith ETo and writes it
as an `.etm` file, then simulates daily rain and ETo.)"},
    {"det", R"(## det: daily ETo

Daily reference ET computed elsewhere (for example by a station network), with the day's rain.

Columns: **Year, Mon, Day, DOY, Pcp, ETo** (mm per day). Write -999 for a missing value.

Used by *Apply Data Files → ETo Data → Non-Simulated*. The days become the working file
`.wrk` directly, and the water balance runs over the years of record.)"},
    {"mtm", R"(## mtm: monthly mean temperatures

Twelve lines with the same columns as an `.etm` file. Fill TMax, TMin, Pcp and NRD; leave -999
in Solar, Wind, Td, Pan and ETo.

Used by *Apply Data Files → Tempreature Data → Simulated-ETo → Monthly average data*. Daily
temperatures and rain are simulated for the requested number of years and each day's ETo is
estimated from the temperatures with the Hargreaves-Samani equation, rescaled to the monthly
Hargreaves-Samani ETo of the table's temperatures. Every month needs TMax, TMin, Pcp and NRD.)"},
    {"dtm", R"(## dtm: daily temperatures to be reduced to monthly means

Daily **Year, Mon, Day, DOY, TMax, TMin, Pcp** (°C, °C, mm).

Used by *Apply Data Files → Tempreature Data → Simulated-ETo → Daily data*. The days must be in
calendar order. The record is first reduced to monthly means (`.mtm`: mean TMax and TMin, rain
and rain days; a month without one complete day is -999), which are then simulated as for an
`.mtm` file.)"},
    {"rtm", R"(## rtm: daily temperatures

Daily **Year, Mon, Day, DOY, TMax, TMin, Pcp** (°C, °C, mm), used as they are.

Used by *Apply Data Files → Tempreature Data → Non-Simulated*. The days must follow one another
without a gap. Each day keeps its own temperatures and rain; its ETo comes from a smooth curve
through that year's monthly Hargreaves-Samani ETo. The working file holds only complete
calendar years (1 January to 31 December), and a table of monthly means per year is written
beside it (`.ymm`).)"},
    {"csv", R"(## csv: the crop file of a study area

One file per study area, named `SA` + the SA number padded to five digits + `.csv` (study area
12: `SA00012.csv`). Three header lines, then one row per crop: planting and ending day, hectares,
soil and rooting depth, allowable depletion, available water, wetting frequency, ground cover,
cover crops, water stress, pre-irrigation, and the crop's stage percentages and crop
coefficients from the crop catalogue.

Rows are added with *Create Data Files → Crop/Soil Data Files* (toolbar *Create Soil/Crop*), one
crop at a time. Every run needs the crop file of the study area named in the run dialog.)"},
}};

constexpr std::array<HelpPage, 1> kWeatherData{{
    {"", R"(## Applying weather data

*Apply Data Files → Weather Data* (toolbar *Apply Weather*) asks which path to take:

- **Non-Simulated**: measured daily weather (`.day`) is used as it is. ETo is computed for each
  day of record and the water balance runs over the years of record. Results describe what
  happened in those years.
- **Simulated-Weather**: the program generates daily weather for the number of years you ask
  for. It asks for the time interval of your data:
  - **Daily data** (`.dmn`): a daily record, first reduced to monthly means;
  - **Monthly average data** (`.mon`): twelve monthly means.

  Generated years have the climate of the means but are not the historical years; use 30 years
  or more to see the range of ETAW a study area can expect.

Then fill the run dialog: input file name (without extension), latitude, elevation, SA number
and, for simulations, the years to simulate (2 to 99). The *Hydrologic Regions* menu of the run
dialog fills the station, latitude, elevation and 30 years for the stations it lists. When the
run has written its files, the notice *ResultFiles* offers **View**, which opens the output
viewer (*Output Files → Outputs by Extensions*).)"},
}};

constexpr std::array<HelpPage, 1> kPanData{{
    {"", R"(## Applying pan evaporation data

*Apply Data Files → Pan Evaporation Data* (toolbar *Apply Pan Data*):

- **Non-Simulated**: daily pan readings (`.dpn`). Each day's ETo is the pan evaporation times a
  pan coefficient; the water balance runs over the years of record.
- **Simulated-ETo**: monthly means with pan evaporation (`.mpn`). Monthly ETo is computed from
  the pan, and daily temperatures, rain and ETo are simulated for the requested years.

Both ask for the **fetch** in metres (more than 0): the distance of green grass upwind of the
pan. A longer fetch means a moister air stream over the pan and a larger pan coefficient.
Monthly runs also ask for the years to simulate (2 to 99).)"},
}};

constexpr std::array<HelpPage, 1> kEToData{{
    {"", R"(## Applying ETo data

*Apply Data Files → ETo Data* (toolbar *Apply ETo Data*):

- **Non-Simulated**: raw daily ETo with rain (`.det`), for example from a station network. Write
  -999 for a missing day. The water balance runs on the days as given.
- **Simulated-ETo**: monthly mean ETo with temperatures and rain (`.etm`). Daily temperatures
  and rain are simulated for the requested years (2 to 99), with a daily ETo that keeps the
  monthly ETo.)"},
}};

constexpr std::array<HelpPage, 1> kTempData{{
    {"", R"(## Applying temperature data

Where a station records only temperature and rain, ETo is estimated from the daily range of
temperature with the Hargreaves-Samani equation. *Apply Data Files → Tempreature Data*
(toolbar *Apply Temp. Data*):

- **Non-Simulated**: daily temperatures (`.rtm`), used day by day over the years of record.
- **Simulated-ETo**, then the time interval:
  - **Daily data** (`.dtm`): a daily record reduced to monthly means, then simulated;
  - **Monthly average data** (`.mtm`): twelve monthly means, simulated directly.

Hargreaves-Samani ETo is less exact than Penman-Monteith from full weather; prefer weather data
where it exists.)"},
}};

constexpr std::array<HelpPage, 1> kCropSoilData{{
    {"", R"(## Crop and soil data

*Create Data Files → Crop/Soil Data Files* (toolbar *Create Soil/Crop*) opens the window
*Crop/Soil Data Entry*. Each **Save** appends one crop to the crop file of the study area, after
asking for the folder to write it in; the window stays open for the next crop.

- **SA number** (1-99999) and **Hectares planted** are required, and a crop must be chosen.
- Choosing a crop fills its crop number, default season dates and rooting depth. The entries
  that apply only to some crops appear with it: ground cover for orchards and vines, cover crops,
  and water stress for deciduous orchards.
- Every entry left empty takes the default shown beside it: soil M, soil depth 1524 mm,
  allowable depletion 50 %, wetting every 30 days, no pre-irrigation, ground cover 70 %,
  stress factor 1 (no stress).
- Dates are typed in your short date format; a date without a year falls in the current year.
- Soil type: light (L), medium (M) or heavy (H) sets the available water: 0.075, 0.125 and
  0.175 mm of water per mm of soil.

A save that is refused lists what is missing in the window *Crop/SoilWarning* and writes
nothing.)"},
}};

}  // namespace

std::span<const HelpPage> InputFilesPages() { return kInputFiles; }

std::span<const HelpPage> ApplyDataPage(HelpWindow id) {
  switch (id) {
    case HelpWindow::THelpWeatherData:
      return kWeatherData;
    case HelpWindow::THelpPanData:
      return kPanData;
    case HelpWindow::THelpEToData:
      return kEToData;
    case HelpWindow::THelpTempData:
      return kTempData;
    default:
      return kCropSoilData;
  }
}

}  // namespace kelvaro
