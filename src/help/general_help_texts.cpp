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
| Daily CV | `.cov` | coefficient of variation (standard deviation / mean) for every day |
| Monthly Mean | `.wxr` | mean of each column for every month |
| Monthly St Dev | `.std` | standard deviation for every month |
| Monthly CV | `.cve` | coefficient of variation for every month |

Type the five-character file name of the working file (without `.wrk`). One run writes all six
files; the one you chose opens in the spreadsheet. Missing values (-999) are left out of the
sums. The toolbar button *Statistics* first asks which of the six to show.)"},
}};

constexpr std::array<HelpPage, 1> kStudyArea{{
    {"", R"(## Study area (SA)

A study area is a region with one ETo climate, for example a district or a valley floor, that
you describe by the crops grown in it. It is known by its number, 1 to 99999.

- Its crops are the rows of its crop file: `SA` + the number padded with zeros to five digits +
  `.csv` (study area 7: `SA00007.csv`).
- Every run names one weather (or ETo, pan or temperature) file and one study area; the water
  balance runs for every crop of that study area on the days of the weather file.
- Results are named after it too: `SA00007C001.csv` is the daily balance of its first crop, and
  `SumofETAWforSA00007.saw` the ETAW of all its crops by month.)"},
}};

constexpr std::array<HelpPage, 1> kDataFileName{{
    {"", R"(## Data file names

Every weather, ETo, pan or temperature file is named by **five characters**, a point and a
**three-character extension** that tells its kind: `Davis.day`, `MARIC.mon`, `Fresn.det`.

- In the run dialog type the name without its extension; the path dialog has already fixed the
  extension (the dialog shows it as *Your input file extension is: ...*).
- A longer name is cut to its first five characters for every file a run reads and writes:
  `Davisville` reads `Davis.day` and writes `Davis.eto` and `Davis.wrk`. Such a name is accepted
  only when the file with the whole name exists as well.
- Letter case does not matter: `maric.day` and `MARIC.DAY` are the same file.
- All files are in the data folder shown in the status bar of the main window.
- The first line of an input file made by *Create Input Files* holds the name to save the sheet
  under.)"},
}};

constexpr std::array<HelpPage, 1> kPullDownMenu{{
    {"", R"(## The menus of the main window

**Create Data Files**
- *Weather Data Files*: an empty input file of any kind, to fill in a spreadsheet.
- *Crop/Soil Data Files*: the crop/soil entry window, which adds crops to a study area.

**Apply Data Files**: start a run.
- *Weather Data*: daily weather, or monthly means to simulate from.
- *Pan Evaporation Data*: daily pan readings, or monthly means with pan evaporation.
- *ETo Data*: daily ETo, or monthly ETo to simulate from.
- *Tempreature Data*: daily temperatures, or monthly temperature means.
- *Data Folder...*: choose the folder that holds the input files and receives the results.

**Output Files**: find result files and open them in the spreadsheet.
- *WRK by Filename*: the working daily weather file of an input file name.
- *MSW by Filename*: the daily mean weather of a working file.
- *MSE by SA*: the normal year of one crop of a study area.
- *CSV by SA*, *MTV by SA*, *EAW by SA*: the daily, monthly and annual balance of one crop.
- *ETc by SA*, *ETAW by SA*: the monthly ETc or ETAW of all crops of a study area.
- *Crop/Soil by SA*: the crop file of a study area.
- *Outputs by Extensions*: any result file by its kind and name.

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
| Create Input Files | an empty input file to fill in a spreadsheet |
| Create Soil/Crop | add crops to the crop file of a study area |
| Weather Output | open the working daily weather file of an input file name |
| ETAW by SA | open the annual ETAW of one crop of a study area |
| Crop/Soil by SA | open the crop file of a study area |
| Statistics | choose a weather statistic of a working file |
| MSE | the normal year of one crop of a study area |
| View Output Files | any result file by its kind and name |
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
