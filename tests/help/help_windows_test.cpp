#include "help/help_windows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "help/help_selectors.h"
#include "help/user_guide.h"
#include "support/test_folder.h"

namespace kelvaro {
namespace {

using Titles = std::vector<std::string>;

Titles TabTitles(HelpWindow id) {
  Titles titles;
  for (const HelpPage& page : HelpWindowOf(id).pages) titles.emplace_back(page.title);
  return titles;
}

TEST(HelpWindows, EveryWindowHasItsCaptionAndText) {
  const struct {
    const char* name;
    const char* caption;
  } kCases[] = {
      {"THelpInputFiles", "Help Input Files"},
      {"THelpOutputFiles", "HelpOutputFiles"},
      {"THelpWeatherData", "HelpWeatherData"},
      {"THelpPanData", "HelpPanData"},
      {"THelpEToData", "HelpEToData"},
      {"THelpTempData", "HelpTempData"},
      {"THelpCropSoilData", "HelpCropSoilData"},
      {"THelpWeatherOutput", "HelpWeatherOutput"},
      {"THelpETAWbySA", "Help ETAW by SA"},
      {"THelpSoilbySA", "Help Soil / Crop by SA"},
      {"THelpMSE", "Help MSE"},
      {"THelpStatistics", "Help Statistics"},
      {"THelpSA", "Help Study Area (SA)"},
      {"THelpDataFileName", "Help Data Filename"},
      {"THelpPullDownMenu", "HelpPull Down Menu"},
      {"THelpToolbars", "Help Toolbars"},
      {"THelpAbout1", "HelpAbout1"},
      {"TAboutKelvaro", "AboutKelvaro"},
      {"TOLPDisclaimer", "Disclaimer"},
  };
  ASSERT_EQ(HelpWindows().size(), std::size(kCases));
  std::set<std::string_view> texts;
  for (const auto& expected : kCases) {
    const auto id = FindHelpWindow(expected.name);
    ASSERT_TRUE(id) << expected.name;
    const HelpWindowLayout& layout = HelpWindowOf(*id);
    EXPECT_EQ(layout.name, expected.name);
    EXPECT_EQ(layout.caption, expected.caption);
    EXPECT_EQ(layout.modal, *id == HelpWindow::THelpAbout1) << expected.name;
    ASSERT_FALSE(layout.pages.empty()) << expected.name;
    for (const HelpPage& page : layout.pages) {
      EXPECT_GT(page.markdown.size(), 100u) << expected.name << " " << page.title;
      EXPECT_TRUE(texts.insert(page.markdown).second) << expected.name << ": text used twice";
    }
  }
  EXPECT_FALSE(FindHelpWindow("THelpInputData"));  // a selector, not a help window
}

TEST(HelpWindows, FilePagesHaveOneTabPerKind) {
  EXPECT_EQ(TabTitles(HelpWindow::THelpInputFiles),
            (Titles{"dpn", "day", "mon", "dmn", "mpn", "etm", "det", "mtm", "dtm", "rtm", "csv"}));
  EXPECT_EQ(TabTitles(HelpWindow::THelpOutputFiles),
            (Titles{"wrk", "msw", "mse", "csv", "mtv", "eaw"}));
  for (const HelpPage& page : HelpWindowOf(HelpWindow::THelpInputFiles).pages) {
    EXPECT_NE(page.markdown.find(std::string("## ") + std::string(page.title) + ":"),
              std::string::npos)
        << page.title;
  }
  EXPECT_EQ(TabTitles(HelpWindow::THelpSA), Titles{""});
}

TEST(HelpWindows, AboutPageGivesTheVersion) {
  EXPECT_NE(HelpWindowOf(HelpWindow::THelpAbout1).pages[0].markdown.find("Version 1.0"),
            std::string::npos);
}

TEST(HelpSelectors, ItemsOpenTheirWindowsAndActivationSelectsTheFirst) {
  HelpSelector input(kHelpInputData);
  EXPECT_EQ(input.layout().caption, "Input Data Help");
  EXPECT_EQ(input.layout().label, "Select Analysis Path:");
  const HelpWindow input_windows[] = {HelpWindow::THelpWeatherData, HelpWindow::THelpPanData,
                                      HelpWindow::THelpEToData, HelpWindow::THelpTempData,
                                      HelpWindow::THelpCropSoilData};
  ASSERT_EQ(input.layout().choices.size(), std::size(input_windows));
  for (int i = 0; i < 5; ++i) {
    input.selected = i;
    EXPECT_EQ(input.ButtonOKClick(), input_windows[i]) << i;
  }
  EXPECT_EQ(input.layout().choices[3].item, "Temperature Data");
  input.FormActivate();
  EXPECT_EQ(input.selected, 0);
  input.selected = 17;
  EXPECT_EQ(input.ButtonOKClick(), HelpWindow::THelpWeatherData);

  HelpSelector output(*FindHelpSelector("THelpOutputData"));
  EXPECT_EQ(output.layout().label, "Select Output:");
  output.selected = 3;
  EXPECT_EQ(output.layout().choices[3].item, "MSE by Filename");
  EXPECT_EQ(output.ButtonOKClick(), HelpWindow::THelpMSE);
  EXPECT_EQ(FindHelpSelector("THelpSA"), nullptr);
}

TEST(UserGuide, DocumentOfTheDataFolderIsFoundInAnyLetterCase) {
  testing::TestFolder folder;
  EXPECT_FALSE(FindUserGuideDocument(folder.path()));
  std::filesystem::create_directory(folder / "UserGuide.doc");  // a folder is no document
  EXPECT_FALSE(FindUserGuideDocument(folder.path()));
  std::filesystem::remove(folder / "UserGuide.doc");
  folder.Write("userguide.DOC", "guide");
  const auto found = FindUserGuideDocument(folder.path());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "userguide.DOC");
}

}  // namespace
}  // namespace kelvaro
