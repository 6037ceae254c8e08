#include "dispatch/main_window_commands.h"

namespace kelvaro {
namespace {

constexpr CommandButton kCreateDataFiles[] = {
    {"Weather Data Files", "InputDataFileEntry"},
    {"Crop/Soil Data Files", "CropSoilEntry"},
};

constexpr CommandButton kApplyDataFiles[] = {
    {"Weather Data", "InputWeather"},
    {"Pan Evaporation Data", "InputEvaporationPan"},
    {"ETo Data", "InputETo"},
    {"Tempreature Data", "InputTempreature"},
};

constexpr CommandButton kOutputFiles[] = {
    {"WRK by Filename", "WrkByFilename"},
    {"MSW by Filename", "StaMean"},
    {"MSE by SA", "StaCropNorm"},
    {"CSV by SA", "CsvBySA"},
    {"MTV by SA", "MTVDAU"},
    {"EAW by SA", "EawBySA"},
    {"ETc by SA", "EtcBySA"},
    {"ETAW by SA", "EtawBySA"},
    {"Crop/Soil by SA", "CropSoilBySA"},
    {"Outputs by Extensions", "ViewOutputFiles"},
};

constexpr CommandButton kStatistics[] = {
    {"Daily Mean", "StaMean"},      {"Daily St Dev", "StaSTDev"},      {"Daily CV", "StaCV"},
    {"Monthly Mean", "StaMonMean"}, {"Monthly St Dev", "StaMonSTDev"}, {"Monthly CV", "StaMonCV"},
};

constexpr CommandButton kUserGuide[] = {{"User's Guide", "UserGuide2"}};

constexpr CommandButton kHelp[] = {
    {"Apply Data Files", "HelpInputData"}, {"Output Files", "HelpOutputData"},
    {"Input Help", "HelpInput"},           {"Output Help", "HelpOutput"},
    {"SA (Study Area)", "HelpSA"},         {"Data Filename", "HelpDataFileName"},
    {"Menu Bar", "HelpPullDownMenu"},      {"Toolbars", "HelpToolbars"},
    {"Statistics", "HelpStatistics"},
};

constexpr CommandButton kAbout[] = {{"Kelvaro", "AboutKelvaro"}};
constexpr CommandButton kDisclaimer[] = {{"Disclaimer", "Disclaimer"}};
// The menu has a single item; its caption is ours.
constexpr CommandButton kHelpAbout[] = {{"Help About", "HelpAbout"}};

constexpr MainMenu kMenus[] = {
    {"Create Data Files", kCreateDataFiles},
    {"Apply Data Files", kApplyDataFiles},
    {"Output Files", kOutputFiles},
    {"Statistics", kStatistics},
    {"User's Guide", kUserGuide},
    {"Help", kHelp},
    {"About KELVARO", kAbout},
    {"Disclaimer", kDisclaimer},
    {"Help About", kHelpAbout},
};

constexpr CommandButton kToolbar[] = {
    {"Apply Weather ", "InputWeather"},
    {"Apply Pan Data", "InputEvaporationPan"},
    {"Apply ETo Data", "InputETo"},
    {"Apply Temp. Data", "InputTempreature"},
    {"Create Input Files", "InputDataFileEntry"},
    {"Create Soil/Crop", "InputCropSoil"},
    {" Weather Output", "WrkByFilename"},
    {"ETAW by SA", "EAWDAU"},
    {"Crop/Soil by SA", "CropSoilBySA"},
    {"Statistics", "StatisticsPath"},
    {"MSE", "StaCropNorm"},
    {"View Output Files", "ViewOutputFiles"},
    {"Input Help", "HelpInput"},
    {"Output Help", "HelpOutput"},
};

}  // namespace

std::span<const MainMenu> MainMenus() { return kMenus; }
std::span<const CommandButton> ToolbarButtons() { return kToolbar; }

const MainWindowCommand* FindMainWindowCommand(std::string_view name) {
  for (const MainWindowCommand& command : kMainWindowCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

}  // namespace kelvaro
