#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/result_table.h"
#include "bindings.h"
#include "numpy_columns.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/input_file_rows.h"
#include "weatherio/monthly_means_file.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"

namespace py = pybind11;
namespace fs = std::filesystem;

namespace kelvaro::python {
namespace {

TextFile ReadOrRaise(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) {
    throw py::value_error("The file " + path.string() + " does not exist");
  }
  auto file = ReadTextFile(path);
  if (!file) throw py::value_error("Couldn't read " + path.string());
  return *file;
}

// Any file the program reads or writes, as the result viewer tables it, with its first three
// lines as they are (a writer puts them back).
py::dict ReadTable(const fs::path& path) {
  const TextFile file = ReadOrRaise(path);
  const ResultTable table = MakeResultTable(file);
  py::dict result;
  result["name"] = file.name;
  result["title"] = table.title;
  result["columns"] = table.columns;
  result["numeric"] = table.numeric;
  result["rows"] = table.rows;
  std::vector<std::string> header(file.lines.begin(),
                                  file.lines.begin() + std::min<size_t>(3, file.lines.size()));
  result["header_lines"] = header;
  return result;
}

// The three header lines: those given, or the station line made of the texts and the layout's
// column lines.
std::string HeaderText(const std::vector<std::string>& header_lines, const std::string& station,
                       const std::string& latitude, const std::string& elevation,
                       const char* column_lines) {
  if (header_lines.empty()) return StationLine(station, latitude, elevation) + column_lines;
  if (header_lines.size() != 3) throw py::value_error("header_lines should hold three lines");
  std::string text;
  for (const std::string& line : header_lines) text += line + "\n";
  return text;
}

// Refuses (ValueError naming the row) a row the core would not read back, then writes the file
// whole; nothing is written when a row is refused.
template <typename Check>
void CheckRows(const std::vector<std::string>& rows, Check check) {
  for (size_t i = 0; i < rows.size(); ++i) {
    try {
      check(rows[i], static_cast<int>(i) + 4);
    } catch (const std::exception& error) {
      throw py::value_error("row " + std::to_string(i) + ": " + error.what());
    }
  }
}

void WriteText(const fs::path& path, const std::string& text) {
  std::error_code error;
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  if (!fs::is_directory(folder, error)) {
    throw py::value_error("The folder " + folder.string() + " does not exist");
  }
  WriteWholeFile(path, text);
}

void WriteDailyWeather(const fs::path& path, const py::dict& columns,
                       const std::vector<std::string>& header_lines, const std::string& station,
                       const std::string& latitude, const std::string& elevation) {
  const std::vector<int> year = IntColumn(columns["Year"], "Year");
  const auto int_column = [&](const char* name) {
    auto column = IntColumn(columns[name], name);
    CheckSameLength(column.size(), name, year.size(), "Year");
    return column;
  };
  const auto float_column = [&](const char* name) {
    auto column = FloatColumn(columns[name], name);
    CheckSameLength(column.size(), name, year.size(), "Year");
    return column;
  };
  const auto month = int_column("Mon"), day = int_column("Day"), doy = int_column("DOY");
  const auto solar = float_column("Solar"), tmax = float_column("TMax");
  const auto tmin = float_column("TMin"), wind = float_column("Wind");
  const auto td = float_column("Td"), pcp = float_column("Pcp");
  std::vector<std::string> rows;
  for (size_t i = 0; i < year.size(); ++i) {
    WeatherDay d;
    d.year_text = Printf("%4d", year[i]);
    d.month = month[i];
    d.day = day[i];
    d.doy = doy[i];
    d.solar = solar[i];
    d.tmax = tmax[i];
    d.tmin = tmin[i];
    d.wind = wind[i];
    d.td = td[i];
    d.pcp = pcp[i];
    rows.push_back(FormatDailyWeatherRow(d));
  }
  WeatherDayReader reader(false, WeatherChecks::kEveryColumn);
  CheckRows(rows, [&](const std::string& row, int line) { reader.Read(row, line); });
  std::string text =
      HeaderText(header_lines, station, latitude, elevation, kDailyWeatherColumnLines);
  for (const std::string& row : rows) text += row;
  WriteText(path, text);
}

void WriteMonthlyMeans(const fs::path& path, const py::dict& columns,
                       const std::vector<std::string>& header_lines, const std::string& station,
                       const std::string& latitude, const std::string& elevation) {
  const std::vector<int> month = IntColumn(columns["Mon"], "Mon");
  if (month.size() != 12) {
    throw py::value_error("monthly means need 12 rows, not " + std::to_string(month.size()));
  }
  const bool with_eto = columns.contains("ETo");
  const auto column = [&](const char* name) {
    auto values = FloatColumn(columns[name], name);
    CheckSameLength(values.size(), name, month.size(), "Mon");
    return values;
  };
  const auto solar = column("Solar"), tmax = column("TMax"), tmin = column("TMin");
  const auto wind = column("Wind"), td = column("Td"), pcp = column("Pcp");
  const auto nrd = column("NRD"), pan = column("Pan");
  const std::vector<float> eto = with_eto ? column("ETo") : std::vector<float>(12, 0.0f);
  const MonthlyColumns kind = with_eto ? MonthlyColumns::kWithEto : MonthlyColumns::kWithoutEto;
  std::string text =
      HeaderText(header_lines, station, latitude, elevation, kMonthlyMeansColumnLines);
  for (size_t m = 0; m < 12; ++m) {
    text += FormatMonthlyMeansRow(
        {month[m], solar[m], tmax[m], tmin[m], wind[m], td[m], pcp[m], nrd[m], pan[m], eto[m]},
        kind);
  }
  try {
    ReadMonthlyMeans({path.filename().string(), SplitLines(text)}, kind);
  } catch (const std::exception& error) {
    throw py::value_error(error.what());
  }
  WriteText(path, text);
}

}  // namespace

void AddTables(py::module_& module) {
  module.def("read_table", &ReadTable, py::arg("path"),
             "The file as a table: name, title, columns, numeric, rows, header_lines.");
  module.def("write_daily_weather", &WriteDailyWeather, py::arg("path"), py::arg("columns"),
             py::arg("header_lines"), py::arg("station"), py::arg("latitude"), py::arg("elevation"),
             "Writes a daily weather file whole, after checking every row.");
  module.def("write_monthly_means", &WriteMonthlyMeans, py::arg("path"), py::arg("columns"),
             py::arg("header_lines"), py::arg("station"), py::arg("latitude"), py::arg("elevation"),
             "Writes a monthly means file whole, after checking it.");
}

}  // namespace kelvaro::python
