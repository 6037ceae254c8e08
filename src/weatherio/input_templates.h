#pragma once

#include <array>
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

}  // namespace kelvaro
