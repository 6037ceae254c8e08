#include "analysis/generator_check_file.h"

#include <algorithm>
#include <system_error>

#include "generator/generator_check.h"
#include "session/run_parameters.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/letter_case.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// The fixed lines and cells of the layout GeneratorCheckCsv writes.
constexpr std::string_view kColumnLine =
    "Variable,Statistic,Unit,Month,Measured,Generated,Difference,Difference %";
constexpr std::string_view kVerdictLine = "Verdict";
constexpr std::string_view kWholeYearMonth = "Year";
constexpr std::string_view kTemperatureUnit = "oC";
constexpr size_t kFigureFields = 8;
constexpr size_t kStationCharacters = 5;

// The file's parts, in the order they come.
enum class Part { kTitle, kColumns, kFigures, kVerdictLine, kVerdicts };

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  for (size_t start = 0;;) {
    const size_t comma = line.find(',', start);
    fields.push_back(line.substr(start, comma == std::string::npos ? comma : comma - start));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

std::string Named(const std::string& field, const char* column) {
  const std::string_view text = Trim(field);
  if (text.empty()) throw InputError(std::string(column) + " is empty");
  return std::string(text);
}

int MonthOf(const std::string& field) {
  if (Trim(field) == kWholeYearMonth) return 0;
  const int month = ParseColumnInt(field, "Month");
  if (month < 1 || month > 12) {
    throw InputError("Month " + std::to_string(month) + " is neither 1 to 12 nor Year");
  }
  return month;
}

// The differences are left empty where they mean nothing, else they are numbers.
void CheckDifference(const std::string& field, const char* column) {
  if (!Trim(field).empty()) ParseColumnFloat(field, column);
}

ComparedFigure FigureOf(const std::string& line) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() != kFigureFields) {
    throw InputError("expected " + std::to_string(kFigureFields) + " fields, found " +
                     std::to_string(f.size()));
  }
  ComparedFigure figure;
  figure.variable = Named(f[0], "Variable");
  figure.statistic = Named(f[1], "Statistic");
  figure.unit = Named(f[2], "Unit");
  figure.month = MonthOf(f[3]);
  figure.measured = ParseColumnFloat(f[4], "Measured");
  figure.generated = ParseColumnFloat(f[5], "Generated");
  CheckDifference(f[6], "Difference");
  CheckDifference(f[7], "Difference %");
  figure.temperature = figure.unit == kTemperatureUnit;
  return figure;
}

std::string VerdictOf(const std::string& line) {
  const std::string_view text = Trim(line);
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
    throw InputError("a verdict is a line in double quotes");
  }
  return std::string(text.substr(1, text.size() - 2));
}

// Reads one line of the part the file is in; returns the part the next line is in.
Part ReadLine(const std::string& line, Part part, GeneratorCheckFile& read) {
  switch (part) {
    case Part::kTitle:
      read.title = line;
      return Part::kColumns;
    case Part::kColumns:
      if (Trim(line) != kColumnLine) {
        throw InputError("expected the column line \"" + std::string(kColumnLine) + "\"");
      }
      return Part::kFigures;
    case Part::kFigures:
      if (IsBlankLine(line)) return Part::kVerdictLine;
      read.comparison.figures.push_back(FigureOf(line));
      return part;
    case Part::kVerdictLine:
      if (Trim(line) != kVerdictLine) throw InputError("expected the line Verdict");
      return Part::kVerdicts;
    case Part::kVerdicts:
      if (!IsBlankLine(line)) read.comparison.verdicts.push_back(VerdictOf(line));
      return part;
  }
  return part;
}

}  // namespace

GeneratorCheckFile ReadGeneratorCheckCsv(const TextFile& file) {
  GeneratorCheckFile read;
  Part part = Part::kTitle;
  for (size_t i = 0; i < file.lines.size(); ++i) {
    // A number that does not convert is a malformed line like any other.
    try {
      part = ReadLine(file.lines[i], part, read);
    } catch (const ConversionError& error) {
      throw InputError(LineLocation(file.name, static_cast<int>(i + 1)) + ": " + error.what());
    } catch (const InputError& error) {
      throw InputError(LineLocation(file.name, static_cast<int>(i + 1)) + ": " + error.what());
    }
  }
  if (part != Part::kVerdicts) {
    throw InputError(file.name + " is cut short: it ends before its Verdict line");
  }
  return read;
}

GeneratorCheckFile ReadGeneratorCheck(const fs::path& folder, const std::string& station) {
  CheckSafeName(station, "station name");
  RunParameters run;
  run.Station = station;
  const std::string name = GeneratorCheckFileName(run.FileStem());
  const auto file = ReadTextFile(FindInFolder(folder, name));
  if (!file) throw InputError(name + " is missing; a generator check writes it");
  return ReadGeneratorCheckCsv(*file);
}

ResultTable GeneratorCheckTable(const RecordComparison& comparison) {
  // The rows of the file itself, so the table shows every figure exactly as it is written.
  const std::vector<std::string> lines = SplitLines(GeneratorCheckCsv(comparison, ""));
  ResultTable table;
  table.columns = Fields(std::string(kColumnLine));
  table.numeric = {false, false, false, false, true, true, true, true};
  for (size_t i = 2; i < lines.size() && !IsBlankLine(lines[i]); ++i) {
    table.rows.push_back(Fields(lines[i]));
  }
  return table;
}

std::vector<std::string> MeasuredStations(const fs::path& folder) {
  std::vector<std::string> stations;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string stem = entry.path().stem().string();
    if (!entry.is_regular_file(error) ||
        !EqualsIgnoringCase(entry.path().extension().string(), ".day")) {
      continue;
    }
    if (IsSafeName(stem) && FirstCharacters(stem, kStationCharacters) == stem) {
      stations.push_back(stem);
    }
  }
  std::sort(stations.begin(), stations.end());
  return stations;
}

}  // namespace kelvaro
