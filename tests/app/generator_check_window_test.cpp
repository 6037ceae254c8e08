// The generator check of the Output Files menu on Maricopa's measured days, with a picture of
// the window under screenshots/.
#include "app/generator_check_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QChart>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app_test_support.h"

namespace kelvaro::testing {
namespace {

constexpr int kRunMilliseconds = 60000;

class GeneratorCheckWindowTest : public MainWindowTest {};

TEST_F(GeneratorCheckWindowTest, ARunShowsVerdictsFiguresAndChartAndWritesTheFileOrSaysWhyNot) {
  std::filesystem::copy_file(StationDataPath("MARIC.day"), folder_ / "MARIC.day");
  QAction* item = MenuItem(QStringLiteral("Output Files"), QStringLiteral("Generator Check..."));
  ASSERT_NE(item, nullptr);
  item->trigger();
  QApplication::processEvents();
  auto* check = window().findChild<app::GeneratorCheckWindow*>();
  ASSERT_NE(check, nullptr);
  ASSERT_TRUE(check->isVisible());
  EXPECT_EQ(check->station()->currentText(), "MARIC");  // the data folder's .day files
  EXPECT_EQ(check->years()->value(), 30);

  check->years()->setValue(2);
  QTest::mouseClick(Child<QPushButton>(check, "Run"), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(check->variable()->isEnabled(), kRunMilliseconds);
  EXPECT_FALSE(check->message()->isVisible()) << check->message()->text().toStdString();
  EXPECT_TRUE(folder_.Has("GeneratorCheckforMARIC.csv"));
  EXPECT_TRUE(check->title()->text().startsWith(
      "Generator check of MARIC: 18 measured years of MARIC.day against 2 years generated"))
      << check->title()->text().toStdString();
  const QStringList verdicts = check->verdicts()->text().split(QLatin1Char('\n'));
  ASSERT_EQ(verdicts.size(), 11);
  EXPECT_TRUE(verdicts.front().startsWith("TMax: ")) << verdicts.front().toStdString();
  EXPECT_TRUE(verdicts.back().startsWith("Annual ETo: ")) << verdicts.back().toStdString();
  const QAbstractItemModel* figures = check->panel()->view()->model();
  // Six daily variables' monthly means and sd, four monthly figures with their year, annual ETo.
  EXPECT_EQ(figures->rowCount(), 6 * 24 + 4 * 13 + 2);
  EXPECT_EQ(figures->headerData(7, Qt::Horizontal).toString(), "Difference %");
  ASSERT_NE(check->view()->chart(), nullptr);
  EXPECT_EQ(check->view()->chart()->series().size(), 4);
  EXPECT_EQ(check->view()->chart()->title(),
            "MARIC: measured against generated, ETo (mm), monthly mean ± 1 sd");
  SaveScreenshot(check, "generator_check_window");
  check->variable()->setCurrentText(QStringLiteral("Rain"));
  EXPECT_EQ(check->view()->chart()->series().size(), 2);

  check->station()->setCurrentText(QStringLiteral("NOSTA"));
  QTest::mouseClick(Child<QPushButton>(check, "Run"), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(check->message()->isVisible(), kRunMilliseconds);
  EXPECT_TRUE(check->message()->text().startsWith("Couldn't read NOSTA.day"))
      << check->message()->text().toStdString();
  EXPECT_EQ(figures->rowCount(), 0);  // Maricopa's figures are not left in view
  EXPECT_FALSE(check->variable()->isEnabled());
  SaveScreenshot(check, "generator_check_window_refusal");
}

}  // namespace
}  // namespace kelvaro::testing
