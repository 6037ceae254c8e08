#include "generator_run.h"

#include <filesystem>

#include "generator/generate_weather.h"
#include "weatherio/field_split.h"
#include "weatherio/number_parse.h"
#include "weatherio/text_file.h"

namespace kelvaro::testing {

std::string BundledMeans() { return ReadBytes(ExamplePath("MARIC.mon")); }

std::string MeansWithField(int month, int field, const std::string& value,
                           const std::string& means) {
  auto lines = SplitLines(means);
  auto fields = SplitFieldsFromRight(lines[static_cast<size_t>(2 + month)], 9);
  fields[static_cast<size_t>(field)] = value;
  std::string line = fields[0];
  for (size_t i = 1; i < fields.size(); ++i) line += "," + fields[i];
  lines[static_cast<size_t>(2 + month)] = line;
  std::string text;
  for (const auto& l : lines) text += l + "\n";
  return text;
}

RunParameters MaricopaRun(const std::string& ext, const std::string& years) {
  RunParameters run;
  run.Station = "MARIC";
  run.Latitude = "33.07";
  run.Elevation = "361";
  run.SA = "1";
  run.Years = years;
  run.ext = ext;
  return run;
}

GeneratorRun::GeneratorRun() : session(folder.path(), reporter), run(MaricopaRun("mon")) {
  WriteMeans(BundledMeans());
}

void GeneratorRun::Generate(const std::string& years) {
  run.Years = years;
  GenerateWeather(run, session);
}

void GeneratorRun::Simulate(void (*operation)(const RunParameters&, Session&),
                            const std::string& ext, const std::string& years) {
  run.ext = ext;
  run.Years = years;
  operation(run, session);
}

std::vector<std::vector<std::string>> GeneratorRun::Rows(const std::string& name,
                                                         int header_lines) const {
  const auto lines = SplitLines(folder.Read(name));
  std::vector<std::vector<std::string>> rows;
  for (size_t i = static_cast<size_t>(header_lines); i < lines.size(); ++i) {
    std::vector<std::string> fields;
    std::string_view rest = lines[i];
    for (auto comma = rest.find(',');; comma = rest.find(',')) {
      fields.emplace_back(Trim(rest.substr(0, comma)));
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    rows.push_back(fields);
  }
  return rows;
}

}  // namespace kelvaro::testing
