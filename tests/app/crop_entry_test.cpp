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

// The window refuses what `crop add` refuses in the words it prints for them, in the warning
// dialog and beside each entry.
TEST_F(CropEntryTest, RefusalsUseTheCommandLinesWords) {
  ChooseCrop("Almonds");
  Type(form().SA, QStringLiteral("3"));
  Type(form().HectaresPlanted, QStringLiteral("5"));
  Type(form().SoilType, QStringLiteral("X"));
  Type(form().PreIrrigated, QStringLiteral("maybe"));
  Type(form().AllowableDepletion, QStringLiteral("0"));
  Type(form().CoverCrop1Begin, QStringLiteral("2025-11-01"));
  Type(form().CoverCrop1End, QStringLiteral("2026-02-15"));
  Save();
  ASSERT_TRUE(view_->warning_view()->isVisible());
  SaveScreenshot(view_->warning_view(), "crop_soil_warning_values");
  TestFolder cli_folder;
  const CliRun cli =
      RunInFolder(cli_folder,
                  "\"$CLI\" crop add --sa 3 --crop Almonds --area 5 --soil X "
                  "--pre-irrigated maybe --depletion 0 --cover1 2025-11-01 2026-02-15");
  EXPECT_EQ(cli.status, 2);
  const std::string soil = "Soil type should be L, M or H, not 'X'";
  const std::string pre = "Pre-irrigated should be Y or N, not 'maybe'";
  const std::string depletion = "Allowable depletion should be above 0 and at most 100 %, not 0";
  const std::string cover =
      "Cover crop 1 should end after it begins, not run from day 305 to day 46: a period across "
      "the year end is not applied; give the part of each year as its own period (to 12-31, and "
      "from 01-01)";
  EXPECT_EQ(WarningLines(), (Lines{soil, pre, depletion, cover}));
  EXPECT_EQ(cli.err, soil + "\n  (--soil)\n" + pre + "\n  (--pre-irrigated)\n" + depletion +
                         "\n  (--depletion)\n" + cover + "\n  (--cover1)\n");
  const auto beside = [this](CropField field) {
    return view_->MessageOf(field)->text().replace('\n', ' ').toStdString();
  };
  EXPECT_EQ(beside(CropField::kSoilType), soil);
  EXPECT_EQ(beside(CropField::kPreIrrigated), pre);
  EXPECT_EQ(beside(CropField::kAllowableDepletion), depletion);
  EXPECT_EQ(beside(CropField::kCoverCrop1), cover);
  EXPECT_FALSE(view_->MessageOf(CropField::kMaxSoilDepth)->isVisible());
  EXPECT_EQ(folder_.Listing(), "");
  EXPECT_EQ(cli_folder.Listing(), "");

  // A value that is no number: the message box and the entry give the command line's words.
  MessageBoxWatcher boxes;
  Type(form().SoilType, QString());
  Type(form().HectaresPlanted, QStringLiteral("4x"));
  Save();
  const std::string area = "Hectares planted: '4x' is not a valid integer value";
  EXPECT_EQ(boxes.texts(), std::vector<std::string>{area});
  EXPECT_EQ(beside(CropField::kArea), area);
  EXPECT_FALSE(view_->MessageOf(CropField::kSoilType)->isVisible());
  EXPECT_EQ(folder_.Listing(), "");
}

// Dates are shown in the user's short format, read in it or as ISO dates, and a date that is
// neither is refused in the same terms as the hint beside the entries.
TEST_F(CropEntryTest, OneDateFormatIsShownAndExplained) {
  ChooseCrop("Wheat");
  Type(form().SA, QStringLiteral("3"));
  Type(form().HectaresPlanted, QStringLiteral("5"));
  Type(form().PlantingDate, QStringLiteral("2025-10-20"));
  Type(form().EndingDate, QStringLiteral("2/30/2025"));
  const QString year = QString::number(QDate::currentDate().year());
  const QString formats = "M/d/yyyy, M/d for " + year + ", or yyyy-mm-dd";
  EXPECT_EQ(EditOf(form().EndingDate)->placeholderText(), "M/d/yyyy");
  EXPECT_TRUE(EditOf(form().EndingDate)->toolTip().contains(formats));
  MessageBoxWatcher boxes;
  Save();
  EXPECT_EQ(view_->MessageOf(CropField::kEndingDate)->text().replace('\n', ' '),
            "Ending date: '2/30/2025' is not a valid date (" + formats + ")");
  EXPECT_EQ(EditOf(form().PlantingDate)->text(), "10/20/2025");
  EXPECT_EQ(folder_.Listing(), "");
}

// The table lists the study area's crops; a crop is edited (Save rewrites its row only) or
// removed, and every other byte of the file stays.
TEST_F(CropEntryTest, CropsAreEditedAndRemovedThroughTheTable) {
  const CliRun added = RunInFolder(
      folder_,
      "for crop in Wheat Almonds Citrus; do \"$CLI\" crop add --sa 12 --crop $crop --area 7 || "
      "exit 1; done");
  ASSERT_EQ(added.status, 0) << added.err;
  const std::string before = folder_.Read("SA00012.csv");
  const auto line = [&before](int k) {  // crop row k with its line end
    size_t start = 0;
    for (int i = 0; i < 3 + k - 1; ++i) start = before.find('\n', start) + 1;
    return before.substr(start, before.find('\n', start) + 1 - start);
  };
  Type(form().SA, QStringLiteral("12"));
  app::CropRowsPanel* rows = view_->crop_rows();
  ASSERT_EQ(rows->table()->rowCount(), 3);
  EXPECT_EQ(rows->table()->item(1, 1)->text(), "Almonds");
  EXPECT_FALSE(rows->edit_button()->isEnabled());

  rows->Select(2);
  QTest::mouseClick(rows->edit_button(), Qt::LeftButton);
  EXPECT_EQ(view_->crop_list()->currentText(), "Almonds");
  EXPECT_EQ(EditOf(form().HectaresPlanted)->text(), "7");
  EXPECT_TRUE(EditOf(form().StressFactor)->isVisible());
  Type(form().HectaresPlanted, QStringLiteral("9"));
  bool asked = false;
  window().SetDirectoryChooser([&](const QString&) -> std::optional<std::filesystem::path> {
    asked = true;
    return std::nullopt;
  });
  Save();
  EXPECT_FALSE(asked);  // the row's own file is rewritten
  std::string almonds = line(2);
  almonds.replace(almonds.find(",   7,"), 6, ",   9,");
  EXPECT_EQ(folder_.Read("SA00012.csv"),
            before.substr(0, before.find(line(2))) + almonds + line(3));
  EXPECT_EQ(rows->table()->item(1, 4)->text(), "9");

  std::vector<QString> questions;
  view_->SetRemoveConfirmation([&](const QString& question) {
    questions.push_back(question);
    return questions.size() > 1;  // no, then yes
  });
  rows->Select(1);
  QTest::mouseClick(rows->remove_button(), Qt::LeftButton);
  EXPECT_EQ(folder_.Read("SA00012.csv").size(), before.size());
  QTest::mouseClick(rows->remove_button(), Qt::LeftButton);
  EXPECT_EQ(questions.back(),
            "Remove crop 1 (Wheat) from SA00012.csv? The crops after it move up one number.");
  EXPECT_EQ(folder_.Read("SA00012.csv"),
            before.substr(0, before.find(line(1))) + almonds + line(3));
  EXPECT_EQ(rows->table()->rowCount(), 2);
  EXPECT_FALSE(form().editing());  // the numbers moved: the edit was let go
  EXPECT_EQ(EditOf(form().SA)->text(), "12");
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
