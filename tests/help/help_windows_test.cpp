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

// Every window is found by its class name and shows texts of its own; only the About window
// is modal.
TEST(HelpWindows, EveryWindowIsFoundByItsNameAndHasItsOwnText) {
  ASSERT_EQ(HelpWindows().size(), 19u);
  std::set<std::string_view> texts;
  for (const HelpWindowLayout& layout : HelpWindows()) {
    SCOPED_TRACE(layout.name);
    EXPECT_EQ(FindHelpWindow(layout.name), layout.id);
    EXPECT_EQ(&HelpWindowOf(layout.id), &layout);
    EXPECT_FALSE(layout.caption.empty());
    EXPECT_EQ(layout.modal, layout.id == HelpWindow::THelpAbout1);
    ASSERT_FALSE(layout.pages.empty());
    for (const HelpPage& page : layout.pages) {
      EXPECT_GT(page.markdown.size(), 100u) << page.title;
      EXPECT_TRUE(texts.insert(page.markdown).second) << page.title << ": text used twice";
    }
  }
  EXPECT_EQ(HelpWindowOf(HelpWindow::THelpPullDownMenu).caption, "HelpPull Down Menu");
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
  EXPECT_NE(
      HelpWindowOf(HelpWindow::THelpAbout1).pages[0].markdown.find("Version " KELVARO_VERSION "\n"),
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
