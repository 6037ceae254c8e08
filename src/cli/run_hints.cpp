#include "cli/run_hints.h"

#include <functional>
#include <string_view>
#include <system_error>

#include "dispatch/input_kinds.h"
#include "dispatch/run_checks.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

using HintMaker = std::function<std::string(const RunParameters&, const fs::path&)>;

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

std::string LooksForInput(const RunParameters& run, const fs::path& dir) {
  return InputFileLookedFor(run, dir, " (--station names it, --dir its folder)");
}

// Why the station line of the input file gave no value for a field left out.
std::string NoStationLineValue(const RunParameters& run, const fs::path& dir) {
  const auto kind = FindInputKind(run.ext);
  const std::string used = run.FileStem() + "." + run.Extension();
  if (!kind || !kind->has_station_line)
    return " (" + run.Extension() + " files have no station line)";
  if (run.Station.empty() || !IsSafeName(run.Station)) return "";
  if (!IsFile(FindInFolder(dir, used))) {
    return " (" + used + ", whose first line could hold it, is not in " + dir.string() + ")";
  }
  return " (the first line of " + used + " holds none)";
}

std::string LooksForCropFile(const RunParameters& run, const fs::path& dir) {
  const std::string hint = "Looked for the crop file " + run.SAFileName() + " in " + dir.string();
  if (IsFile(FindInFolder(dir, run.SAFileName()))) return hint + ": it is there but cannot be read";
  if (!IsStudyAreaNumber(run.SA)) return hint + ": --sa takes a study-area number, 1 to 99999";
  return hint + ": there is none; " + AddCropsAdvice(std::string(Trim(run.SA)), dir);
}

// A hint is a fixed text or, where it depends on what was typed, made from the run's fields.
struct Hint {
  RunCheck check;
  std::string_view text;
  HintMaker make = nullptr;
};

const Hint kHints[] = {
    {RunCheck::kStationEmpty, "Give --station: the input file's name without extension"},
    {RunCheck::kLatitudeEmpty, "",
     [](const RunParameters& run, const fs::path& dir) {
       return "Give --lat in decimal degrees, north positive" + NoStationLineValue(run, dir);
     }},
    {RunCheck::kLatitudeRange, "",
     [](const RunParameters& run, const fs::path&) {
       return "--lat " + Quoted(run.Latitude) + ": decimal degrees, north positive";
     }},
    {RunCheck::kElevationEmpty, "",
     [](const RunParameters& run, const fs::path& dir) {
       return "Give --elev in metres above sea level" + NoStationLineValue(run, dir);
     }},
    {RunCheck::kElevationRange, "",
     [](const RunParameters& run, const fs::path&) {
       return "--elev " + Quoted(run.Elevation) + ": metres above sea level";
     }},
    {RunCheck::kSaEmpty, "Give --sa: the study-area number, 1 to 99999"},
    {RunCheck::kYearsEmpty, "Give --years: how many years to generate, 2 to 99"},
    {RunCheck::kYearsTooFew, "--years takes 2 to 99"},
    {RunCheck::kYearsTooMany, "",
     [](const RunParameters& run, const fs::path&) {
       return "--years takes 2 to 99: the generators read its first two characters, so " +
              Quoted(run.Years) + " would simulate " + FirstCharacters(run.Years, 2) + " years";
     }},
    {RunCheck::kFetchEmpty, "Give --fetch: metres of grass upwind of the evaporation pan"},
    {RunCheck::kFetchRange, "--fetch takes the metres of grass upwind of the pan, 1 to 1000"},
    {RunCheck::kInputFile, "", LooksForInput},
    {RunCheck::kSaNumber, "--sa takes a study-area number, 1 to 99999"},
    {RunCheck::kSaFile, "", LooksForCropFile},
    {RunCheck::kUnsafeStation,
     "--station is a file name without extension; --dir names its folder"},
    {RunCheck::kUnsafeSa, "--sa takes a study-area number, 1 to 99999"},
};

}  // namespace

std::string AddCropsAdvice(const std::string& sa, const fs::path& folder) {
  return "add crops with `kelvaro-cli crop add --sa " + sa + " --crop NAME --area HECTARES --dir " +
         folder.string() + "`";
}

fs::path AbsoluteFolder(const fs::path& dir) {
  std::error_code error;
  const fs::path canonical = fs::canonical(dir, error);
  return error ? fs::absolute(dir).lexically_normal() : canonical;
}

std::optional<std::string> HintFor(const RunProblem& problem, const RunParameters& run,
                                   const fs::path& dir) {
  for (const Hint& hint : kHints) {
    if (hint.check != problem.check) continue;
    return "  " + (hint.make ? hint.make(run, dir) : std::string(hint.text));
  }
  return std::nullopt;
}

}  // namespace kelvaro::cli
