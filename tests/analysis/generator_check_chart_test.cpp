// The generator check's chart, from a comparison and from the file the check writes.
#include "analysis/generator_check_chart.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "analysis/chart_request.h"
#include "analysis/generator_check_file.h"
#include "generator/record_comparison.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"
#include "weatherio/missing_value.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using testing::TestFolder;

constexpr double kWritten = 0.005;  // the file holds two decimals

const CheckedVariable& Checked(const std::string& name) {
  for (const CheckedVariable& variable : kGeneratorCheckVariables) {
    if (variable.name == name) return variable;
  }
  throw std::runtime_error("no variable " + name);
}

// The message `read` is refused with; "accepted" when it is not.
std::string RefusalOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const InputError& error) {
    return error.what();
  }
  return "accepted";
}

// Two records whose every month differs; the measured ETo has no February.
RecordComparison Compared() {
  RecordFigures measured;
  RecordFigures generated;
  for (size_t v = 0; v < kDailyVariableCount; ++v) {
    for (size_t m = 0; m < 12; ++m) {
      measured.daily[v].mean[m] = 10.0f + static_cast<float>(m);
      measured.daily[v].sd[m] = 1.0f + 0.25f * static_cast<float>(m);
      generated.daily[v].mean[m] = 10.5f + static_cast<float>(m);
      generated.daily[v].sd[m] = 0.5f;
      measured.rain[m] = 3.0f * static_cast<float>(m);
      generated.rain[m] = 2.0f * static_cast<float>(m);
    }
  }
  measured.daily[kDailyEto].mean[1] = kMissing;
  return CompareRecords(measured, generated);
}

TEST(GeneratorCheckChart, MeasuredIsTheReferenceWithItsBandOfOneSdAndAMissingMonthIsLeftOut) {
  const ChartData eto = GeneratorCheckChart(Compared(), "MARIC", Checked("ETo"));
  EXPECT_EQ(eto.title, "MARIC: measured against generated, ETo (mm), monthly mean ± 1 sd");
  ASSERT_EQ(eto.series.size(), 4u);
  const ChartSeries& measured_band = eto.series[0];
  const ChartSeries& generated_band = eto.series[1];
  const ChartSeries& measured = eto.series[2];
  EXPECT_EQ(measured_band.style, SeriesStyle::kBand);
  EXPECT_EQ(measured.style, SeriesStyle::kReferenceLine);
  EXPECT_EQ(measured.colour, measured_band.colour);
  EXPECT_NE(measured.colour, generated_band.colour);
  // February is missing in the measured record only: July is the sixth measured point.
  ASSERT_EQ(measured_band.x.size(), 11u);
  ASSERT_EQ(generated_band.x.size(), 12u);
  EXPECT_EQ(measured_band.x[5], 7.0);
  EXPECT_DOUBLE_EQ(measured_band.y[5], 16.0 + 2.5);
  EXPECT_DOUBLE_EQ(measured_band.lower[5], 16.0 - 2.5);
  EXPECT_DOUBLE_EQ(generated_band.lower[6], 16.5 - 0.5);
  EXPECT_EQ(measured.x.size(), 11u);

  const ChartData rain = GeneratorCheckChart(Compared(), "MARIC", Checked("Rain"));
  ASSERT_EQ(rain.series.size(), 2u);  // totals only: no band
  EXPECT_EQ(rain.series[0].y[11], 33.0);
  EXPECT_EQ(rain.series[1].y[11], 22.0);
}

TEST(GeneratorCheckFile, ReadsBackWhatTheCheckWroteAndRefusesAMalformedFileByNameAndLine) {
  TestFolder folder;
  const RecordComparison written = Compared();
  const std::string text = GeneratorCheckCsv(written, "Generator check of MARIC");
  folder.Write("GeneratorCheckforMARIC.csv", text);
  const GeneratorCheckFile read = ReadGeneratorCheck(folder.path(), "MARIC");
  EXPECT_EQ(read.title, "Generator check of MARIC");
  EXPECT_EQ(read.comparison.verdicts, written.verdicts);
  ASSERT_EQ(read.comparison.figures.size(), written.figures.size());
  for (size_t i = 0; i < written.figures.size(); ++i) {
    const ComparedFigure& w = written.figures[i];
    const ComparedFigure& r = read.comparison.figures[i];
    EXPECT_EQ(r.variable + r.statistic + r.unit, w.variable + w.statistic + w.unit) << i;
    EXPECT_EQ(r.month, w.month) << i;
    EXPECT_EQ(r.temperature, w.temperature) << i;
    EXPECT_NEAR(r.measured, w.measured, kWritten) << i;
    EXPECT_NEAR(r.generated, w.generated, kWritten) << i;
  }
  const ChartData drawn = BuildChartData({.kind = ChartKind::kGeneratorCheck,
                                          .folder = folder.path(),
                                          .station = "MARIC",
                                          .variable = "wet days"});
  EXPECT_EQ(drawn.series.size(), 2u);

  std::vector<std::string> lines = SplitLines(text);
  struct Case {
    const char* what;
    size_t line;  // 0-based; replaced by `replacement`
    std::string replacement;
    std::string message;
  };
  const Case cases[] = {
      {"a value that is not a number", 4, "TMax,mean,oC,3,25.9x,25.94,0.00,",
       "GeneratorCheckforMARIC.csv, line 5: Measured '25.9x' is not a valid floating point value"},
      {"a month out of the year", 4, "TMax,mean,oC,13,25.9,25.94,0.00,",
       "GeneratorCheckforMARIC.csv, line 5: Month 13 is neither 1 to 12 nor Year"},
      {"a field left out", 6, "TMax,mean,oC,3,25.9,25.94,0.00",
       "GeneratorCheckforMARIC.csv, line 7: expected 8 fields, found 7"},
      {"another file's columns", 1, "Year,DOY,ETo",
       "GeneratorCheckforMARIC.csv, line 2: expected the column line \"Variable,Statistic,Unit,"
       "Month,Measured,Generated,Difference,Difference %\""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> changed = lines;
    changed[c.line] = c.replacement;
    EXPECT_EQ(RefusalOf([&] {
                ReadGeneratorCheckCsv({"GeneratorCheckforMARIC.csv", changed});
              }),
              c.message)
        << c.what;
  }
  lines.resize(10);
  EXPECT_EQ(RefusalOf([&] {
              ReadGeneratorCheckCsv({"GeneratorCheckforMARIC.csv", lines});
            }),
            "GeneratorCheckforMARIC.csv is cut short: it ends before its Verdict line");
  EXPECT_EQ(RefusalOf([&] { ReadGeneratorCheck(folder.path(), "OTHER"); }),
            "GeneratorCheckforOTHER.csv is missing; a generator check writes it");
}

}  // namespace
}  // namespace kelvaro
