#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace kelvaro {

// The static help, about and disclaimer windows. Each shows fixed text and has no behaviour
// beyond being shown and closed.
enum class HelpWindow {
  THelpInputFiles,
  THelpOutputFiles,
  THelpWeatherData,
  THelpPanData,
  THelpEToData,
  THelpTempData,
  THelpCropSoilData,
  THelpWeatherOutput,
  THelpETAWbySA,
  THelpSoilbySA,
  THelpMSE,
  THelpStatistics,
  THelpSA,
  THelpDataFileName,
  THelpPullDownMenu,
  THelpToolbars,
  THelpAbout1,
  TAboutKelvaro,
  TOLPDisclaimer,
};

// One page of a help window, in Markdown. Windows of one page leave the title empty; windows of
// several pages show each page under a tab of that title.
struct HelpPage {
  std::string_view title;
  std::string_view markdown;
};

struct HelpWindowLayout {
  HelpWindow id;
  std::string_view name;  // the window's class name, as commands name it
  std::string_view caption;
  std::span<const HelpPage> pages;
  bool modal = false;  // the "Help About" page is shown modally
};

// Every help window, in the order of the table of captions.
std::span<const HelpWindowLayout> HelpWindows();
const HelpWindowLayout& HelpWindowOf(HelpWindow id);
// The window of that class name ("THelpSA"); nothing for any other name.
std::optional<HelpWindow> FindHelpWindow(std::string_view name);

// The pages of each window, written out in the texts' own files.
std::span<const HelpPage> InputFilesPages();
std::span<const HelpPage> OutputFilesPages();
std::span<const HelpPage> ApplyDataPage(HelpWindow id);
std::span<const HelpPage> OutputTopicPage(HelpWindow id);
std::span<const HelpPage> GeneralTopicPage(HelpWindow id);
std::span<const HelpPage> AboutPage(HelpWindow id);

}  // namespace kelvaro
