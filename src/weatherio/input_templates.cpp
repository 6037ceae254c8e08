#include "weatherio/input_templates.h"

#include <algorithm>
#include <cctype>

#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"

namespace kelvaro {

std::optional<InputTemplateKind> FindInputTemplateKind(std::string_view ext) {
  const auto found = std::find_if(kInputTemplateKinds.begin(), kInputTemplateKinds.end(),
                                  [ext](const InputTemplateKind& kind) { return kind.ext == ext; });
  if (found == kInputTemplateKinds.end()) return std::nullopt;
  return *found;
}

std::vector<std::string> InputTemplateLines(const InputTemplateKind& kind, const std::string& name,
                                            const std::string& latitude,
                                            const std::string& elevation) {
  std::vector<std::string> lines;
  lines.push_back(name + "." + std::string(kind.ext) + "," + latitude + "," + elevation);
  lines.emplace_back(kind.column_line);
  lines.emplace_back(kind.unit_line);
  if (kind.rows.daily) {
    for (int doy = 1; doy <= kTemplateDays; ++doy) lines.push_back(",,," + std::to_string(doy));
  } else {
    for (int month = 1; month <= 12; ++month) {
      lines.push_back(std::to_string(month) + std::string(kind.rows.month_tail));
    }
  }
  return lines;
}

namespace {

struct CoordinateRule {
  TemplateField field;
  const char* label;
  const char* enter;  // the run dialog's text for an empty field
  const char* range;  // and for a number beyond its bounds
  float lowest;       // refused, as is everything below
  float highest;      // refused, as is everything above
};

constexpr CoordinateRule kLatitudeRule{TemplateField::kLatitude,
                                       "Latitude",
                                       "Enter the latitude in degrees",
                                       "Latitude should be between -90 and 90 degrees",
                                       -90.0f,
                                       90.0f};
constexpr CoordinateRule kElevationRule{TemplateField::kElevation,
                                        "Elevation",
                                        "Enter the elevation in meters",
                                        "Elevation should be between -200 and 4000 meters",
                                        -200.0f,
                                        4000.0f};

std::optional<std::string> CoordinateProblem(const CoordinateRule& rule, const std::string& text) {
  if (text.empty()) return rule.enter;
  float value = 0.0f;
  try {
    value = ParseFloat(text);
  } catch (const ConversionError& error) {
    return std::string(rule.label) + ": " + error.what();
  }
  if (!(value > rule.lowest && value < rule.highest)) return rule.range;
  const std::string used = FirstCharacters(text, kStationStemLength);
  try {
    if (ParseFloat(used) == value) return std::nullopt;
  } catch (const ConversionError&) {
  }
  return std::string(rule.label) + " " + Quoted(text) + " would be read as " + Quoted(used) +
         ": a run reads its first five characters; type at most five";
}

bool IsStationCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_';
}

std::optional<std::string> NameProblem(const InputTemplateKind& kind, const std::string& name) {
  if (name.empty()) return "Enter the station name";
  if (!std::all_of(name.begin(), name.end(), IsStationCharacter)) {
    return "Station name " + Quoted(name) +
           " may hold only letters A-Z, digits, '-' and '_': a run cannot be given it otherwise";
  }
  if (name.size() <= kStationStemLength) return std::nullopt;
  const std::string stem = name.substr(0, kStationStemLength);
  return "Station name " + Quoted(name) +
         " is longer than five characters: a run reads the file its first five name (" +
         InputTemplateFileName(kind, stem) + "); type " + stem + " or another name of five";
}

}  // namespace

std::vector<TemplateProblem> InputTemplateProblems(const InputTemplateKind& kind,
                                                   const std::string& name,
                                                   const std::string& latitude,
                                                   const std::string& elevation) {
  std::vector<TemplateProblem> problems;
  if (auto message = NameProblem(kind, name)) {
    problems.push_back({TemplateField::kName, *std::move(message)});
  }
  for (const auto& [rule, text] :
       {std::pair{kLatitudeRule, &latitude}, std::pair{kElevationRule, &elevation}}) {
    if (auto message = CoordinateProblem(rule, *text)) {
      problems.push_back({rule.field, *std::move(message)});
    }
  }
  return problems;
}

std::string InputTemplateFileName(const InputTemplateKind& kind, const std::string& name) {
  return name + "." + std::string(kind.ext);
}

TemplateFile WriteInputTemplate(const std::filesystem::path& folder, const InputTemplateKind& kind,
                                const std::string& name, const std::string& latitude,
                                const std::string& elevation, bool replace) {
  const std::filesystem::path path = FindInFolder(folder, InputTemplateFileName(kind, name));
  std::error_code error;
  if (std::filesystem::exists(std::filesystem::symlink_status(path, error)) && !replace) {
    return {TemplateWrite::kExists, path};
  }
  std::string text;
  for (const std::string& line : InputTemplateLines(kind, name, latitude, elevation)) {
    text.append(line).append("\n");
  }
  WriteWholeFile(path, text);
  return {TemplateWrite::kWritten, path};
}

}  // namespace kelvaro
