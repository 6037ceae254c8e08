// Pictures of every window as the user first sees it, saved under screenshots/ of the build
// folder for a look by eye, and checks a picture can make: nothing cut off, tab order.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/crop_soil_entry_view.h"
#include "app/data_file_entry_view.h"
#include "app/get_data_view.h"
#include "app/guide_browser.h"
#include "app/help_window_view.h"
#include "app/list_choice_view.h"
#include "app/output_files_view.h"
#include "app/sa_finder_view.h"
#include "app/statistics_view.h"
#include "app_test_support.h"

namespace kelvaro::testing {
namespace {

// A label, button or edit narrower than its text would cut the text off.
void ExpectNothingCutOff(QWidget* window, const std::string& name) {
  for (auto* label : window->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
    EXPECT_GE(label->width(), label->sizeHint().width())
        << name << ": label '" << label->text().toStdString() << "' is cut off";
  }
  for (auto* button : window->findChildren<QPushButton*>()) {
    if (!button->isVisible()) continue;
    EXPECT_GE(button->width(), button->sizeHint().width())
        << name << ": button '" << button->text().toStdString() << "' is cut off";
  }
  for (auto* combo : window->findChildren<QComboBox*>()) {
    if (!combo->isVisible()) continue;
    EXPECT_GE(combo->width(), combo->minimumSizeHint().width()) << name << ": a list is cut off";
  }
}

void Picture(QWidget* window, const std::string& name) {
  ASSERT_NE(window, nullptr) << name;
  window->show();
  QApplication::processEvents();
  ExpectNothingCutOff(window, name);
  SaveScreenshot(window, name);
}

class ScreenshotTest : public MainWindowTest {};

TEST_F(ScreenshotTest, MainWindow) {
  window().RichEdit1()->append(QStringLiteral("SA00001"));
  window().RichEdit1()->append(QString::fromStdString((folder_ / "SA00001.csv").string()));
  SaveScreenshot(&window(), "main_window");
  ExpectNothingCutOff(&window(), "main window");
}

TEST_F(ScreenshotTest, PathAndRunDialogs) {
  for (const PathDialogLayout& layout : kPathDialogs) {
    window().ShowPathDialog(layout.id);
    Picture(window().path_view(layout.id), "path_dialog_" + std::string(DialogName(layout.id)));
    window().path_view(layout.id)->hide();
  }
  window().ShowPathDialog(Dialog::TPanAnalysisPath);
  Child<QPushButton>(window().path_view(Dialog::TPanAnalysisPath), "ButtonOK")->click();
  app::GetDataView* run = window().get_data_view();
  Picture(run, "run_dialog_all_fields");
  window().ShowPathDialog(Dialog::TAnalysisPath);
  window().path_view(Dialog::TAnalysisPath)->combo()->setCurrentIndex(1);
  Child<QPushButton>(window().path_view(Dialog::TAnalysisPath), "ButtonOK")->click();
  QTest::mouseClick(Child<QPushButton>(run, "ButtonOK"), Qt::LeftButton);
  Picture(run, "run_dialog_warning");
}

TEST_F(ScreenshotTest, CropSoilEntry) {
  window().ShowCropSoilEntry();
  app::CropSoilEntryView* view = window().crop_soil_view();
  Picture(view, "crop_soil_entry");
  for (const char* crop : {"Almonds", "Citrus"}) {
    const int index = view->crop_list()->findText(QString::fromLatin1(crop));
    view->crop_list()->setCurrentIndex(index);
    emit view->crop_list()->activated(index);
    Picture(view, std::string("crop_soil_entry_") + crop);
  }
  QTest::mouseClick(view->save_button(), Qt::LeftButton);
  Picture(view->warning_view(), "crop_soil_warning");
  view->warning_view()->hide();

  // Two crops saved, then refusals beside their entries, a crop edited, and the least size.
  TCropSoilEntry& form = window().crop_soil_entry();
  TypeInto(view->EditOf(form.SA), QStringLiteral("12"));
  TypeInto(view->EditOf(form.HectaresPlanted), QStringLiteral("5"));
  QTest::mouseClick(view->save_button(), Qt::LeftButton);
  QTest::mouseClick(view->save_button(), Qt::LeftButton);
  TypeInto(view->EditOf(form.SoilType), QStringLiteral("X"));
  TypeInto(view->EditOf(form.PreIrrigated), QStringLiteral("maybe"));
  TypeInto(view->EditOf(form.CoverCrop1Begin), QStringLiteral("11/1/2025"));
  TypeInto(view->EditOf(form.CoverCrop1End), QStringLiteral("2/1/2026"));
  QTest::mouseClick(view->save_button(), Qt::LeftButton);
  view->warning_view()->hide();
  Picture(view, "crop_soil_entry_refusals");
  // An orchard refused on every group at once still fits.
  const int almonds = view->crop_list()->findText(QStringLiteral("Almonds"));
  emit view->crop_list()->activated(almonds);
  for (const auto& [field, text] : {std::pair{&form.GroundCoverDateC, "200"},
                                    {&form.GroundCoverDateD, "-1"},
                                    {&form.CoverCrop1Begin, "11/1/2025"},
                                    {&form.CoverCrop1End, "2/1/2026"},
                                    {&form.StressFactor, "2"},
                                    {&form.StressStartingDate, "9/1"},
                                    {&form.StressEndingDate, "8/1"},
                                    {&form.MaxSoilDepth, "0"},
                                    {&form.SoilType, "X"}}) {
    TypeInto(view->EditOf(*field), QString::fromLatin1(text));
  }
  QTest::mouseClick(view->save_button(), Qt::LeftButton);
  view->warning_view()->hide();
  Picture(view, "crop_soil_entry_orchard_refusals");
  view->crop_rows()->Select(2);
  view->crop_rows()->edit_button()->click();
  Picture(view, "crop_soil_entry_editing");
  view->resize(view->minimumSize());
  Picture(view, "crop_soil_entry_small");
}

TEST_F(ScreenshotTest, HelpWindowsSelectorsAndGuide) {
  for (const HelpWindowLayout& layout : HelpWindows()) {
    window().ShowHelpWindow(layout.id);
    Picture(window().help_view(layout.id), "help_" + std::string(layout.name));
    if (auto* tabs = window().help_view(layout.id)->findChild<QTabWidget*>()) {
      tabs->setCurrentIndex(3);  // the page with a table of columns
      SaveScreenshot(window().help_view(layout.id), "help_" + std::string(layout.name) + "_4");
    }
    window().help_view(layout.id)->hide();
  }
  for (const char* name : {"THelpInputData", "THelpOutputData"}) {
    window().ShowHelpSelector(name);
    Picture(window().selector_view(name), std::string("help_selector_") + name);
  }
  window().ShowStatisticsPath();
  Picture(window().statistics_path_view(), "statistics_path");
  window().NamedAction("StaMonSTDev")->trigger();
  Picture(window().statistics_view(), "statistics");
  window().ShowUserGuide();
  SaveScreenshot(window().guide(), "users_guide");
}

TEST_F(ScreenshotTest, TemplateFinderAndViewerDialogs) {
  window().NamedAction("InputCreateFiles")->trigger();
  app::DataFileEntryView* entry = window().data_file_entry_view();
  const int etm = entry->kinds()->findText(QStringLiteral("etm"));
  entry->kinds()->setCurrentIndex(etm);
  emit entry->kinds()->activated(etm);
  Picture(entry, "data_file_entry");
  for (const char* command :
       {"MTVDAU", "WrkByFilename", "EAWDAU", "EtcBySA", "CropSoilBySA", "StaCropNorm"}) {
    const MainWindowCommand& found = *FindMainWindowCommand(command);
    window().RunCommand(found);
    QWidget* dialog = ShownWindow(QString::fromUtf8(found.window.data(), found.window.size()));
    if (auto* finder = qobject_cast<app::SaFinderView*>(dialog)) {
      TypeInto(finder->sa(), QStringLiteral("12"));  // no such study area: the warning shows
    }
    Picture(dialog, std::string("finder_") + command);
    dialog->hide();
  }
  window().NamedAction("ViewOutputFiles")->trigger();
  app::OutputFilesView* viewer = window().output_files_view();
  const int csv = viewer->kinds()->findText(QStringLiteral("csv"));
  viewer->kinds()->setCurrentIndex(csv);
  emit viewer->kinds()->activated(csv);
  Picture(viewer, "output_files");
  window().ShowResultFiles();
  Picture(window().result_files_view(), "result_files");
}

// Tab goes through the run dialog's fields in their order (the station's list and Browse beside
// it), then OK and Cancel.
TEST_F(ScreenshotTest, RunDialogTabOrderFollowsTheFields) {
  window().ShowPathDialog(Dialog::TPanAnalysisPath);
  Child<QPushButton>(window().path_view(Dialog::TPanAnalysisPath), "ButtonOK")->click();
  app::GetDataView* run = window().get_data_view();
  std::vector<QWidget*> expected = {Child<QLineEdit>(run, "Station"), run->station_list(),
                                    run->browse()};
  for (const char* name : {"Latitude", "Elevation", "SA", "Years", "FetchVal"}) {
    expected.push_back(Child<QLineEdit>(run, name));
  }
  expected.push_back(Child<QPushButton>(run, "ButtonOK"));
  expected.push_back(Child<QPushButton>(run, "ButtonCancel"));
  QWidget* widget = expected.front();
  for (size_t i = 1; i < expected.size(); ++i) {
    do {
      widget = widget->nextInFocusChain();
    } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
    EXPECT_EQ(widget, expected[i]) << i << ": " << widget->objectName().toStdString();
  }
}

}  // namespace
}  // namespace kelvaro::testing
