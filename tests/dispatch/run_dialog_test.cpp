#include "dispatch/run_dialog.h"

#include <gtest/gtest.h>

#include "support/recording_navigator.h"
#include "support/test_folder.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

using Lines = std::vector<std::string>;

class RunDialogTest : public ::testing::Test {
 protected:
  RunDialogTest() {
    dialog_.SetExtension("day");
    dialog_.FormActivate();
  }

  void Fill(const char* station, const char* latitude, const char* elevation, const char* sa) {
    dialog_.Station.text = station;
    dialog_.Latitude.text = latitude;
    dialog_.Elevation.text = elevation;
    dialog_.SA.text = sa;
  }

  Lines Press() {
    dialog_.ButtonOKClick();
    EXPECT_EQ(dialog_.Warning.visible, !dialog_.Warning.lines.empty());
    return dialog_.Warning.lines;
  }

  testing::TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
  testing::RecordingNavigator navigator_;
  TGetData dialog_{session_, navigator_};
};

TEST_F(RunDialogTest, FieldMessagesComeInOrder) {
  struct Case {
    const char *station, *latitude, *elevation, *sa;
    Lines expected;
  };
  const Case cases[] = {
      {"",
       "",
       "",
       "",
       {"Enter the station name", "Enter the latitude in degrees", "Enter the elevation in meters",
        "Enter the SA number"}},
      {"Davis",
       "91",
       "-201",
       "1",
       {"Latitude should be between -90 and 90 degrees",
        "Elevation should be between -200 and 4000 meters"}},
      {"Davis",
       "-90.5",
       "4001",
       "",
       {"Latitude should be between -90 and 90 degrees",
        "Elevation should be between -200 and 4000 meters", "Enter the SA number"}},
      // Values on a bound are refused and named, not left with an empty panel.
      {"Davis", "90", "18.5", "1", {"Latitude should be between -90 and 90 degrees"}},
      {"Davis", "-90", "18.5", "1", {"Latitude should be between -90 and 90 degrees"}},
      {"Davis", "38.5", "4000", "1", {"Elevation should be between -200 and 4000 meters"}},
      {"Davis", "38.5", "-200", "1", {"Elevation should be between -200 and 4000 meters"}},
  };
  for (const Case& c : cases) {
    Fill(c.station, c.latitude, c.elevation, c.sa);
    EXPECT_EQ(Press(), c.expected) << c.latitude << " " << c.elevation;
    EXPECT_EQ(dialog_.DataReady, "no");
  }
  EXPECT_TRUE(navigator_.events.empty());
  EXPECT_EQ(folder_.Listing(), "");
}

TEST_F(RunDialogTest, ANumberThatIsNotWhollyANumberAbandonsTheRun) {
  // The operations read five characters ("33.07"), but what was typed is no number.
  for (const char* latitude : {"38,5x", "33.07.1", "33.07abc"}) {
    Fill("Davis", latitude, "18.5", "1");
    EXPECT_THROW(dialog_.ButtonOKClick(), ConversionError) << latitude;
  }
}

TEST_F(RunDialogTest, FileChecksUseTheNamesTheOperationsRead) {
  Fill("Davisville", "38.5", "18.5", "7");
  // The system's line, then which file was looked for where.
  const std::string looked = "Looked for Davis.day in " +
                             std::filesystem::absolute(folder_.path()).lexically_normal().string() +
                             " (a file is named by the first five characters of the station: "
                             "'Davisville' reads Davis.day)";
  EXPECT_EQ(Press(), (Lines{"An invalid input filename", looked + ": there is no such file"}));
  folder_.Write("Davisville.day", "");  // the full station name does not count
  EXPECT_EQ(Press(), (Lines{"An invalid input filename",
                            looked + ": rename Davisville.day to Davis.day, or copy it"}));
  folder_.Write("Davis.day", "");
  EXPECT_EQ(Press(), Lines{"An invalid SA number"});
  folder_.Write("SA00007.csv", "");  // the crop form writes lower case
  dialog_.SA.text = "8";
  EXPECT_EQ(Press(), Lines{"An invalid SA number"});
  // A text that would name a crop file of another number than the one typed.
  for (const char* sa : {"-1", "0", "+7", "7.0", "123456"}) {
    folder_.Write("SA000" + std::string(sa) + ".csv", "");
    dialog_.SA.text = sa;
    EXPECT_EQ(Press(), Lines{"The SA number should be a whole number from 1 to 99999"}) << sa;
  }
}

TEST_F(RunDialogTest, YearsAndFetchChecksOfTheRows) {
  Fill("Davis", "38.5", "18.5", "1");
  dialog_.SetExtension("mon");
  EXPECT_EQ(Press(), Lines{"Enter number of years for simulation"});
  dialog_.Years.text = "1";
  EXPECT_EQ(Press(), Lines{"Number of years should be larger than 1"});
  dialog_.Years.text = "2";
  EXPECT_EQ(Press().front(), "An invalid input filename");

  dialog_.SetExtension("mpn");
  dialog_.Years.text = "";
  EXPECT_EQ(Press(), (Lines{"Enter number of years for simulation", "Enter a fetch value"}));
  dialog_.Years.text = "1";
  EXPECT_EQ(Press(), Lines{"Enter a fetch value"});
  dialog_.FetchVal.text = "5000";
  EXPECT_EQ(Press(), Lines{"Number of years should be larger than 1"});
  dialog_.Years.text = "120";  // would be read as 12
  EXPECT_EQ(Press(), Lines{"Number of years should be at most 99"});
  // The generators read two characters: a number typed otherwise would simulate another count.
  for (const auto& [years, read_as] : {std::pair{"030", "3"}, {"+30", "3"}, {" 30", "3"}}) {
    dialog_.Years.text = years;
    EXPECT_EQ(Press(), Lines{"Years '" + std::string(years) + "' would be read as " + read_as +
                             ": type the number of years as plain digits, 2 to 99, without a "
                             "sign, blank or leading zero"});
  }
  dialog_.Years.text = "99";
  EXPECT_EQ(Press(), Lines{"Fetch should be between 1 and 1000 meters"});
  for (const char* fetch : {"0.5", "1000.5", "1e30"}) {
    dialog_.FetchVal.text = fetch;
    EXPECT_EQ(Press(), Lines{"Fetch should be between 1 and 1000 meters"}) << fetch;
  }
  dialog_.FetchVal.text = "1000";
  EXPECT_EQ(Press().front(), "An invalid input filename");

  dialog_.SetExtension("dpn");
  dialog_.FetchVal.text = "";
  EXPECT_EQ(Press(), Lines{"Enter a fetch value"});
}

// Latitude and elevation come from the station line into empty fields, and go again when another
// station is chosen; typed values that differ from the line are kept and warned about.
TEST_F(RunDialogTest, StationLineFillsEmptyFieldsAndWarnsOfDifferentOnes) {
  folder_.Write("MARIC.day", " MARIC,33.07, 361\n");
  folder_.Write("PLAIN.day", "");
  dialog_.Station.text = "MARIC";
  EXPECT_EQ(dialog_.TakeStationLine(),
            "Using the latitude 33.07 and the elevation 361 from the first line of MARIC.day");
  EXPECT_EQ(dialog_.Latitude.text, "33.07");
  EXPECT_EQ(dialog_.Elevation.text, "361");
  EXPECT_TRUE(dialog_.StationLineWarnings().empty());
  dialog_.Station.text = "PLAIN";
  EXPECT_EQ(dialog_.TakeStationLine(), "");
  EXPECT_EQ(dialog_.Latitude.text + dialog_.Elevation.text, "");
  dialog_.Station.text = "MARIC";
  dialog_.Latitude.text = "-33.07";
  EXPECT_EQ(dialog_.TakeStationLine(), "Using the elevation 361 from the first line of MARIC.day");
  EXPECT_EQ(dialog_.Latitude.text, "-33.07");
  EXPECT_EQ(dialog_.StationLineWarnings(),
            Lines{"the latitude '-33.07' (in the dialog) differs from 33.07 on the first line of "
                  "MARIC.day; the run uses -33.0"});
}

TEST_F(RunDialogTest, UnknownExtensionKeepsTheSelectedRow) {
  Fill("Davis", "38.5", "18.5", "1");
  dialog_.SetExtension("gen");
  EXPECT_EQ(Press(), Lines{"Enter a fetch value"});  // dispatched as "dpn"
  dialog_.SetExtension("mon");
  EXPECT_EQ(Press(), Lines{"Enter number of years for simulation"});
  dialog_.SetExtension("gen");  // an earlier OK selected "mon"
  EXPECT_EQ(Press(), Lines{"Enter number of years for simulation"});
}

TEST_F(RunDialogTest, NamesThatCouldLeaveTheFolderAreRefused) {
  for (const char* station : {"../up", "a/b", "a\\b",
                              "a\x01"
                              "b"}) {
    Fill(station, "38.5", "18.5", "1");
    EXPECT_EQ(Press(), Lines{"The station name may not contain a path separator, '..' or a "
                             "control character"});
  }
  Fill("Davis", "38.5", "18.5", "../1");
  EXPECT_EQ(Press(), Lines{"The SA number may not contain a path separator, '..' or a control "
                           "character"});
}

TEST_F(RunDialogTest, ActivationEmptiesTheFieldsButKeepsTheExtension) {
  Fill("Davis", "38.5", "18.5", "1");
  dialog_.Years.text = "30";
  dialog_.FetchVal.text = "100";
  dialog_.Warning.Add("old");
  dialog_.Warning.Show();
  dialog_.FormActivate();
  for (const FormField* field : {&dialog_.Station, &dialog_.Latitude, &dialog_.Elevation,
                                 &dialog_.SA, &dialog_.Years, &dialog_.FetchVal}) {
    EXPECT_EQ(field->text, "");
  }
  EXPECT_FALSE(dialog_.Warning.visible);
  EXPECT_TRUE(dialog_.Warning.lines.empty());
  EXPECT_EQ(dialog_.ext, "day");
  EXPECT_EQ(dialog_.extention, "Your input file extension is: day");
}

}  // namespace
}  // namespace kelvaro
