#include "help/help_windows.h"

#include <array>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

struct HelpCaption {
  HelpWindow id;
  std::string_view name;
  std::string_view caption;
  bool modal;
};

constexpr std::array<HelpCaption, 19> kCaptions{{
    {HelpWindow::THelpInputFiles, "THelpInputFiles", "Help Input Files", false},
    {HelpWindow::THelpOutputFiles, "THelpOutputFiles", "HelpOutputFiles", false},
    {HelpWindow::THelpWeatherData, "THelpWeatherData", "HelpWeatherData", false},
    {HelpWindow::THelpPanData, "THelpPanData", "HelpPanData", false},
    {HelpWindow::THelpEToData, "THelpEToData", "HelpEToData", false},
    {HelpWindow::THelpTempData, "THelpTempData", "HelpTempData", false},
    {HelpWindow::THelpCropSoilData, "THelpCropSoilData", "HelpCropSoilData", false},
    {HelpWindow::THelpWeatherOutput, "THelpWeatherOutput", "HelpWeatherOutput", false},
    {HelpWindow::THelpETAWbySA, "THelpETAWbySA", "Help ETAW by SA", false},
    {HelpWindow::THelpSoilbySA, "THelpSoilbySA", "Help Soil / Crop by SA", false},
    {HelpWindow::THelpMSE, "THelpMSE", "Help MSE", false},
    {HelpWindow::THelpStatistics, "THelpStatistics", "Help Statistics", false},
    {HelpWindow::THelpSA, "THelpSA", "Help Study Area (SA)", false},
    {HelpWindow::THelpDataFileName, "THelpDataFileName", "Help Data Filename", false},
    {HelpWindow::THelpPullDownMenu, "THelpPullDownMenu", "HelpPull Down Menu", false},
    {HelpWindow::THelpToolbars, "THelpToolbars", "Help Toolbars", false},
    {HelpWindow::THelpAbout1, "THelpAbout1", "HelpAbout1", true},
    {HelpWindow::TAboutKelvaro, "TAboutKelvaro", "AboutKelvaro", false},
    {HelpWindow::TOLPDisclaimer, "TOLPDisclaimer", "Disclaimer", false},
}};

std::span<const HelpPage> PagesOf(HelpWindow id) {
  switch (id) {
    case HelpWindow::THelpInputFiles:
      return InputFilesPages();
    case HelpWindow::THelpOutputFiles:
      return OutputFilesPages();
    case HelpWindow::THelpWeatherData:
    case HelpWindow::THelpPanData:
    case HelpWindow::THelpEToData:
    case HelpWindow::THelpTempData:
    case HelpWindow::THelpCropSoilData:
      return ApplyDataPage(id);
    case HelpWindow::THelpWeatherOutput:
    case HelpWindow::THelpETAWbySA:
    case HelpWindow::THelpSoilbySA:
    case HelpWindow::THelpMSE:
      return OutputTopicPage(id);
    case HelpWindow::THelpAbout1:
    case HelpWindow::TAboutKelvaro:
    case HelpWindow::TOLPDisclaimer:
      return AboutPage(id);
    default:
      return GeneralTopicPage(id);
  }
}

std::array<HelpWindowLayout, kCaptions.size()> BuildLayouts() {
  std::array<HelpWindowLayout, kCaptions.size()> layouts{};
  for (size_t i = 0; i < kCaptions.size(); ++i) {
    const HelpCaption& entry = kCaptions[i];
    layouts[i] = {entry.id, entry.name, entry.caption, PagesOf(entry.id), entry.modal};
  }
  return layouts;
}

}  // namespace

std::span<const HelpWindowLayout> HelpWindows() {
  static const auto layouts = BuildLayouts();
  return layouts;
}

const HelpWindowLayout& HelpWindowOf(HelpWindow id) {
  for (const HelpWindowLayout& layout : HelpWindows()) {
    if (layout.id == id) return layout;
  }
  throw InputError("not a help window");
}

std::optional<HelpWindow> FindHelpWindow(std::string_view name) {
  for (const HelpCaption& entry : kCaptions) {
    if (entry.name == name) return entry.id;
  }
  return std::nullopt;
}

}  // namespace kelvaro
