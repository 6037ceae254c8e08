// The generator chains on the measured stations' own means: a cold and humid climate (De Bilt),
// two deserts, the southern hemisphere and 60 N all give physically possible days.
#include <gtest/gtest.h>

#include <algorithm>

#include "dispatch/run_dialog.h"
#include "support/example_conversions.h"
#include "support/recording_navigator.h"
#include "support/test_folder.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

struct Station {
  const char* stem;
  const char* latitude;
  const char* elevation;
};
constexpr Station kStations[] = {
    {"DEBIL", "52.10", "2"}, {"MOHAV", "34.97", "148"}, {"MARIC", "33.07", "361"}};

// The lowest and highest temperature (TMax, TMin or Td) of a file's days.
struct Extremes {
  float low = 1e9f;
  float high = -1e9f;
  void Add(float t) {
    if (t == -999.0f) return;
    low = std::min(low, t);
    high = std::max(high, t);
  }
};

using Rows = std::vector<std::vector<std::string>>;

Rows DataRows(const std::string& text, size_t columns) {
  Rows rows;
  const auto lines = SplitLines(text);
  for (size_t i = 3; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    rows.emplace_back();
    for (const auto& field : SplitFieldsFromRight(lines[i], columns)) {
      rows.back().emplace_back(Trim(field));
    }
  }
  return rows;
}

class GeneratedStationsTest : public ::testing::Test {
 protected:
  GeneratedStationsTest() { folder_.CopyExamples({"SA00001.csv"}); }

  // Runs kind `ext` on STEM.ext through the run dialog; the lines the dialog warned, or the
  // message of the operation that refused the input.
  std::string Run(const Station& station, const char* ext, const char* years) {
    TGetData dialog(session_, navigator_);
    dialog.SetExtension(ext);
    dialog.FormActivate();
    dialog.Station.text = station.stem;
    dialog.Latitude.text = station.latitude;
    dialog.Elevation.text = station.elevation;
    dialog.SA.text = "1";
    dialog.Years.text = years;
    try {
      dialog.ButtonOKClick();
    } catch (const InputError& e) {
      return e.what();
    }
    std::string refused;
    for (const auto& line : dialog.Warning.lines) refused += line;
    for (const auto& box : reporter_.boxes()) refused += box;
    return refused;
  }

  std::string Measured(const Station& station, const char* ext) const {
    return testing::ReadBytes(testing::StationDataPath(std::string(station.stem) + ext));
  }

  // Every day of a generated file: dew point at or below TMax, temperatures within 15 oC of
  // the measured record's extremes.
  void ExpectPossibleDays(const std::string& name, const Extremes& measured) const {
    const Rows days = DataRows(folder_.Read(name), name.ends_with(".gen") ? 10 : 11);
    ASSERT_GT(days.size(), 700u) << name;
    for (const auto& day : days) {
      const float tmax = ParseFloat(day[5]);
      const float tmin = ParseFloat(day[6]);
      const float td = ParseFloat(day[8]);
      for (float t : {tmax, tmin, td}) {
        if (t == -999.0f) continue;
        ASSERT_GE(t, measured.low - 15.0f) << name << " day " << day[3] << " of year " << day[0];
        ASSERT_LE(t, measured.high + 15.0f) << name << " day " << day[3] << " of year " << day[0];
      }
      ASSERT_LE(td, tmax) << name << " day " << day[3] << " of year " << day[0];
    }
  }

  static Extremes TemperatureExtremes(const std::string& day_file) {
    Extremes extremes;
    for (const WeatherDay& d : ParseWeatherDays(TextFile{"day", SplitLines(day_file)}, false)) {
      for (float t : {d.tmax, d.tmin, d.td}) extremes.Add(t);
    }
    return extremes;
  }

  testing::TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
  testing::RecordingNavigator navigator_;
};

TEST_F(GeneratedStationsTest, MonthlyMeansOfEveryStationGiveDaysItCouldHaveMeasured) {
  for (const Station& station : kStations) {
    const std::string stem = station.stem;
    const std::string mon = Measured(station, ".mon");
    folder_.Write(stem + ".mon", mon);
    const Extremes measured = TemperatureExtremes(Measured(station, ".day"));
    for (const char* years : {"2", "10", "30", "99"}) {
      SCOPED_TRACE(stem + " over " + years + " years");
      ASSERT_EQ(Run(station, "mon", years), "");
      ExpectPossibleDays(stem + ".gen", measured);
      // The rescaled block of .wxr is the input: Solar, TMax, TMin, Wind, Td and Pcp.
      const Rows input = DataRows(mon, 9);
      const Rows wxr = DataRows(folder_.Read(stem + ".wxr"), 9);
      for (size_t m = 0; m < 12; ++m) {
        for (size_t column = 1; column <= 6; ++column) {
          EXPECT_EQ(wxr[12 + m][column], input[m][column]) << "month " << m + 1;
        }
      }
    }
  }
}

TEST_F(GeneratedStationsTest, TemperatureTablesAndFilesOfEveryStationGiveDaysItCouldHaveMeasured) {
  for (const Station& station : kStations) {
    const std::string stem = station.stem;
    const std::string day = Measured(station, ".day");
    folder_.Write(stem + ".mtm", testing::TemperatureTableOf(Measured(station, ".mon")));
    folder_.Write(stem + ".dtm", testing::DailyTemperatureFileOf(day));
    for (const char* ext : {"mtm", "dtm"}) {
      for (const char* years : {"10", "30"}) {
        SCOPED_TRACE(stem + " " + ext + " over " + years + " years");
        ASSERT_EQ(Run(station, ext, years), "");
        ExpectPossibleDays(stem + ".wrk", TemperatureExtremes(day));
      }
    }
  }
}

// A monthly table a user could type: each edit either runs to possible days or is refused
// naming the month.
TEST_F(GeneratedStationsTest, UnusualMonthlyMeansRunToPossibleDays) {
  const std::string mon = Measured(kStations[2], ".mon");
  const Extremes measured = TemperatureExtremes(Measured(kStations[2], ".day"));
  auto with_january = [&](const std::string& row) {
    const size_t start = mon.find("\n    1,") + 1;
    return mon.substr(0, start) + row + mon.substr(mon.find('\n', start));
  };
  struct Case {
    const char* what;
    std::string means;
    Station station;
  };
  const Case cases[] = {
      {"southern hemisphere", mon, {"MARIC", "-33.07", "361"}},
      {"60 N", Measured(kStations[0], ".mon"), {"MARIC", "60", "2"}},
      {"calm January",
       with_january("    1,   12.14,   19.72,    2.58,    0.50,    0.61,   18.19,"
                    "    3.06, -999.00"),
       kStations[2]},
      {"dry January",
       with_january("    1,   12.14,   19.72,    2.58,    1.43,    0.61,    0.00,"
                    "    0.00, -999.00"),
       kStations[2]},
      {"TMax below TMin",
       with_january("    1,   12.14,    1.00,    2.58,    1.43,    0.61,   "
                    "18.19,    3.06, -999.00"),
       kStations[2]},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    folder_.Write("MARIC.mon", c.means);
    ASSERT_EQ(Run(c.station, "mon", "10"), "");
    ExpectPossibleDays("MARIC.gen", {std::min(measured.low, -20.0f), measured.high});
  }
  // The calm month's days blow at its mean, and the rescaled block shows it.
  folder_.Write("MARIC.mon", cases[2].means);
  ASSERT_EQ(Run(kStations[2], "mon", "10"), "");
  int mid_januaries = 0;
  for (const auto& day : DataRows(folder_.Read("MARIC.gen"), 10)) {
    if (day[3] != "15") continue;
    EXPECT_EQ(day[7], "0.50") << "year " << day[0];
    ++mid_januaries;
  }
  EXPECT_EQ(mid_januaries, 10);
  EXPECT_EQ(DataRows(folder_.Read("MARIC.wxr"), 9)[12][4], "0.50");
}

}  // namespace
}  // namespace kelvaro
