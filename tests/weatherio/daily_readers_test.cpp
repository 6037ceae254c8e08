#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "weatherio/daily_temperature_file.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/rain_and_evaporation_file.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

struct DailyReader {
  const char* ext;
  const char* values;  // the columns after Year, Mon, Day, DOY
  std::function<void(const TextFile&)> read;
};

const DailyReader kReaders[] = {
    {"day", "10,20,10,2,5,0", [](const TextFile& f) { ParseWeatherDays(f, false); }},
    {"wrk", "10,20,10,2,5,0,3",
     [](const TextFile& f) { ParseWeatherDays(f, true, WeatherChecks::kRainAndEto); }},
    {"dtm", "20,10,0", [](const TextFile& f) { ParseTemperatureDays(f, DayOrder::kCalendar); }},
    {"dpn", "0,5",
     [](const TextFile& f) { ParseRainAndEvaporationDays(f, EvaporationColumn::kEPan); }},
    {"det", "0,5",
     [](const TextFile& f) { ParseRainAndEvaporationDays(f, EvaporationColumn::kETo); }},
};

struct Date {
  int year, month, day, doy;
};

std::string Line(const Date& d, const std::string& values) {
  return Printf("%d,%d,%d,%d,", d.year, d.month, d.day, d.doy) + values + "\n";
}

std::string Refusal(const DailyReader& reader, const std::string& data_lines) {
  const std::string name = std::string("STATN.") + reader.ext;
  try {
    reader.read(TextFile{name, SplitLines(name + "\nnames\nunits\n" + data_lines)});
  } catch (const InputError& error) {
    return error.what();
  }
  return "accepted";
}

int FieldCount(const std::string& values) {
  return 5 + static_cast<int>(std::count(values.begin(), values.end(), ','));
}

TEST(DailyReaders, EveryDailyReaderRefusesTheSameDatesAndLinesInTheSameWords) {
  struct Case {
    const char* what;
    std::vector<Date> dates;
    std::string message;  // after "STATN.<ext>, line <n>: "
  };
  const Case cases[] = {
      {"day 366 of a 365-day year",
       {{2003, 12, 31, 366}},
       "line 4: DOY 366 in 2003, a year of 365 days (only years divisible by 4 have a day 366)"},
      {"Mon and Day after a leap day",
       {{2004, 3, 1, 60}},
       "line 4: DOY 60 of 2004 is Mon 2, Day 29, not Mon 3, Day 1; correct Mon, Day or DOY"},
      {"April 31",
       {{2003, 4, 31, 121}},
       "line 4: DOY 121 of 2003 is Mon 5, Day 1, not Mon 4, Day 31; correct Mon, Day or DOY"},
      {"days out of order",
       {{2004, 1, 2, 2}, {2004, 1, 1, 1}},
       "line 5: day 1 of 2004 comes after day 2"},
  };
  for (const DailyReader& reader : kReaders) {
    const std::string name = std::string("STATN.") + reader.ext;
    EXPECT_EQ(Refusal(reader, Line({2004, 2, 29, 60}, reader.values) +
                                  Line({2004, 12, 31, 366}, reader.values)),
              "accepted")
        << name;
    for (const Case& c : cases) {
      std::string lines;
      for (const Date& date : c.dates) lines += Line(date, reader.values);
      EXPECT_EQ(Refusal(reader, lines), name + ", " + c.message) << name << ": " << c.what;
    }
    // Fields are taken from the right: a decimal comma once made the Year "2004,1".
    const std::string values = std::string(reader.values) + ",0";
    EXPECT_EQ(Refusal(reader, Line({2004, 1, 1, 1}, values)),
              Printf("%s, line 4 has %d fields where %d are expected (a decimal comma, or an "
                     "extra column?)",
                     name.c_str(), FieldCount(values), FieldCount(reader.values)));
  }
}

}  // namespace
}  // namespace kelvaro
