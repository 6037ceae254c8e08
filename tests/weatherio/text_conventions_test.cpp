#include <gtest/gtest.h>

#include "support/test_folder.h"
#include "weatherio/calendar.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/missing_value.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

using Lines = std::vector<std::string>;

TEST(NumberParse, TrimsBlanksAndLineEnds) {
  EXPECT_FLOAT_EQ(ParseFloat(" 26.9 "), 26.9f);
  EXPECT_FLOAT_EQ(ParseFloat("\t-3.5\r\n"), -3.5f);
  EXPECT_FLOAT_EQ(ParseFloat("+2"), 2.0f);
  EXPECT_EQ(ParseInt("   266"), 266);
  EXPECT_EQ(ParseInt("-15"), -15);
}

TEST(NumberParse, RefusesWhatIsNotANumberQuotingIt) {
  const std::pair<const char*, const char*> floats[] = {
      {"12,5x", "'12,5x' is not a valid floating point value"},
      {"", "'' is not a valid floating point value"},
      {" 1.2.3 ", "'1.2.3' is not a valid floating point value"},
      {"nine", "'nine' is not a valid floating point value"},
      {"nan", "'nan' is not a valid floating point value"},
      {" inf", "'inf' is not a valid floating point value"},
      {"-Infinity", "'-Infinity' is not a valid floating point value"},
      {"1e50", "'1e50' is not a valid floating point value"},
  };
  for (const auto& [text, message] : floats) {
    try {
      ParseFloat(text);
      ADD_FAILURE() << text;
    } catch (const ConversionError& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }
  EXPECT_THROW(ParseInt("2.5"), ConversionError);
  EXPECT_THROW(ParseInt("99999999999"), ConversionError);
}

TEST(MissingValue, OnlyMinus999IsMissing) {
  EXPECT_TRUE(IsMissing(ParseFloat("-999")));
  EXPECT_TRUE(IsMissing(ParseFloat("-999.0")));
  EXPECT_FALSE(IsMissing(ParseFloat("-998.99")));
}

TEST(Calendar, FebruaryFollowsTheYearWithoutCenturyRule) {
  EXPECT_EQ(DayNum(2000)[1], 29);
  EXPECT_EQ(DayNum(1996)[1], 29);
  EXPECT_EQ(DayNum(1900)[1], 29);
  EXPECT_EQ(DayNum(1999)[1], 28);
  EXPECT_EQ(DayNum(2001)[1], 28);
  EXPECT_EQ(DaysInYear(2004), 366);
}

TEST(Calendar, DayOfYearToMonthAndBack) {
  EXPECT_EQ(MonthAndDayOfYear(32, 2001).month, 2);
  EXPECT_EQ(MonthAndDayOfYear(32, 2001).day, 1);
  EXPECT_EQ(MonthAndDayOfYear(60, 2001).month, 3);
  EXPECT_EQ(MonthAndDayOfYear(60, 2000).month, 2);
  EXPECT_EQ(MonthAndDayOfYear(60, 2000).day, 29);
  EXPECT_EQ(MonthAndDayOfYear(365, 2001).day, 31);
  EXPECT_EQ(DayOfYear(9, 23, 1989), 266);
  EXPECT_EQ(DayOfYear(12, 31, 2000), 366);
}

TEST(TextFile, AcceptsLfCrlfByteOrderMarkAndLongLines) {
  EXPECT_EQ(SplitLines("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("\xEF\xBB\xBF"
                       "a\r\n\r\nb\r\n"),
            (Lines{"a", "", "b"}));
  const std::string long_line(1000, 'x');
  EXPECT_EQ(SplitLines(long_line + "\n"), Lines{long_line});
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(StationLine, WidthsAreMinimumWidths) {
  EXPECT_EQ(StationLine("Davis", "38.5", "18.5"), " Davis,38.5,18.5\n");
  EXPECT_EQ(StationLine("Lodi", "38.1", "7"), "  Lodi,38.1,   7\n");
  EXPECT_EQ(StationLine("Davis_dpn", "-12.75", "1200"), " Davis_dpn,-12.75,1200\n");
}

TEST(StationLine, LatitudeAndElevationAreReadWhereTheyAreNumbers) {
  using Texts = std::pair<std::optional<std::string>, std::optional<std::string>>;
  const struct {
    const char* line;
    Texts numbers;
  } cases[] = {
      {" MARIC,33.07, 361", {"33.07", "361"}},
      {"Davis.day,38.5,18.5", {"38.5", "18.5"}},  // a template's first line
      {"A,B,-12.75,1200", {"-12.75", "1200"}},    // a tag holding a comma stays whole
      {"Davis.day,,", {std::nullopt, std::nullopt}},
      {" MARIC,33N, 361", {std::nullopt, "361"}},
      {"  Year,  Mon, Day", {std::nullopt, std::nullopt}},
      {"no commas", {std::nullopt, std::nullopt}},
      {"", {std::nullopt, std::nullopt}},
  };
  for (const auto& test : cases) {
    const StationLineNumbers numbers = ParseStationLineNumbers(test.line);
    EXPECT_EQ(Texts(numbers.latitude, numbers.elevation), test.numbers) << test.line;
  }
}

TEST(FileNaming, NamesAreFoundWithoutRegardToCase) {
  testing::TestFolder folder;
  folder.Write("SA00001.csv", "rows");
  EXPECT_EQ(FindInFolder(folder.path(), "SA00001.CSV").filename(), "SA00001.csv");
  EXPECT_EQ(FindInFolder(folder.path(), "SA00002.CSV").filename(), "SA00002.CSV");
  EXPECT_TRUE(IsSafeName("BrownValley"));
  EXPECT_TRUE(IsSafeName("Davis.v2"));
  for (const char* unsafe : {"../x", "a/b", "a\\b", "..", "a\nb"}) {
    EXPECT_FALSE(IsSafeName(unsafe)) << unsafe;
    EXPECT_THROW(CheckSafeName(unsafe, "station name"), InputError);
  }
}

TEST(OutputFile, NothingAppearsUntilCommitAndAnAbandonedFileLeavesTheOldOne) {
  testing::TestFolder folder;
  folder.Write("Davis.eto", "old");
  {
    OutputFile file(folder / "Davis.eto");
    file.Write("new half");
  }
  EXPECT_EQ(folder.Read("Davis.eto"), "old");
  EXPECT_EQ(folder.Listing(), "Davis.eto\n");
  OutputFile file(folder / "Davis.eto");
  file.Write("new ");
  file.Write("whole");
  file.Commit();
  EXPECT_EQ(folder.Read("Davis.eto"), "new whole");
  AppendToFile(folder / "Davis.eto", "\nmore");
  EXPECT_EQ(folder.Read("Davis.eto"), "new whole\nmore");
}

}  // namespace
}  // namespace kelvaro
