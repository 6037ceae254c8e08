// Every field given what a user should not type: the program answers with a message, never
// crashes, and never loses or damages a file that was there.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

#include "app/crop_soil_entry_view.h"
#include "app/get_data_view.h"
#include "app/list_choice_view.h"
#include "app/output_files_view.h"
#include "app/qt_text.h"
#include "app/sa_finder_view.h"
#include "app_test_support.h"

namespace kelvaro::testing {
namespace {

const QString kBadTexts[] = {
    QString(),
    QStringLiteral("abc"),
    QStringLiteral("../../elsewhere"),
    QStringLiteral("/tmp/kelvaro-elsewhere"),
    QStringLiteral("日本語 ✓ Ωmega"),
};

class BadInputTest : public MainWindowTest {
 protected:
  // The files the user had, to be found unchanged after every attempt.
  void KeepUsersFiles() {
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      users_files_[entry.path().filename().string()] = ReadBytes(entry.path());
    }
  }
  void ExpectUsersFilesKept(const std::string& what) {
    for (const auto& [name, bytes] : users_files_) {
      ASSERT_TRUE(folder_.Has(name)) << what << ": " << name << " is gone";
      const std::string now = folder_.Read(name);
      EXPECT_EQ(now.substr(0, bytes.size()), bytes) << what << ": " << name << " was changed";
    }
  }

  std::map<std::string, std::string> users_files_;
};

TEST_F(BadInputTest, RunDialogAnswersEveryFieldWithAMessage) {
  folder_.CopyExamples({"MARIC.mon", "SA00001.csv"});
  KeepUsersFiles();
  MessageBoxWatcher boxes;
  window().NamedAction("InputWeather")->trigger();
  auto* weather = window().path_view(Dialog::TAnalysisPath);
  weather->combo()->setCurrentIndex(0);
  Child<QPushButton>(weather, "ButtonOK")->click();
  auto* interval = window().path_view(Dialog::TTimeInterval);
  interval->combo()->setCurrentIndex(1);
  Child<QPushButton>(interval, "ButtonOK")->click();
  app::GetDataView* dialog = window().get_data_view();
  ASSERT_TRUE(dialog->isVisible());

  const char* kFields[] = {"Station", "Latitude", "Elevation", "SA", "Years"};
  const char* kGood[] = {"MARIC", "33.07", "361", "1", "2"};
  // What a message about each field says, whatever its words.
  const QRegularExpression kNamed[] = {
      QRegularExpression(QStringLiteral("station|input file"),
                         QRegularExpression::CaseInsensitiveOption),
      QRegularExpression(QStringLiteral("latitude"), QRegularExpression::CaseInsensitiveOption),
      QRegularExpression(QStringLiteral("elevation"), QRegularExpression::CaseInsensitiveOption),
      QRegularExpression(QStringLiteral("SA number")),
      QRegularExpression(QStringLiteral("years"), QRegularExpression::CaseInsensitiveOption)};
  std::vector<QString> bad_texts(std::begin(kBadTexts), std::end(kBadTexts));
  bad_texts.push_back(QStringLiteral("3,5"));  // a decimal comma
  int answered = 0;
  for (size_t field = 0; field < std::size(kFields); ++field) {
    for (const QString& bad : bad_texts) {
      const std::string what = std::string(kFields[field]) + " = '" + bad.toStdString() + "'";
      SCOPED_TRACE(what);
      if (!dialog->isVisible()) window().ShowRunDialog();  // a run that went through closed it
      for (size_t other = 0; other < std::size(kFields); ++other) {
        TypeInto(Child<QLineEdit>(dialog, kFields[other]),
                 other == field ? bad : QString::fromLatin1(kGood[other]));
      }
      const size_t boxes_before = boxes.texts().size();
      QTest::mouseClick(Child<QPushButton>(dialog, "ButtonOK"), Qt::LeftButton);
      const bool warned = dialog->isVisible() && dialog->warning()->isVisible() &&
                          !dialog->warning()->toPlainText().isEmpty();
      const bool boxed = boxes.texts().size() > boxes_before;
      const bool ran = !dialog->isVisible();
      EXPECT_TRUE(warned || boxed || ran);
      const QString message =
          boxed ? QString::fromStdString(boxes.texts().back()) : dialog->warning()->toPlainText();
      if (warned || boxed) {
        EXPECT_TRUE(message.contains(kNamed[field])) << message.toStdString();
      }
      answered += warned || boxed;
      EXPECT_FALSE(window().run_active());
      ExpectUsersFilesKept(what);
      window().result_files_view()->hide();
    }
  }
  EXPECT_GE(answered, 20);  // nearly every bad text is refused; a unicode name may simply run
  EXPECT_FALSE(std::filesystem::exists("/tmp/kelvaro-elsewhere.mon"));
}

// Every entry of the form given bad text: a message beside the entry names its field and
// nothing is written. An empty entry may take its default and be saved.
TEST_F(BadInputTest, CropFormAnswersEveryEntryWithAMessage) {
  folder_.Write("SA00012.csv", "a crop file the user had\n");
  KeepUsersFiles();
  MessageBoxWatcher boxes;
  window().NamedAction("InputCropSoil")->trigger();
  app::CropSoilEntryView* view = window().crop_soil_view();
  TCropSoilEntry& form = window().crop_soil_entry();
  const int almonds = view->crop_list()->findText(QStringLiteral("Almonds"));
  const std::pair<FormField*, CropField> entries[] = {
      {&form.SA, CropField::kSaNumber},
      {&form.HectaresPlanted, CropField::kArea},
      {&form.PlantingDate, CropField::kPlantingDate},
      {&form.EndingDate, CropField::kEndingDate},
      {&form.SoilType, CropField::kSoilType},
      {&form.MaxSoilDepth, CropField::kMaxSoilDepth},
      {&form.RootingDepth, CropField::kRootingDepth},
      {&form.AllowableDepletion, CropField::kAllowableDepletion},
      {&form.WettingFrequency, CropField::kWettingFrequency},
      {&form.PreIrrigated, CropField::kPreIrrigated},
      {&form.GroundCoverDateC, CropField::kGroundCoverC},
      {&form.GroundCoverDateD, CropField::kGroundCoverD},
      {&form.CoverCrop1Begin, CropField::kCoverCrop1},
      {&form.CoverCrop1End, CropField::kCoverCrop1},
      {&form.StressFactor, CropField::kStressFactor},
      {&form.StressStartingDate, CropField::kStressStart},
      {&form.StressEndingDate, CropField::kStressEnd}};
  std::vector<QString> bad_texts(std::begin(kBadTexts), std::end(kBadTexts));
  bad_texts.push_back(QStringLiteral("2,5"));  // a decimal comma
  for (const auto& [entry, field] : entries) {
    for (const QString& bad : bad_texts) {
      const std::string what =
          std::string(CropFieldLabel(field)) + " = '" + bad.toStdString() + "'";
      SCOPED_TRACE(what);
      window().ShowCropSoilEntry();  // empties the entries
      emit view->crop_list()->activated(almonds);
      TypeInto(view->EditOf(form.SA), QStringLiteral("12"));
      TypeInto(view->EditOf(form.HectaresPlanted), QStringLiteral("5"));
      TypeInto(view->EditOf(*entry), bad);
      const std::string file_before = folder_.Read("SA00012.csv");
      const size_t boxes_before = boxes.texts().size();
      QTest::mouseClick(view->save_button(), Qt::LeftButton);
      const bool warned = view->warning_view()->isVisible();
      const bool boxed = boxes.texts().size() > boxes_before;
      const std::string file_after = folder_.Read("SA00012.csv");
      const bool written = file_after != file_before;
      EXPECT_TRUE(written ? bad.isEmpty() : warned || boxed);
      EXPECT_FALSE((warned || boxed) && written) << "a refused row was written";
      if (written) {
        // One whole row was appended, ending its line.
        const std::string added = file_after.substr(file_before.size());
        EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 1) << added;
        EXPECT_EQ(added.back(), '\n');
      } else {
        const QLabel* beside = view->MessageOf(field);
        EXPECT_TRUE(beside->isVisible());
        EXPECT_TRUE(beside->text().simplified().contains(app::ToQt(CropFieldLabel(field)),
                                                         Qt::CaseInsensitive))
            << beside->text().toStdString();
      }
      if (warned) Child<QPushButton>(view->warning_view(), "ButtonOK")->click();
      ExpectUsersFilesKept(what);
    }
  }
}

}  // namespace
}  // namespace kelvaro::testing

namespace kelvaro::testing {
namespace {

// The finders, the normal-year dialog and the output viewer answer a bad SA number or name with
// their warning lines or a message box, and never hand a file to the spreadsheet.
TEST_F(BadInputTest, FindersAndViewerAnswerEveryTextWithAMessage) {
  folder_.CopyExamples({"SA00001.csv"});
  KeepUsersFiles();
  MessageBoxWatcher boxes;
  const char* kCommands[] = {"CsvBySA", "WrkByFilename", "EAWDAU",     "EtawBySA",
                             "EtcBySA", "CropSoilBySA",  "StaCropNorm"};
  int answered = 0;
  for (const char* command : kCommands) {
    const MainWindowCommand& found = *FindMainWindowCommand(command);
    for (const QString& bad : kBadTexts) {
      const std::string what = std::string(command) + " SA = '" + bad.toStdString() + "'";
      SCOPED_TRACE(what);
      window().RunCommand(found);
      auto* dialog = qobject_cast<app::SaFinderView*>(
          ShownWindow(QString::fromUtf8(found.window.data(), found.window.size())));
      ASSERT_NE(dialog, nullptr);
      TypeInto(dialog->sa(), bad);
      const size_t boxes_before = boxes.texts().size();
      QTest::mouseClick(Child<QPushButton>(dialog, "ButtonOK"), Qt::LeftButton);
      const bool warned = dialog->warning()->isVisible();
      answered += warned || boxes.texts().size() > boxes_before;
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_FALSE(window().run_active());
      ExpectUsersFilesKept(what);
      dialog->hide();
    }
  }
  // Only the crop information dialog may stay silent, for numbers it does not look up.
  EXPECT_GE(answered, static_cast<int>(std::size(kCommands) * std::size(kBadTexts)) - 4);
  EXPECT_TRUE(spreadsheet_->calls.empty() ||
              std::none_of(spreadsheet_->calls.begin(), spreadsheet_->calls.end(),
                           [](const std::string& call) { return call.starts_with("open"); }));

  window().NamedAction("ViewOutputFiles")->trigger();
  app::OutputFilesView* viewer = window().output_files_view();
  for (const char* kind : {"msw", "mse"}) {
    for (const QString& bad : kBadTexts) {
      SCOPED_TRACE(std::string(kind) + " '" + bad.toStdString() + "'");
      const int index = viewer->kinds()->findText(QString::fromLatin1(kind));
      viewer->kinds()->setCurrentIndex(index);
      emit viewer->kinds()->activated(index);
      TypeInto(viewer->station(), bad);
      QTest::mouseClick(Child<QPushButton>(viewer, "ButtonViewExcel"), Qt::LeftButton);
      EXPECT_TRUE(viewer->warning()->toPlainText().endsWith("An invalid input file name"));
      ExpectUsersFilesKept(kind);
    }
  }
  EXPECT_FALSE(std::filesystem::exists("/tmp/kelvaro-elsewhere.avg"));
}

}  // namespace
}  // namespace kelvaro::testing
