// Every kind of chart drawn from real runs: the Qt series hold the figures' points, and the
// pictures, written as PNG and SVG under screenshots/charts/ of the build folder, can be opened.
#include <gtest/gtest.h>

#include <QAreaSeries>
#include <QBarSet>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QSvgRenderer>
#include <QValueAxis>
#include <QXYSeries>
#include <filesystem>
#include <memory>
#include <set>

#include "analysis/chart_request.h"
#include "app/charts/chart_builder.h"
#include "app/charts/chart_toolkit.h"
#include "support/result_runs.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro::app {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

int PointCount(QAbstractSeries* series) {
  if (auto* area = qobject_cast<QAreaSeries*>(series)) return area->upperSeries()->count();
  if (auto* xy = qobject_cast<QXYSeries*>(series)) return xy->count();
  return -1;
}

size_t DistinctColours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 5) {
    for (int x = 0; x < image.width(); x += 5) colours.insert(image.pixel(x, y));
  }
  return colours.size();
}

// The pictures stay for a look by eye.
fs::path PictureFolder() {
  const fs::path folder = fs::path(KELVARO_SCREENSHOT_DIR) / "charts";
  fs::create_directories(folder);
  return folder;
}

// Measured Maricopa days through the bundled study area and the statistics, and five years
// generated from its monthly means.
class ChartDrawing : public testing::ResultRunsSuite {
 protected:
  static ChartRequest StudyArea(ChartKind kind) {
    return ChartRequest{.kind = kind, .folder = measured().path(), .sa5 = "00001"};
  }
  static ChartRequest Station(ChartKind kind, const TestFolder& folder) {
    return ChartRequest{.kind = kind, .folder = folder.path(), .station = "MARIC"};
  }

  // Writes the chart as PNG and SVG and checks both pictures open at their size.
  static void ExpectPictures(const ChartData& data, const std::string& name) {
    ChartToolkit toolkit;
    const fs::path png = PictureFolder() / (name + ".png");
    const fs::path svg = PictureFolder() / (name + ".svg");
    toolkit.Export(data, png, 1100, 650);
    toolkit.Export(data, svg, 1100, 650);

    QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_EQ(image.size(), QSize(1100, 650));
    EXPECT_GT(DistinctColours(image), 20u) << name << ": the picture is nearly empty";

    QSvgRenderer renderer(QString::fromStdString(svg.string()));
    ASSERT_TRUE(renderer.isValid()) << name;
    // The SVG drawn back, for a look beside the PNG.
    QImage drawn(QSize(1100, 650), QImage::Format_ARGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    drawn.save(QString::fromStdString((PictureFolder() / (name + ".svg.png")).string()));
    EXPECT_GT(DistinctColours(drawn), 20u) << name << ": the SVG draws nearly nothing";
    QFile file(QString::fromStdString(svg.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains(QString::fromStdString(data.title).toHtmlEscaped().toUtf8()))
        << name << ": no title in the SVG";
    EXPECT_GT(text.count("<path") + text.count("<polyline"), static_cast<int>(data.series.size()))
        << name;
  }
};

TEST_F(ChartDrawing, ASeasonHasFiveDailyLinesOnThreeAxesAndItsIrrigationsMarked) {
  ChartRequest request = StudyArea(ChartKind::kSeason);
  request.crop_number = 3;
  request.year = 2010;
  const ChartData data = BuildChartData(request);
  std::unique_ptr<QChart> chart(BuildChart(data));
  const auto series = chart->series();
  ASSERT_EQ(series.size(), 7);  // ETo, ETc, Kc, depletion, threshold, irrigations, pre-irrigation
  for (int i = 0; i < 5; ++i) EXPECT_EQ(PointCount(series[i]), 365) << i;
  EXPECT_NE(qobject_cast<QScatterSeries*>(series[5]), nullptr);
  EXPECT_EQ(PointCount(series[5]), static_cast<int>(data.series[5].x.size()));
  EXPECT_GT(PointCount(series[5]), 3);
  EXPECT_EQ(PointCount(series[6]), 1);
  EXPECT_EQ(chart->axes(Qt::Vertical).size(), 3);
  EXPECT_EQ(series[2]->attachedAxes().back()->titleText(), "Kc");
  ExpectPictures(data, "season");
}

TEST_F(ChartDrawing, MonthlyEtawStacksOneBarSetPerCrop) {
  const ChartData data = BuildChartData(StudyArea(ChartKind::kMonthlyEtaw));
  std::unique_ptr<QChart> chart(BuildChart(data));
  ASSERT_EQ(chart->series().size(), 1);
  auto* bars = qobject_cast<QStackedBarSeries*>(chart->series()[0]);
  ASSERT_NE(bars, nullptr);
  ASSERT_EQ(bars->count(), 6);
  for (QBarSet* set : bars->barSets()) EXPECT_EQ(set->count(), 12);
  EXPECT_EQ(bars->barSets()[2]->label(), "Corn (grain)");
  // The value axis reaches the largest month's stack.
  double highest = 0.0;
  for (int m = 0; m < 12; ++m) {
    double stack = 0.0;
    for (QBarSet* set : bars->barSets()) stack += set->at(m);
    highest = std::max(highest, stack);
  }
  auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
  EXPECT_GE(axis->max(), highest);
  ExpectPictures(data, "monthly-etaw");
}

TEST_F(ChartDrawing, AnnualEtawHasAPointPerYearAndItsMean) {
  ChartRequest request = StudyArea(ChartKind::kAnnualEtaw);
  request.unit = VolumeUnit::kAcreFeet;
  const ChartData data = BuildChartData(request);
  std::unique_ptr<QChart> chart(BuildChart(data));
  ASSERT_EQ(chart->series().size(), 2);
  EXPECT_EQ(PointCount(chart->series()[0]), 18);
  EXPECT_EQ(PointCount(chart->series()[1]), 18);
  ExpectPictures(data, "annual-etaw");
}

TEST_F(ChartDrawing, GeneratedMeansHaveTwelveMonthsForEachOfThreeSeries) {
  const ChartData data = BuildChartData(Station(ChartKind::kGenerated, generated()));
  std::unique_ptr<QChart> chart(BuildChart(data));
  ASSERT_EQ(chart->series().size(), 3);
  for (QAbstractSeries* series : chart->series()) EXPECT_EQ(PointCount(series), 12);
  ExpectPictures(data, "generated");
}

TEST_F(ChartDrawing, DailyStatisticsHaveAMeanLineInsideItsBand) {
  const ChartData data = BuildChartData(Station(ChartKind::kDailyStatistics, measured()));
  std::unique_ptr<QChart> chart(BuildChart(data));
  ASSERT_EQ(chart->series().size(), 2);
  auto* band = qobject_cast<QAreaSeries*>(chart->series()[0]);
  ASSERT_NE(band, nullptr);
  EXPECT_EQ(band->upperSeries()->count(), 366);
  EXPECT_EQ(band->lowerSeries()->count(), 366);
  EXPECT_EQ(PointCount(chart->series()[1]), 366);
  ExpectPictures(data, "daily-stats");
}

TEST_F(ChartDrawing, OnlyPngAndSvgAreWrittenAndNothingElse) {
  TestFolder folder;
  ChartToolkit toolkit;
  const ChartData data = BuildChartData(StudyArea(ChartKind::kAnnualEtaw));
  try {
    toolkit.Export(data, folder / "annual.bmp");
    ADD_FAILURE() << "a .bmp accepted";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()), "annual.bmp: a chart is written as .png or .svg");
  }
  EXPECT_EQ(folder.Listing(), "");
  toolkit.Export(data, folder / "annual.SVG");
  EXPECT_EQ(folder.Listing(), "annual.SVG\n");
}

}  // namespace
}  // namespace kelvaro::app
