#include "dispatch/run_checks.h"

#include <fstream>
#include <optional>

#include "dispatch/field_texts.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

namespace fs = std::filesystem;

using Problems = std::vector<RunProblem>;

void Add(Problems& problems, RunField field, RunCheck check, std::string_view message) {
  problems.push_back({field, check, std::string(message)});
}

// A text that does not convert abandons the run, naming its field.
struct NotANumber {
  RunField field;
  std::string message;
};

template <typename Convert>
auto Converted(RunField field, Convert convert) {
  try {
    return convert();
  } catch (const ConversionError& error) {
    throw NotANumber{field, error.what()};
  }
}

// Bounds are exclusive: a value on a bound is refused and gets the range message too.
bool LatitudeInRange(const std::string& text) {
  const float latitude =
      Converted(RunField::kLatitude, [&] { return UsedNumber("Latitude", text); });
  return latitude < 90 && latitude > -90;
}

bool ElevationInRange(const std::string& text) {
  const float elevation =
      Converted(RunField::kElevation, [&] { return UsedNumber("Elevation", text); });
  return elevation < 4000 && elevation > -200;
}

bool FieldsPass(const RunParameters& run) {
  return !run.Station.empty() && !run.Latitude.empty() && LatitudeInRange(run.Latitude) &&
         !run.Elevation.empty() && ElevationInRange(run.Elevation) && !run.SA.empty();
}

Problems FieldProblems(const RunParameters& run) {
  Problems problems;
  if (run.Station.empty())
    Add(problems, RunField::kStation, RunCheck::kStationEmpty, kEnterStation);
  if (run.Latitude.empty()) {
    Add(problems, RunField::kLatitude, RunCheck::kLatitudeEmpty, kEnterLatitude);
  } else if (!LatitudeInRange(run.Latitude)) {
    Add(problems, RunField::kLatitude, RunCheck::kLatitudeRange, kLatitudeRange);
  }
  if (run.Elevation.empty()) {
    Add(problems, RunField::kElevation, RunCheck::kElevationEmpty, kEnterElevation);
  } else if (!ElevationInRange(run.Elevation)) {
    Add(problems, RunField::kElevation, RunCheck::kElevationRange, kElevationRange);
  }
  if (run.SA.empty()) Add(problems, RunField::kSa, RunCheck::kSaEmpty, kEnterSa);
  return problems;
}

// File names are built from the station and SA texts; refuse any that could leave the folder.
Problems NameProblems(const RunParameters& run) {
  Problems problems;
  if (!IsSafeName(run.Station)) {
    Add(problems, RunField::kStation, RunCheck::kUnsafeStation, kUnsafeStationMessage);
  }
  if (!IsSafeName(run.SA)) Add(problems, RunField::kSa, RunCheck::kUnsafeSa, kUnsafeSaMessage);
  return problems;
}

bool FileCanBeOpened(const fs::path& folder, const std::string& file_name) {
  const auto path = FindInFolder(folder, file_name);
  std::error_code error;
  return fs::is_regular_file(path, error) && std::ifstream(path).is_open();
}

std::optional<RunProblem> YearsProblem(const std::string& years) {
  if (years.empty())
    return RunProblem{RunField::kYears, RunCheck::kYearsEmpty, std::string(kEnterYears)};
  // Named as Latitude and Elevation are by UsedNumber.
  const int count = Converted(RunField::kYears, [&] {
    try {
      return ParseInt(years);
    } catch (const ConversionError& error) {
      throw ConversionError("Years: " + std::string(error.what()));
    }
  });
  if (count < 2)
    return RunProblem{RunField::kYears, RunCheck::kYearsTooFew, std::string(kYearsTooFew)};
  // The generators read two characters of Years: 120 would quietly simulate 12 years.
  if (count > 99)
    return RunProblem{RunField::kYears, RunCheck::kYearsTooMany, std::string(kYearsTooMany)};
  if (const auto read = YearsReadDifferently(years)) {
    return RunProblem{RunField::kYears, RunCheck::kYearsReadDifferently, *read};
  }
  return std::nullopt;
}

// The row's field checks, then the input file and the crop file: the first that fails.
Problems RowProblems(const RunParameters& run, const DispatchRow& row, const fs::path& folder) {
  Problems problems;
  if (row.needs_years && row.needs_fetch && (run.Years.empty() || run.FetchVal.empty())) {
    if (run.Years.empty()) Add(problems, RunField::kYears, RunCheck::kYearsEmpty, kEnterYears);
    if (run.FetchVal.empty()) Add(problems, RunField::kFetch, RunCheck::kFetchEmpty, kEnterFetch);
    return problems;
  }
  if (row.needs_years) {
    if (const auto problem = YearsProblem(run.Years)) return {*problem};
  }
  if (row.needs_fetch && run.FetchVal.empty()) {
    Add(problems, RunField::kFetch, RunCheck::kFetchEmpty, kEnterFetch);
  } else if (row.needs_fetch &&
             !Converted(RunField::kFetch, [&] { return FetchInRange(run.FetchVal); })) {
    Add(problems, RunField::kFetch, RunCheck::kFetchRange, kFetchRangeMessage);
  } else if (!FileCanBeOpened(folder, run.FileStem() + "." + run.Extension())) {
    Add(problems, RunField::kStation, RunCheck::kInputFile, kInvalidInputFile);
  } else if (!IsStudyAreaNumber(run.SA)) {
    Add(problems, RunField::kSa, RunCheck::kSaNumber, kSaNumberFormMessage);
  } else if (!FileCanBeOpened(folder, run.SAFileName())) {
    Add(problems, RunField::kSa, RunCheck::kSaFile, kInvalidSaNumber);
  }
  return problems;
}

bool IsThere(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace

std::string InputFileLookedFor(const RunParameters& run, const fs::path& folder,
                               std::string_view advice) {
  const std::string used = run.FileStem() + "." + run.Extension();
  const std::string full = run.Station + "." + run.Extension();
  std::string text = "Looked for " + used + " in " + folder.string();
  const bool cut = run.FileStem() != run.Station;
  if (cut) {
    text +=
        " (a file is named by the first five characters of the station: " + Quoted(run.Station) +
        " reads " + used + ")";
  }
  if (IsThere(FindInFolder(folder, used))) return text + ": it is there but cannot be read";
  if (cut && IsThere(FindInFolder(folder, full))) {
    return text + ": rename " + full + " to " + used + ", or copy it";
  }
  return text + ": there is no such file" + std::string(advice);
}

std::vector<RunProblem> CheckRun(const RunParameters& run, const DispatchRow& row,
                                 const fs::path& folder) {
  try {
    if (!FieldsPass(run)) return FieldProblems(run);
    Problems problems = NameProblems(run);
    if (!problems.empty()) return problems;
    return RowProblems(run, row, folder);
  } catch (const NotANumber& error) {
    return {{error.field, RunCheck::kNotANumber, error.message}};
  }
}

}  // namespace kelvaro
