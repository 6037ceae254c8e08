#include "app/window_routes.h"

#include "app/main_window.h"

namespace kelvaro::app {
namespace {

void PathDialog(TKELVARO& window, const WindowRequest& request) {
  for (const PathDialogLayout& layout : kPathDialogs) {
    if (DialogName(layout.id) == request.window) window.ShowPathDialog(layout.id);
  }
}

void RunDialog(TKELVARO& window, const WindowRequest&) { window.ShowRunDialog(); }
void CropSoilEntry(TKELVARO& window, const WindowRequest&) { window.ShowCropSoilEntry(); }
void HelpSelector(TKELVARO& window, const WindowRequest& request) {
  window.ShowHelpSelector(request.window);
}
void Help(TKELVARO& window, const WindowRequest& request) {
  if (const auto id = FindHelpWindow(request.window)) window.ShowHelpWindow(*id);
}
void UserGuide(TKELVARO& window, const WindowRequest&) { window.ShowUserGuide(); }
void Statistics(TKELVARO& window, const WindowRequest& request) {
  window.ShowStatistics(request.ext);
}
void DataFileEntry(TKELVARO& window, const WindowRequest&) { window.ShowDataFileEntry(); }
void Finder(TKELVARO& window, const WindowRequest& request) {
  for (const FinderVariant& variant : kFinderVariants) {
    if (DialogName(variant.id) == request.window) window.ShowFinder(variant.id, request);
  }
}
void OutputFiles(TKELVARO& window, const WindowRequest&) { window.ShowOutputFiles(); }
void ResultFiles(TKELVARO& window, const WindowRequest&) { window.ShowResultFiles(); }
void StatisticsPath(TKELVARO& window, const WindowRequest&) { window.ShowStatisticsPath(); }

constexpr WindowRoute kRoutes[] = {
    {"TAnalysisPath", &PathDialog},
    {"TTimeInterval", &PathDialog},
    {"TPanAnalysisPath", &PathDialog},
    {"TEToAnalysisPath", &PathDialog},
    {"TTempAnalysisPath", &PathDialog},
    {"TTempTimeInterval", &PathDialog},
    {"TGetData", &RunDialog},
    {"TCropSoilEntry", &CropSoilEntry},
    {"TDataFileEntry", &DataFileEntry},
    {"TShowSAFiles", &Finder},
    {"TGetOutSA", &Finder},
    {"TGetSumSA", &Finder},
    {"TGetSACropInfo", &Finder},
    {"TGetCropItemNum", &Finder},
    {"TGetSimulatedStationName", &Statistics},
    {"TStatisticsPath", &StatisticsPath},
    {"TOutputFiles", &OutputFiles},
    {"TResultFiles", &ResultFiles},
    {"THelpInputData", &HelpSelector},
    {"THelpOutputData", &HelpSelector},
    {"THelpInputFiles", &Help},
    {"THelpOutputFiles", &Help},
    {"THelpWeatherData", &Help},
    {"THelpPanData", &Help},
    {"THelpEToData", &Help},
    {"THelpTempData", &Help},
    {"THelpCropSoilData", &Help},
    {"THelpWeatherOutput", &Help},
    {"THelpETAWbySA", &Help},
    {"THelpSoilbySA", &Help},
    {"THelpMSE", &Help},
    {"THelpStatistics", &Help},
    {"THelpSA", &Help},
    {"THelpDataFileName", &Help},
    {"THelpPullDownMenu", &Help},
    {"THelpToolbars", &Help},
    {"THelpAbout1", &Help},
    {"TAboutKelvaro", &Help},
    {"TOLPDisclaimer", &Help},
    {kUserGuideWindow, &UserGuide},
};

}  // namespace

std::span<const WindowRoute> WindowRoutes() { return kRoutes; }

const WindowRoute* FindWindowRoute(std::string_view window) {
  for (const WindowRoute& route : kRoutes) {
    if (route.window == window) return &route;
  }
  return nullptr;
}

}  // namespace kelvaro::app
