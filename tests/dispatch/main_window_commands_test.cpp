#include "dispatch/main_window_commands.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "help/help_windows.h"

namespace kelvaro {
namespace {

using Captions = std::vector<std::string_view>;

const MainWindowCommand& CommandOf(const CommandButton& button) {
  const MainWindowCommand* command = FindMainWindowCommand(button.command);
  EXPECT_NE(command, nullptr) << button.caption << " runs an unknown command " << button.command;
  static const MainWindowCommand kNone{};
  return command != nullptr ? *command : kNone;
}

const CommandButton& MenuItem(std::string_view menu, std::string_view item) {
  for (const MainMenu& each : MainMenus()) {
    if (each.caption != menu) continue;
    for (const CommandButton& button : each.items) {
      if (button.caption == item) return button;
    }
  }
  throw std::runtime_error("no menu item " + std::string(menu) + " > " + std::string(item));
}

const CommandButton& ToolbarButton(std::string_view caption) {
  for (const CommandButton& button : ToolbarButtons()) {
    if (button.caption == caption) return button;
  }
  throw std::runtime_error("no toolbar button " + std::string(caption));
}

TEST(MainWindowCommands, MenuBarAndToolbarKeepTheirCaptionsAndOrder) {
  Captions menus;
  for (const MainMenu& menu : MainMenus()) menus.push_back(menu.caption);
  EXPECT_EQ(menus, (Captions{"Create Data Files", "Apply Data Files", "Output Files", "Statistics",
                             "User's Guide", "Help", "About KELVARO", "Disclaimer", "Help About"}));
  Captions apply;
  for (const CommandButton& item : MainMenus()[1].items) apply.push_back(item.caption);
  EXPECT_EQ(apply,
            (Captions{"Weather Data", "Pan Evaporation Data", "ETo Data", "Tempreature Data"}));
  EXPECT_EQ(MainMenus()[2].items.size(), 10u);
  EXPECT_EQ(MainMenus()[5].items.size(), 9u);
  Captions toolbar;
  for (const CommandButton& button : ToolbarButtons()) toolbar.push_back(button.caption);
  EXPECT_EQ(toolbar, (Captions{"Apply Weather ", "Apply Pan Data", "Apply ETo Data",
                               "Apply Temp. Data", "Create Input Files", "Create Soil/Crop",
                               " Weather Output", "ETAW by SA", "Crop/Soil by SA", "Statistics",
                               "MSE", "View Output Files", "Input Help", "Output Help"}));
}

// Every command is found by its own name; the 21 named actions each belong to one of the five
// categories.
TEST(MainWindowCommands, EveryNamedActionIsFoundByItsNameInACategory) {
  const std::set<std::string_view> categories{"InputFiles", "OutputFiles", "Statistics", "Help",
                                              "UserGuide"};
  int named = 0;
  for (const MainWindowCommand& command : kMainWindowCommands) {
    EXPECT_EQ(FindMainWindowCommand(command.name), &command) << command.name;
    if (command.category.empty()) continue;
    ++named;
    EXPECT_TRUE(categories.contains(command.category)) << command.name;
  }
  EXPECT_EQ(named, 21);
  EXPECT_EQ(FindMainWindowCommand("StaCropNorm")->window, "TGetCropItemNum");
  EXPECT_EQ(FindMainWindowCommand("UserGuide2")->category, "UserGuide");
}

TEST(MainWindowCommands, ExtensionsCaptionsAndLabelsOfTheOutputAndStatisticsCommands) {
  const struct {
    const char* menu;  // nullptr: a toolbar button
    const char* caption;
    const char* window;
    const char* ext;
    const char* window_caption;
    const char* label;
  } kCases[] = {
      {"Output Files", "WRK by Filename", "TShowSAFiles", "wrk",
       "wrk File Extension - daily weather data by filename", "Input filename:"},
      {nullptr, " Weather Output", "TShowSAFiles", "wrk",
       "wrk File Extension - daily weather data by filename", "Input filename:"},
      {"Output Files", "MSW by Filename", "TGetSimulatedStationName", "avg",
       "Statistical Analysis - daily mean weather data by filename", ""},
      {"Output Files", "MSE by SA", "TGetCropItemNum", "nor", "", ""},
      {"Output Files", "CSV by SA", "TShowSAFiles", "csv",
       "csv File Extension - daily water balance by SA", "SA number (1-99999):"},
      {"Output Files", "MTV by SA", "TShowSAFiles", "mtv",
       "mtv File Extension - monthly mean ETAW by SA", "SA number (1-99999):"},
      {"Output Files", "EAW by SA", "TShowSAFiles", "eaw", "eaw File Extension - annual EATW by SA",
       "SA number (1-99999):"},
      {"Output Files", "ETc by SA", "TGetSumSA", "set", "Summary of ETc by SA", ""},
      {"Output Files", "ETAW by SA", "TGetSumSA", "saw", "Summary of EATW by SA", ""},
      {"Output Files", "Crop/Soil by SA", "TGetSACropInfo", "csv", "", ""},
      {nullptr, "Crop/Soil by SA", "TGetSACropInfo", "csv", "", ""},
      {nullptr, "ETAW by SA", "TGetOutSA", "eaw", "", ""},
      {"Statistics", "Daily St Dev", "TGetSimulatedStationName", "sdv",
       "Statistical Analysis - daily standard deviation weather data by filename", ""},
      {"Statistics", "Daily CV", "TGetSimulatedStationName", "cov",
       "Statistical Analysis - daily CV weather data by filename", ""},
      {"Statistics", "Monthly Mean", "TGetSimulatedStationName", "wxr",
       "Statistical Analysis - monthly mean weather data by filename", ""},
      {"Statistics", "Monthly St Dev", "TGetSimulatedStationName", "std",
       "Statistical Analysis - monthly standard deviation weather data by filename", ""},
      {"Statistics", "Monthly CV", "TGetSimulatedStationName", "cve",
       "Statistical Analysis - monthly CV weather data by filename", ""},
      {nullptr, "Statistics", "TStatisticsPath", "", "", ""},
      {nullptr, "MSE", "TGetCropItemNum", "nor", "", ""},
  };
  for (const auto& expected : kCases) {
    const CommandButton& button =
        expected.menu ? MenuItem(expected.menu, expected.caption) : ToolbarButton(expected.caption);
    const MainWindowCommand& command = CommandOf(button);
    SCOPED_TRACE(expected.caption);
    EXPECT_EQ(command.window, expected.window);
    EXPECT_EQ(command.ext, expected.ext);
    EXPECT_EQ(command.caption, expected.window_caption);
    EXPECT_EQ(command.label, expected.label);
  }
}

TEST(MainWindowCommands, HelpMenuReachesEveryHelpTopicAndEveryCommandIsReachable) {
  std::set<std::string_view> reached;
  for (const MainMenu& menu : MainMenus()) {
    for (const CommandButton& item : menu.items) reached.insert(CommandOf(item).name);
  }
  for (const CommandButton& button : ToolbarButtons()) reached.insert(CommandOf(button).name);
  // Named actions are the window's own (InputCreateFiles has no menu item); every other command
  // exists for a menu item or a button.
  for (const MainWindowCommand& command : kMainWindowCommands) {
    if (command.category.empty()) {
      EXPECT_TRUE(reached.count(command.name)) << command.name << " is reached from nowhere";
    }
  }
  EXPECT_EQ(CommandOf(MenuItem("Help", "Apply Data Files")).window, "THelpInputData");
  EXPECT_EQ(CommandOf(MenuItem("Help", "Output Files")).window, "THelpOutputData");
  EXPECT_EQ(CommandOf(MenuItem("Help", "Menu Bar")).window, "THelpPullDownMenu");
  EXPECT_EQ(CommandOf(MenuItem("About KELVARO", "Kelvaro")).window, "TAboutKelvaro");
  EXPECT_EQ(CommandOf(MenuItem("Disclaimer", "Disclaimer")).window, "TOLPDisclaimer");
}

// The help pages on the menus and the toolbar describe every item by its caption.
TEST(MainWindowCommands, HelpPagesNameEveryMenuItemAndToolbarButton) {
  const std::string_view menu_help = HelpWindowOf(HelpWindow::THelpPullDownMenu).pages[0].markdown;
  for (const MainMenu& menu : MainMenus()) {
    EXPECT_NE(menu_help.find(menu.caption), std::string_view::npos) << menu.caption;
    for (const CommandButton& item : menu.items) {
      EXPECT_NE(menu_help.find(item.caption), std::string_view::npos) << item.caption;
    }
  }
  const std::string_view toolbar_help = HelpWindowOf(HelpWindow::THelpToolbars).pages[0].markdown;
  for (const CommandButton& button : ToolbarButtons()) {
    std::string_view caption = button.caption;
    while (caption.starts_with(' ')) caption.remove_prefix(1);
    while (caption.ends_with(' ')) caption.remove_suffix(1);
    EXPECT_NE(toolbar_help.find("| " + std::string(caption) + " |"), std::string_view::npos)
        << caption;
  }
}

}  // namespace
}  // namespace kelvaro
