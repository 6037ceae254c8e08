#pragma once

#include <array>
#include <span>
#include <string_view>

#include "dispatch/run_dialog.h"
#include "viewers/statistics_dialogs.h"

namespace kelvaro {

// One command of the main window: the window it opens and what it sets on that window before
// showing it (hidden extension field, caption, label of the name field; empty = left as is).
struct MainWindowCommand {
  std::string_view name;      // the action's name, or ours for commands without an action
  std::string_view category;  // category of a named action; empty for the others
  std::string_view window;    // class name of the window opened ("UserGuide": the guide)
  std::string_view ext;
  std::string_view caption;
  std::string_view label;
};

inline constexpr std::string_view kUserGuideWindow = "UserGuide";

inline constexpr std::array<MainWindowCommand, 38> kMainWindowCommands{{
    // Named actions.
    {"InputWeather", "InputFiles", "TAnalysisPath", "", "", ""},
    {"InputEvaporationPan", "InputFiles", "TPanAnalysisPath", "", "", ""},
    {"InputETo", "InputFiles", "TEToAnalysisPath", "", "", ""},
    {"InputTempreature", "InputFiles", "TTempAnalysisPath", "", "", ""},
    {"InputCropSoil", "InputFiles", "TCropSoilEntry", "", "", ""},
    {"InputDataFileEntry", "InputFiles", "TDataFileEntry", "", "", ""},
    {"InputCreateFiles", "InputFiles", "TDataFileEntry", "", "", ""},
    {"EAWDAU", "OutputFiles", "TGetOutSA", "eaw", "", ""},
    {"MTVDAU", "OutputFiles", "TShowSAFiles", "mtv", "mtv File Extension - monthly mean ETAW by SA",
     kSaNumberLabel},
    {"ViewOutputFiles", "OutputFiles", "TOutputFiles", "", "", ""},
    {"StaMean", "Statistics", "TGetSimulatedStationName", kStatisticChoices[0].ext,
     kStatisticChoices[0].caption, ""},
    {"StaSTDev", "Statistics", "TGetSimulatedStationName", kStatisticChoices[1].ext,
     kStatisticChoices[1].caption, ""},
    {"StaCV", "Statistics", "TGetSimulatedStationName", kStatisticChoices[2].ext,
     kStatisticChoices[2].caption, ""},
    {"StaMonMean", "Statistics", "TGetSimulatedStationName", kStatisticChoices[3].ext,
     kStatisticChoices[3].caption, ""},
    {"StaMonSTDev", "Statistics", "TGetSimulatedStationName", kStatisticChoices[4].ext,
     kStatisticChoices[4].caption, ""},
    {"StaMonCV", "Statistics", "TGetSimulatedStationName", kStatisticChoices[5].ext,
     kStatisticChoices[5].caption, ""},
    {"StaCropNorm", "Statistics", "TGetCropItemNum", "nor", "", ""},
    {"HelpInput", "Help", "THelpInputFiles", "", "", ""},
    {"HelpOutput", "Help", "THelpOutputFiles", "", "", ""},
    {"HelpAbout", "Help", "THelpAbout1", "", "", ""},
    {"UserGuide2", "UserGuide", kUserGuideWindow, "", "", ""},
    // Menu items and toolbar buttons that open a window without an action of their own.
    {"CropSoilEntry", "", "TCropSoilEntry", "", "", ""},
    {"WrkByFilename", "", "TShowSAFiles", "wrk",
     "wrk File Extension - daily weather data by filename", kInputFilenameLabel},
    {"CsvBySA", "", "TShowSAFiles", "csv", "csv File Extension - daily water balance by SA",
     kSaNumberLabel},
    {"EawBySA", "", "TShowSAFiles", "eaw", "eaw File Extension - annual EATW by SA",
     kSaNumberLabel},
    {"EtcBySA", "", "TGetSumSA", "set", "Summary of ETc by SA", ""},
    {"EtawBySA", "", "TGetSumSA", "saw", "Summary of EATW by SA", ""},
    {"CropSoilBySA", "", "TGetSACropInfo", "csv", "", ""},
    {"StatisticsPath", "", "TStatisticsPath", "", "", ""},
    {"HelpInputData", "", "THelpInputData", "", "", ""},
    {"HelpOutputData", "", "THelpOutputData", "", "", ""},
    {"HelpSA", "", "THelpSA", "", "", ""},
    {"HelpDataFileName", "", "THelpDataFileName", "", "", ""},
    {"HelpPullDownMenu", "", "THelpPullDownMenu", "", "", ""},
    {"HelpToolbars", "", "THelpToolbars", "", "", ""},
    {"HelpStatistics", "", "THelpStatistics", "", "", ""},
    {"AboutKelvaro", "", "TAboutKelvaro", "", "", ""},
    {"Disclaimer", "", "TOLPDisclaimer", "", "", ""},
}};

// A menu item or toolbar button: its caption and the command it runs.
struct CommandButton {
  std::string_view caption;
  std::string_view command;
};

struct MainMenu {
  std::string_view caption;
  std::span<const CommandButton> items;
};

// The main window's menu bar, left to right, and its toolbar. Captions are the system's own,
// misspellings and blanks included.
std::span<const MainMenu> MainMenus();
std::span<const CommandButton> ToolbarButtons();

// The command of that name, or nullptr.
const MainWindowCommand* FindMainWindowCommand(std::string_view name);

}  // namespace kelvaro
