#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <filesystem>
#include <optional>
#include <string>

#include "analysis/volume_units.h"
#include "analysis/water_budget.h"
#include "bindings.h"
#include "generator/generator_check.h"
#include "session/reporter.h"
#include "weatherio/study_area_names.h"

namespace py = pybind11;
namespace fs = std::filesystem;

namespace kelvaro::python {
namespace {

py::dict SpreadFields(const Spread& spread) {
  py::dict fields;
  fields["min"] = spread.min;
  fields["p10"] = spread.p10;
  fields["p50"] = spread.p50;
  fields["p90"] = spread.p90;
  fields["max"] = spread.max;
  return fields;
}

py::dict LineFields(const BudgetLine& line) {
  py::dict fields;
  fields["number"] = line.number;
  fields["name"] = line.name;
  fields["area_ha"] = line.area_ha;
  fields["etaw_mm"] = line.etaw_mm;
  fields["aetaw_mm"] = line.aetaw_mm;
  fields["volume"] = line.volume;
  fields["irrigations_per_year"] = line.irrigations_per_year;
  fields["etaw_mm_by_year"] = SpreadFields(line.etaw_mm_by_year);
  fields["volume_by_year"] = SpreadFields(line.volume_by_year);
  return fields;
}

py::dict DeliveryFields(const DeliveryLine& line) {
  py::dict fields;
  fields["number"] = line.number;
  fields["name"] = line.name;
  fields["mean"] = line.mean;
  fields["p90"] = line.p90;
  return fields;
}

// The study area's water budget from its last run's results in `folder`, written to the
// budget's file there as the report does.
py::dict Budget(const fs::path& folder, int sa, const std::string& unit_text) {
  CheckFolder(folder);
  if (sa < kMinSaNumber || sa > kMaxSaNumber) throw py::value_error(std::string(kSaNumberRange));
  const auto unit = ParseVolumeUnit(unit_text);
  if (!unit) throw py::value_error("unit should be mm, m3 or acre-ft, not '" + unit_text + "'");
  std::optional<WrittenBudget> written;
  {
    py::gil_scoped_release release;
    written = MakeStudyAreaBudget(folder, SA5Of(sa), *unit);
  }
  const WaterBudget& budget = written->budget;
  py::dict result;
  result["sa5"] = budget.sa5;
  result["unit"] = std::string(VolumeUnitText(budget.unit));
  result["years"] = budget.years;
  py::list lines;
  for (const BudgetLine& line : budget.crops) lines.append(LineFields(line));
  lines.append(LineFields(budget.study_area));
  result["lines"] = lines;
  result["annual_volumes"] = budget.annual_volumes;
  py::list delivery;
  for (const DeliveryLine& line : budget.delivery.crops) delivery.append(DeliveryFields(line));
  if (!budget.delivery.events_file_name.empty()) {
    delivery.append(DeliveryFields(budget.delivery.study_area));
  }
  result["delivery"] = delivery;
  result["file"] = written->file.string();
  return result;
}

class SilentReporter : public Reporter {
 public:
  void MessageBox(const std::string&) override {}
  void Trace(const std::string&) override {}
};

// The generator's check of a station's measured days, written to its file as the command line
// and the desktop program leave it.
py::dict GeneratorCheckOf(const fs::path& folder, const std::string& station,
                          const std::string& latitude, const std::string& elevation,
                          const std::string& years, const std::optional<fs::path>& means) {
  CheckFolder(folder);
  const GeneratorCheckRequest request{station, latitude, elevation, years, means};
  SilentReporter reporter;
  std::optional<GeneratorCheck> check;
  fs::path file;
  {
    py::gil_scoped_release release;
    check = RunGeneratorCheck(request, folder, reporter);
    file = WriteGeneratorCheck(*check, folder);
  }
  py::list figures;
  for (const ComparedFigure& figure : check->comparison.figures) {
    py::dict row;
    row["variable"] = figure.variable;
    row["statistic"] = figure.statistic;
    row["unit"] = figure.unit;
    row["month"] = figure.month;
    row["measured"] = figure.measured;
    row["generated"] = figure.generated;
    row["difference"] = figure.Difference();
    row["difference_pct"] = figure.DifferencePercent();
    figures.append(row);
  }
  py::dict result;
  result["title"] = check->title;
  result["figures"] = figures;
  result["verdicts"] = check->comparison.verdicts;
  result["file"] = file.string();
  return result;
}

}  // namespace

void AddBudgets(py::module_& module) {
  module.def("water_budget", &Budget, py::arg("folder"), py::arg("sa"), py::arg("unit"),
             "The study area's water budget (and its file written).");
  module.def("generator_check", &GeneratorCheckOf, py::arg("folder"), py::arg("station"),
             py::arg("latitude"), py::arg("elevation"), py::arg("years"), py::arg("means"),
             "The weather generator's check of a station (and its file written).");
}

}  // namespace kelvaro::python
