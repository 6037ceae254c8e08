#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "generator/record_comparison.h"
#include "session/reporter.h"

namespace kelvaro {

// What to check: the measured days STATN.day of the data folder against years generated from
// monthly means, either those the user gives or those reduced from the days as a dmn run does.
struct GeneratorCheckRequest {
  std::string station;   // the first five characters name STATN.day
  std::string latitude;  // texts as typed; empty takes the value of the .day's first line
  std::string elevation;
  std::string years = "30";
  std::optional<std::filesystem::path> means;
};

struct GeneratorCheck {
  std::string stem;
  std::string title;
  RecordFigures measured;
  RecordFigures generated;
  RecordComparison comparison;
};

// Reduces and generates in a scratch folder with a fresh session, so the generated years are the
// ones a run of the same means and years gives, and nothing in the data folder changes. Both
// records get their daily ETo from the daily ETo operation. Throws InputError when the days or
// means cannot be used (a record shorter than two whole calendar years, among others).
GeneratorCheck RunGeneratorCheck(const GeneratorCheckRequest& request,
                                 const std::filesystem::path& data_dir, Reporter& reporter);

// "GeneratorCheckforMARIC.csv", the file the comparison is written to.
std::string GeneratorCheckFileName(const std::string& stem);

// Writes the check's comparison to GeneratorCheckforSTATN.csv of the data folder, as the command
// line and the desktop program both leave it; returns the file written.
std::filesystem::path WriteGeneratorCheck(const GeneratorCheck& check,
                                          const std::filesystem::path& data_dir);

}  // namespace kelvaro
