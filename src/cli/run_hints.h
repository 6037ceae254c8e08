#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "dispatch/run_checks.h"
#include "session/run_parameters.h"

namespace kelvaro::cli {

// The folder as a user finds it again: absolute, without "." or "..".
std::filesystem::path AbsoluteFolder(const std::filesystem::path& dir);

// "add crops with `kelvaro-cli crop add --sa 43 --crop NAME --area HECTARES --dir FOLDER`".
std::string AddCropsAdvice(const std::string& sa, const std::filesystem::path& folder);

// The line the command line prints, indented, under a refusal of a run: which option fills the
// field, or for a missing file which file was looked for in which folder, why that name, and
// what to do. Nothing for a refusal it has no hint for.
std::optional<std::string> HintFor(const RunProblem& problem, const RunParameters& run,
                                   const std::filesystem::path& dir);

}  // namespace kelvaro::cli
