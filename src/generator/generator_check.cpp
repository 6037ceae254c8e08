#include "generator/generator_check.h"

#include <chrono>
#include <system_error>

#include "eto/montly_output.h"
#include "eto/operation_files.h"
#include "eto/wth_eto.h"
#include "generator/generate_weather.h"
#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/daily_weather_file.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/station_line.h"
#include "weatherio/text_file.h"
#include "weatherio/working_daily_file.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0;; ++attempt) {
      path_ = fs::temp_directory_path() /
              ("kelvaro-check-" + std::to_string(stamp) + "-" + std::to_string(attempt));
      if (fs::create_directory(path_)) break;
    }
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  fs::path Sub(const std::string& name) const {
    fs::create_directories(path_ / name);
    return path_ / name;
  }

 private:
  fs::path path_;
};

std::string CouldNotRead(const fs::path& path) {
  return "Couldn't read " + path.filename().string() + " in " +
         fs::absolute(path.parent_path()).string() + ".";
}

TextFile ReadOrRefuse(const fs::path& path) {
  auto file = ReadTextFile(path);
  if (!file) throw InputError(CouldNotRead(path));
  return *file;
}

void CopyOrRefuse(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy_file(from, to, error);
  if (error) throw InputError(CouldNotRead(from) + "\n" + error.message());
}

// The latitude and elevation typed, or else those of the days' first line.
void FillFromStationLine(const TextFile& days, RunParameters& run) {
  const StationLineNumbers line =
      ParseStationLineNumbers(days.lines.empty() ? "" : days.lines.front());
  if (run.Latitude.empty() && line.latitude) run.Latitude = *line.latitude;
  if (run.Elevation.empty() && line.elevation) run.Elevation = *line.elevation;
  if (run.Latitude.empty() || run.Elevation.empty()) {
    throw InputError(days.name + " names no latitude and elevation on its first line; give them.");
  }
}

// The daily ETo operation's working file of STATN.<ext> in `session`'s folder.
std::vector<WeatherDay> WorkingDays(RunParameters run, const std::string& ext, Session& session) {
  run.ext = ext;
  WTHETo(run, session);
  const auto wrk = ReadWorkingDailyFile(FindInFolder(session.data_dir, run.FileStem() + ".wrk"));
  if (!wrk) throw InputError("The daily ETo of " + run.FileStem() + "." + ext + " was not made.");
  return wrk->days;
}

std::vector<WeatherDay> GeneratedDays(const GeneratorCheckRequest& request,
                                      const RunParameters& run, const fs::path& days,
                                      const fs::path& folder, Reporter& reporter) {
  Session session(folder, reporter);
  const std::string stem = run.FileStem();
  RunParameters reduce = run;
  if (request.means) {
    CopyOrRefuse(*request.means, folder / (stem + ".mon"));
  } else {
    CopyOrRefuse(days, folder / (stem + ".day"));
    reduce.ext = "day";
    reporter.OperationStarted("MontlyOutput", 0, 3);
    MontlyOutput(reduce, session);
  }
  RunParameters generate = run;
  generate.ext = "mon";
  reporter.OperationStarted("GenerateWeather", 1, 3);
  GenerateWeather(generate, session);
  reporter.OperationStarted("WTHETo", 2, 3);
  return WorkingDays(run, "gen", session);
}

// As the run dialog: 2 to 99 years, the whole text a number.
void CheckYears(const std::string& years) {
  const int count = ParseInt(years);
  if (count < 2) throw InputError("Number of years should be larger than 1");
  if (count > 99) throw InputError("Number of years should be at most 99");
}

}  // namespace

std::string GeneratorCheckFileName(const std::string& stem) {
  return "GeneratorCheckfor" + stem + ".csv";
}

fs::path WriteGeneratorCheck(const GeneratorCheck& check, const fs::path& data_dir) {
  const fs::path file = FindInFolder(data_dir, GeneratorCheckFileName(check.stem));
  WriteWholeFile(file, GeneratorCheckCsv(check.comparison, check.title));
  return file;
}

GeneratorCheck RunGeneratorCheck(const GeneratorCheckRequest& request, const fs::path& data_dir,
                                 Reporter& reporter) {
  RunParameters run;
  run.Station = request.station;
  run.Latitude = request.latitude;
  run.Elevation = request.elevation;
  run.Years = request.years;
  const std::string stem = SafeFileStem(run);
  const fs::path days = FindInFolder(data_dir, stem + ".day");
  const TextFile days_file = ReadOrRefuse(days);
  const std::vector<WeatherDay> measured_days = ParseWeatherDays(days_file, false);
  const int whole_years = WholeYears(measured_days);
  if (whole_years < 2) {
    throw InputError(days_file.name + " holds " + std::to_string(whole_years) +
                     " whole calendar years; the generator check needs at least two.");
  }
  FillFromStationLine(days_file, run);
  CheckYears(request.years);

  ScratchFolder scratch;
  const fs::path measured_folder = scratch.Sub("measured");
  CopyOrRefuse(days, measured_folder / (stem + ".day"));
  Session measured_session(measured_folder, reporter);
  GeneratorCheck check;
  check.stem = stem;
  check.measured = FiguresOf(WorkingDays(run, "day", measured_session));
  check.generated =
      FiguresOf(GeneratedDays(request, run, days, scratch.Sub("generated"), reporter));
  check.comparison = CompareRecords(check.measured, check.generated);
  const std::string means =
      request.means ? request.means->filename().string() : "the monthly means of " + days_file.name;
  check.title = "Generator check of " + stem + ": " + std::to_string(whole_years) +
                " measured years of " + days_file.name + " against " +
                std::to_string(run.YearsToSimulate()) + " years generated from " + means;
  return check;
}

}  // namespace kelvaro
