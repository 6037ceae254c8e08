#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>

#include "app/crop_soil_entry_view.h"
#include "app_test_support.h"
#include "crops/crop_catalogue.h"
#include "support/cli_runner.h"

namespace kelvaro::testing {
namespace {

using Lines = std::vector<std::string>;

class CropEntryTest : public MainWindowTest {
 protected:
  CropEntryTest() {
    ClickToolbarButton(QStringLiteral("Create Soil/Crop"));
    view_ = qobject_cast<app::CropSoilEntryView*>(ShownWindow(QStringLiteral("TCropSoilEntry")));
  }

  TCropSoilEntry& form() { return window().crop_soil_entry(); }
  QLineEdit* EditOf(const FormField& field) { return view_->EditOf(field); }

  void ChooseCrop(const char* list_item) {
    QComboBox* list = view_->crop_list();
    const int index = list->findText(QString::fromLatin1(list_item));
    ASSERT_GE(index, 0) << list_item;
    list->setFocus();
    list->setCurrentIndex(index);
    emit list->activated(index);
  }

  void Type(const FormField& field, const QString& text) {
    QLineEdit* edit = EditOf(field);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->isVisible());
    TypeInto(edit, text);
  }

  void Save() { QTest::mouseClick(view_->save_button(), Qt::LeftButton); }

  Lines WarningLines() const {
    Lines lines;
    for (const QString& line : view_->warning_view()->text()->toPlainText().split('\n')) {
      lines.push_back(line.toStdString());
    }
    return lines;
  }

  app::CropSoilEntryView* view_ = nullptr;
};

TEST_F(CropEntryTest, RowSavedThroughTheFormIsTheRowCropAddWrites) {
  ASSERT_NE(view_, nullptr);
  EXPECT_EQ(view_->windowTitle(), "Crop/Soil Data Entry");
  Type(form().SA, QStringLiteral("12"));
  ChooseCrop("Almonds");
  Type(form().HectaresPlanted, QStringLiteral("25"));
  Type(form().PlantingDate, QStringLiteral("2/15/2025"));  // the user's short date format
  Type(form().EndingDate, QStringLiteral("11/1/2025"));
  Type(form().GroundCoverDateC, QStringLiteral("60"));
  Type(form().GroundCoverDateD, QStringLiteral("75"));
  Type(form().StressFactor, QStringLiteral("0.7"));
  Type(form().StressStartingDate, QStringLiteral("8/15"));  // no year: the current year
  Type(form().StressEndingDate, QStringLiteral("9/30"));
  std::vector<QString> titles;
  window().SetDirectoryChooser([&](const QString& title) -> std::optional<std::filesystem::path> {
    titles.push_back(title);
    return folder_.path();
  });
  Save();
  EXPECT_EQ(titles, std::vector<QString>{"Please specify the directory"});
  EXPECT_FALSE(view_->warning_view()->isVisible());
  EXPECT_TRUE(view_->isVisible());  // open for the next crop
  ASSERT_TRUE(folder_.Has("SA00012.csv"));

  TestFolder cli_folder;
  const CliRun cli = RunInFolder(
      cli_folder,
      "\"$CLI\" crop add --sa 12 --crop Almonds --area 25 --plant 2025-02-15 --end 2025-11-01 "
      "--cover-c 60 --cover-d 75 --stress 0.7 --stress-begin 08-15 --stress-end 09-30");
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(folder_.Read("SA00012.csv"), cli_folder.Read("SA00012.csv"));
  // The typed dates are shown back in the user's format.
  EXPECT_EQ(EditOf(form().PlantingDate)->text(), "2/15/2025");
}

TEST_F(CropEntryTest, DefaultsAreShownBesideTheirEntriesAndUsedWhenEmpty) {
  ChooseCrop("Corn(grain)");
  EXPECT_EQ(EditOf(form().DefMaxSoil)->text(), "1524");
  EXPECT_EQ(EditOf(form().DefSoilType)->text(), "M");
  const QString year = QString::number(QDate::currentDate().year());
  EXPECT_TRUE(EditOf(form().DefPlantingDate)->text().endsWith("/" + year));
  EXPECT_TRUE(EditOf(form().DefPlantingDate)->isReadOnly());
  Type(form().SA, QStringLiteral("12"));
  Type(form().HectaresPlanted, QStringLiteral("40"));
  Save();
  TestFolder cli_folder;
  const CliRun cli =
      RunInFolder(cli_folder, "\"$CLI\" crop add --sa 12 --crop \"Corn(grain)\" --area 40");
  ASSERT_EQ(cli.status, 0) << cli.err;
  EXPECT_EQ(folder_.Read("SA00012.csv"), cli_folder.Read("SA00012.csv"));
}

TEST_F(CropEntryTest, IncompleteEntryListsWhatIsMissingAndWritesNothing) {
  bool asked = false;
  window().SetDirectoryChooser([&](const QString&) -> std::optional<std::filesystem::path> {
    asked = true;
    return folder_.path();
  });
  Save();
  ASSERT_TRUE(view_->warning_view()->isVisible());
  EXPECT_EQ(view_->warning_view()->windowTitle(), "Crop/SoilWarning");
  EXPECT_EQ(WarningLines(),
            (Lines{"Enter the SA number", "You must select a crop", "Enter Hectares Planted"}));
  EXPECT_FALSE(asked);
  EXPECT_EQ(folder_.Listing(), "");
  QTest::mouseClick(Child<QPushButton>(view_->warning_view(), "ButtonOK"), Qt::LeftButton);
  EXPECT_FALSE(view_->warning_view()->isVisible());

  ChooseCrop("Almonds");
  Type(form().SA, QStringLiteral("3"));
  Type(form().HectaresPlanted, QStringLiteral("5"));
  Type(form().StressFactor, QStringLiteral("0.5"));
  Save();
  EXPECT_EQ(WarningLines(),
            (Lines{"Enter Starting Date of Stress Factor", "Enter Ending Date of Stress Factor"}));
  EXPECT_EQ(folder_.Listing(), "");
}

// The window refuses a soil letter and a cover crop across the year end in the words `crop add`
// prints for them.
TEST_F(CropEntryTest, RefusalsUseTheCommandLinesWords) {
  ChooseCrop("Almonds");
  Type(form().SA, QStringLiteral("3"));
  Type(form().HectaresPlanted, QStringLiteral("5"));
  Type(form().SoilType, QStringLiteral("X"));
  Type(form().CoverCrop1Begin, QStringLiteral("2025-11-01"));
  Type(form().CoverCrop1End, QStringLiteral("2026-02-15"));
  Save();
  ASSERT_TRUE(view_->warning_view()->isVisible());
  SaveScreenshot(view_->warning_view(), "crop_soil_warning_values");
  TestFolder cli_folder;
  const CliRun cli = RunInFolder(cli_folder,
                                 "\"$CLI\" crop add --sa 3 --crop Almonds --area 5 --soil X "
                                 "--cover1 2025-11-01 2026-02-15");
  EXPECT_EQ(cli.status, 2);
  const std::string soil = "Soil type should be L, M or H, not 'X'";
  const std::string cover =
      "Cover crop 1 should end after it begins, not run from day 305 to day 46: a period across "
      "the year end is not applied; give the part of each year as its own period (to 12-31, and "
      "from 01-01)";
  EXPECT_EQ(WarningLines(), (Lines{soil, cover}));
  EXPECT_EQ(cli.err, soil + "\n  (--soil)\n" + cover + "\n  (--cover1)\n");
  EXPECT_EQ(folder_.Listing(), "");
  EXPECT_EQ(cli_folder.Listing(), "");
}

TEST_F(CropEntryTest, CancelledDirectoryChoiceWritesNothing) {
  window().SetDirectoryChooser(
      [](const QString&) -> std::optional<std::filesystem::path> { return std::nullopt; });
  Type(form().SA, QStringLiteral("12"));
  ChooseCrop("Wheat");
  Type(form().HectaresPlanted, QStringLiteral("40"));
  Save();
  EXPECT_FALSE(view_->warning_view()->isVisible());
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(CropEntryTest, InputsOfTheCropsClassAreShownAndTheOthersHidden) {
  const auto shown = [this](const FormField& field) { return EditOf(field)->isVisible(); };
  EXPECT_FALSE(shown(form().GroundCoverDateC));
  EXPECT_FALSE(shown(form().StressFactor));
  ChooseCrop("Almonds");
  EXPECT_TRUE(shown(form().GroundCoverDateC) && shown(form().GroundCoverDateD));
  EXPECT_FALSE(shown(form().GroundCoverDateB) || shown(form().GroundCoverDateE));
  EXPECT_TRUE(shown(form().CoverCrop1Begin) && shown(form().StressStartingDate));
  EXPECT_TRUE(shown(form().DefStressFactor));
  ChooseCrop("Citrus");
  EXPECT_TRUE(shown(form().GroundCoverDateB) && shown(form().GroundCoverDateE));
  EXPECT_FALSE(shown(form().StressFactor) || shown(form().StressEndingDate));
  ChooseCrop("Wheat");
  for (const FormField* field : {&form().GroundCoverDateB, &form().GroundCoverDateC,
                                 &form().CoverCrop2End, &form().StressFactor}) {
    EXPECT_FALSE(shown(*field));
  }
  EXPECT_EQ(EditOf(form().CropNo)->text().toStdString(), form().CropNo.text);
  // The blank last item changes nothing.
  const std::string crop_no = form().CropNo.text;
  ChooseCrop(" ");
  EXPECT_EQ(form().CropNo.text, crop_no);
}

TEST_F(CropEntryTest, ActivationEmptiesTheEntriesAndKeepsTheDefaults) {
  Type(form().SA, QStringLiteral("12"));
  ChooseCrop("Almonds");
  view_->hide();
  window().NamedAction("InputCropSoil")->trigger();
  EXPECT_TRUE(EditOf(form().SA)->text().isEmpty());
  EXPECT_EQ(view_->crop_list()->currentIndex(), -1);
  EXPECT_EQ(EditOf(form().DefAllowableDepletion)->text(), "50");
}

// Tab passes from entry to entry in reading order, over the defaults shown beside them.
TEST_F(CropEntryTest, TabOrderFollowsTheForm) {
  ChooseCrop("Almonds");
  std::vector<QWidget*> expected = {
      EditOf(form().SA),           view_->crop_list(),        EditOf(form().HectaresPlanted),
      EditOf(form().PlantingDate), EditOf(form().EndingDate), EditOf(form().SoilType),
      EditOf(form().MaxSoilDepth)};
  QWidget* widget = expected.front();
  for (size_t i = 1; i < expected.size(); ++i) {
    do {
      widget = widget->nextInFocusChain();
    } while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible());
    EXPECT_EQ(widget, expected[i]) << i << ": " << widget->metaObject()->className();
  }
}

}  // namespace
}  // namespace kelvaro::testing
