#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dispatch/dispatch_table.h"
#include "session/run_parameters.h"
#include "viewers/study_area_files.h"  // kInvalidSaNumber

namespace kelvaro {

// The run dialog's texts, one home for the dialog, the typed run and the front ends' hints.
inline constexpr std::string_view kEnterStation = "Enter the station name";
inline constexpr std::string_view kEnterLatitude = "Enter the latitude in degrees";
inline constexpr std::string_view kLatitudeRange = "Latitude should be between -90 and 90 degrees";
inline constexpr std::string_view kEnterElevation = "Enter the elevation in meters";
inline constexpr std::string_view kElevationRange =
    "Elevation should be between -200 and 4000 meters";
inline constexpr std::string_view kEnterSa = "Enter the SA number";
inline constexpr std::string_view kEnterYears = "Enter number of years for simulation";
inline constexpr std::string_view kYearsTooFew = "Number of years should be larger than 1";
inline constexpr std::string_view kEnterFetch = "Enter a fetch value";
inline constexpr std::string_view kInvalidInputFile = "An invalid input filename";
// Refusals of our own, after the dialog's: numbers the operations would read differently, and
// names that could leave the folder.
inline constexpr std::string_view kYearsTooMany = "Number of years should be at most 99";
inline constexpr std::string_view kFetchRangeMessage = "Fetch should be between 1 and 1000 meters";
inline constexpr std::string_view kSaNumberFormMessage =
    "The SA number should be a whole number from 1 to 99999";
inline constexpr std::string_view kUnsafeStationMessage =
    "The station name may not contain a path separator, '..' or a control character";
inline constexpr std::string_view kUnsafeSaMessage =
    "The SA number may not contain a path separator, '..' or a control character";

// The field a refusal is about, so that a front end can point at it.
enum class RunField { kInput, kFolder, kStation, kLatitude, kElevation, kSa, kYears, kFetch };

// Which check refused a run; front ends key their hints on it, never on the text.
enum class RunCheck {
  kUnknownInput,
  kNoFolder,
  kStationEmpty,
  kLatitudeEmpty,
  kLatitudeRange,
  kElevationEmpty,
  kElevationRange,
  kSaEmpty,
  kUnsafeStation,
  kUnsafeSa,
  kYearsEmpty,
  kYearsTooFew,
  kYearsTooMany,
  kYearsReadDifferently,
  kFetchEmpty,
  kFetchRange,
  kInputFile,
  kSaNumber,
  kSaFile,
  kNotANumber,  // a latitude, elevation or years text that does not convert: the run is abandoned
};

struct RunProblem {
  RunField field;
  RunCheck check;
  std::string message;  // the dialog's text
};

// The run dialog's checks of a run of `row` whose files are in `folder`, in the dialog's order:
// the fields (every message of the first group that fails), then the names, then the row's
// checks and the files (the first that fails). A number that does not convert ends the checks
// with a kNotANumber problem alone. Nothing when the run may start.
std::vector<RunProblem> CheckRun(const RunParameters& run, const DispatchRow& row,
                                 const std::filesystem::path& folder);

// Which input file a run looked for and where, for the line under "An invalid input filename":
// "Looked for MARIC.day in /data/maricopa: there is no such file", with the five-character rule
// where the station is longer and whether the file is there but unreadable. The folder is named
// as given; `advice` follows "there is no such file" (the command line names its options there).
std::string InputFileLookedFor(const RunParameters& run, const std::filesystem::path& folder,
                               std::string_view advice = "");

}  // namespace kelvaro
