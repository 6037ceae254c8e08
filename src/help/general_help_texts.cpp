// Help on study areas, file names, statistics, the menus and the toolbar.
#include <array>

#include "help/help_windows.h"

namespace kelvaro {
namespace {

constexpr std::array<HelpPage, 1> kStatistics{{
    {"", R"(## Weather statistics

The *Statistics* menu describes a working daily file (`.wrk`) by day of the year and by month:

| Item | File | What it holds |
|---|---|---|
| Daily Mean | `.avg` | mean of each weather column for every day of the year; ETo recomputed from the day's mean weather |
| Daily St Dev | `.sdv` | standard deviation for every day of the year |
| Daily CV | `.cov` | coefficient of variation (standard deviation / mean, in percent) for every day |
| Monthly Mean | `.wxr` | mean of each column for every month |
| Monthly St Dev | `.std` | standard deviation for every month |
| Monthly CV | `.cve` | coefficient of variation (in percent) for every month |

The columns are Solar, TMax, TMin, Wind, Td, Pcp and ETo, by DOY (1-366) or by Mon. Type the
five-character file name of the working file (without `.wrk`). One run writes all six files;
the one you chose opens in the spreadsheet. Missing values (-999) are left out of the sums: a
missing Solar, Wind or Td leaves out all three of that day, a missing TMax or TMin both, a
missing Pcp or ETo both. The toolbar button *Statistics* first asks which of the six to show.

A simulated run writes `.wxr`, `.std` and `.cve` of its generated years under the same names
(there the coefficient of variation is a ratio, not in percent); the file written last is the
one in the folder.)"},
}};

constexpr std::array<HelpPage, 1> kStudyArea{{
    {"", R"(## Study area (SA)

A study area is a region with one ETo climate, for example a district or a valley floor, that
you describe by the crops grown in it. It is known by its number, 1 to 99999.

- Its crops are the rows of its crop file: `SA` + the number padded with zeros to five digits +
  `.csv` (study area 7: `SA00007.csv`).
- Every run names one weather (or ETo, pan or temperature) file and one study area; the water
  balance runs for every crop of that study area on the days of the weather file.
- Results are named after it too: `SA00007C001.csv` is the daily balance of its first crop
  (`.mtv` its monthly means, `.EAW` its annual sums), `SumofETAWforSA00007.saw` and
  `SumofETcforSA00007.set` the ETAW and ETc of all its crops by month,
  `IrrigationsforSA00007.irs` and `IrrigationEventsforSA00007.ire` the irrigations the water
  balance scheduled, and `WaterBudgetforSA00007.csv` (*Output Files → Study-Area Report...*)
  the volumes of water its crops need.
- Each run replaces the results of the study area. Removing a crop moves the crops after it up
  one row, and their result files take the new numbers at the next run.)"},
}};

constexpr std::array<HelpPage, 1> kDataFileName{{
    {"", R"(## Data file names

Every weather, ETo, pan or temperature file is named by **five characters**, a point and a
**three-character extension** that tells its kind: `Davis.day`, `MARIC.mon`, `Fresn.det`.

- In the run dialog type the name without its extension; the path dialog has already fixed the
  extension (the dialog shows it as *Your input file extension is: ...*).
- A longer name is cut to its first five characters for every file a run reads and writes:
  `Davisville` reads `Davis.day` and writes `Davis.eto` and `Davis.wrk`. Keep file names to
  five characters.
- Letter case does not matter: `maric.day` and `MARIC.DAY` are the same file.
- All files are in the data folder shown in the status bar of the main window.
- *Create Data Files → Weather Data Files* (toolbar *Create Input Files*) puts the empty layout
  of a kind on a new spreadsheet sheet: choose the kind, type the input file name, latitude and
  elevation, press OK. Its first line holds the name to save the sheet under (`Davis.mon`),
  the latitude and the elevation; save it as comma-separated text under that name.
- A name with a path separator, `..` or a control character is refused.)"},
}};

constexpr std::array<HelpPage, 1> kPullDownMenu{{
    {"", R"(## The menus of the main window

**Create Data Files**
- *Weather Data Files*: the empty layout of an input kind on a spreadsheet sheet, to fill in and
  save under its name.
- *Crop/Soil Data Files*: the crop/soil entry window, which adds crops to a study area.

**Apply Data Files**: start a run.
- *Weather Data*: daily weather, or monthly means to simulate from.
- *Pan Evaporation Data*: daily pan readings, or monthly means with pan evaporation.
- *ETo Data*: daily ETo, or monthly ETo to simulate from.
- *Tempreature Data*: daily temperatures, or monthly temperature means.
- *Data Folder...*: choose the folder that holds the input files and receives the results.

**Output Files**: find result files and open them in the spreadsheet, or with *Show as Table*
in the program's table window.
- *WRK by Filename*: the working daily weather file of an input file name.
- *MSW by Filename*: the daily mean weather of a working file.
- *MSE by SA*: the normal year of one crop of a study area.
- *CSV by SA*, *MTV by SA*, *EAW by SA*: the daily, monthly and annual balance of one crop.
- *ETc by SA*, *ETAW by SA*: the monthly ETc or ETAW of all crops of a study area.
- *Crop/Soil by SA*: the crop file of a study area.
- *Outputs by Extensions*: the output viewer: a `wrk`, `msw`, `mse`, `csv`, `mtv` or `eaw` file
  by its kind and name; it stays open for the next file.
- *Table of a File...*: any result or input file as a table that sorts by a column and copies
  the selected cells.
- *Study-Area Report...*: the water budget of a study area (`WaterBudgetforSA#####.csv`).
- *Charts...*: a crop's year, the study area's ETAW by month and by year, generated against
  input monthly means, daily weather statistics; saved as PNG or SVG.

**Statistics**: *Daily Mean*, *Daily St Dev*, *Daily CV*, *Monthly Mean*, *Monthly St Dev*,
*Monthly CV* of a working daily file.

**User's Guide**: *User's Guide* opens the guide to the program.

**Help**: *Apply Data Files* and *Output Files* ask for a topic; *Input Help*, *Output Help*,
*SA (Study Area)*, *Data Filename*, *Menu Bar*, *Toolbars* and *Statistics* open their page.

**About KELVARO**: *Kelvaro*, the about box. **Disclaimer**: *Disclaimer*, the terms of use of
the results. **Help About**: the program's name and version.)"},
}};

constexpr std::array<HelpPage, 1> kToolbars{{
    {"", R"(## The toolbar

| Button | What it does |
|---|---|
| Apply Weather | run from daily weather or from monthly weather means |
| Apply Pan Data | run from pan evaporation |
| Apply ETo Data | run from daily or monthly ETo |
| Apply Temp. Data | run from temperatures and rain |
| Create Input Files | the empty layout of an input kind, to fill in a spreadsheet |
| Create Soil/Crop | add crops to the crop file of a study area |
| Weather Output | open the working daily weather file of an input file name |
| ETAW by SA | open the annual ETAW of one crop of a study area (`.EAW`) |
| Crop/Soil by SA | open the crop file of a study area |
| Statistics | choose a weather statistic of a working file |
| MSE | the normal year of one crop of a study area |
| View Output Files | the output viewer: a result file by its kind and name |
| Input Help | what each input file holds |
| Output Help | what each output file holds |)"},
}};

}  // namespace

std::span<const HelpPage> GeneralTopicPage(HelpWindow id) {
  switch (id) {
    case HelpWindow::THelpStatistics:
      return kStatistics;
    case HelpWindow::THelpSA:
      return kStudyArea;
    case HelpWindow::THelpDataFileName:
      return kDataFileName;
    case HelpWindow::THelpPullDownMenu:
      return kPullDownMenu;
    default:
      return kToolbars;
  }
}

}  // namespace kelvaro
