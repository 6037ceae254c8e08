#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvaro {

// How the placeholder rows of a template look: 365 daily rows ",,,DOY", or twelve monthly rows
// made of the month number and a fixed tail ("1" + ",,,,,,,,-999").
struct TemplateRows {
  bool daily = true;
  std::string_view month_tail;  // monthly rows only
};

// One input kind the data-file entry dialog offers, with its explanation and template lines.
struct InputTemplateKind {
  std::string_view ext;
  std::string_view explanation;
  std::string_view column_line;
  std::string_view unit_line;
  TemplateRows rows;
};

inline constexpr std::string_view kEtmColumns =
    "Mon,   Solar,   TMax,     TMin,    Wind,      Td,     Pcp,     NRD,     Pan,     ETo";
inline constexpr std::string_view kEtmUnits =
    "  #,   J/m^2,     oC,       oC,     m/s,      oC,      mm,       #,      mm,       mm";
inline constexpr std::string_view kTemperatureColumns = "Year,Mon,Day,DOY,TMax,TMin,Pcp";
inline constexpr std::string_view kTemperatureUnits = "   #,  #,  #,  #,oC,oC,mm";

// The ten kinds in the order of the dialog's list. The -999 cells mark columns a kind does not
// use, so the user fills only the empty ones; etm rows have nine fields (the ETo cell is added
// by the user).
inline constexpr std::array<InputTemplateKind, 10> kInputTemplateKinds{{
    {"dpn",
     " dpn: Daily raw Epan data for  estimating ETo",
     "Year,Mon,Day,DOY, Pcp,EPan",
     "   #,  #,  #,  #,  mm,  mm",
     {true, ""}},
    {"day",
     "day: Daily raw weather data for estimating ETo",
     "Year,Mon,Day,DOY, Solar,TMax,TMin,Wind,Td,Pcp",
     "   #,  #,  #,  #, MJ/m^2,oC,oC,m/s,oC,mm",
     {true, ""}},
    {"mon",
     "mon: Daily mean weather data by month for simulating ETo",
     "   Mo,   Solar,    TMax,    TMin,    Wind,     Td,      Pcp,    NRD,    Pan",
     "    #,  MJ/m^2,      oC,      oC,     m/s,     oC,       mm,      #,     mm ",
     {false, ",,,,,,,,-999"}},
    {"dmn",
     "dmn: Daily raw weather data for simulating ETo",
     "Year,Mon,Day,DOY,Solar,TMax,TMin,Wind,Td,Pcp",
     "#,#,#,#,MJ/m^2,oC,oC,m/s,oC,mm",
     {true, ""}},
    {"mpn",
     "mpn: Daily mean Epan data  by month for simulating ETo",
     "Mo,  Solar,   TMax,   TMin,   Wind,     Td,    Pcp,    NRD,    Pan,    ETo",
     "#, MJ/m^2,     oC,     oC,    m/s,     oC,     mm,      #,     mm,     mm",
     {false, ",-999,,,-999,-999,,,,-999"}},
    {"etm",
     "etm: Daily mean temperature and ETo data by month  for simulating ETo",
     kEtmColumns,
     kEtmUnits,
     {false, ",-999,,,-999,-999,,,-999"}},
    {"det",
     "det: Daily raw ETo data for calculating water balance",
     "Year, Mon, Day, DOY,   Pcp,ETo",
     "   #,   #,   #,   #,    mm,  mm",
     {true, ""}},
    {"mtm",
     "mtm: Daily mean temperature data by month for simulating ETo",
     kEtmColumns,
     kEtmUnits,
     {false, ",-999,,,-999,-999,,,-999,-999"}},
    {"dtm",
     "dtm: Daily temperature data for simulating ETo",
     kTemperatureColumns,
     kTemperatureUnits,
     {true, ""}},
    {"rtm",
     "rtm: Daily raw temperature data for estimating ETo",
     kTemperatureColumns,
     kTemperatureUnits,
     {true, ""}},
}};

// Daily templates never offer a leap day.
inline constexpr int kTemplateDays = 365;

std::optional<InputTemplateKind> FindInputTemplateKind(std::string_view ext);

// The template of one kind, one line per element without line ends: the station line
// name + "." + ext + "," + latitude + "," + elevation (texts as typed), the column names, the
// units, then the placeholder rows.
std::vector<std::string> InputTemplateLines(const InputTemplateKind& kind, const std::string& name,
                                            const std::string& latitude,
                                            const std::string& elevation);

// The texts of a template that a run would refuse or read otherwise, in the order of the dialog.
enum class TemplateField { kName, kLatitude, kElevation };
struct TemplateProblem {
  TemplateField field;
  std::string message;
};

// Longest station name a run reads as typed: it opens the file its first five characters name.
inline constexpr size_t kStationStemLength = 5;

// A name must be what a run can be given and reads under that name: letters, digits, '-' and
// '_', at most five characters. Latitude and elevation are checked as the run checks them
// (-90 < latitude < 90, -200 < elevation < 4000, both ends refused), the whole text must be a
// number, and the first five characters, which are what a run reads, must give that number.
std::vector<TemplateProblem> InputTemplateProblems(const InputTemplateKind& kind,
                                                   const std::string& name,
                                                   const std::string& latitude,
                                                   const std::string& elevation);

// NAME.KIND, the name the template's first line gives.
std::string InputTemplateFileName(const InputTemplateKind& kind, const std::string& name);

enum class TemplateWrite { kWritten, kExists };
struct TemplateFile {
  TemplateWrite result;
  std::filesystem::path path;  // NAME.KIND in the folder, found without regard to letter case
};

// Writes the template of a kind as NAME.KIND in `folder`, whole or not at all. A file of that
// name (in any letter case) is replaced only when `replace` is given; otherwise nothing is
// written and the result says it exists. The texts must have passed InputTemplateProblems.
TemplateFile WriteInputTemplate(const std::filesystem::path& folder, const InputTemplateKind& kind,
                                const std::string& name, const std::string& latitude,
                                const std::string& elevation, bool replace);

}  // namespace kelvaro
