#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "session/reporter.h"

namespace kelvaro {

// The four parts of the uniform random source's state.
struct RandomSeedState {
  int32_t ix1 = 2510;
  int32_t ix2 = 7692;
  int32_t ix3 = 2456;
  int32_t ix4 = 3765;
};

// The previous day's standardised residuals of TMax, TMin, Solar and Td.
struct ResidualState {
  std::array<float, 4> previous{};
};

inline constexpr float kStartPi = 3.14159265358979f;  // 4 atan(1)
inline constexpr float kShortPi = 3.1415f;

// What outlives one operation: pi of the solar geometry, the generator's random stream and
// residual memory, the data folder and where to report. One per program run (or per test);
// nothing is reset between operations, so only the first simulation of a session repeats.
struct Session {
  Session(std::filesystem::path folder, Reporter& to) : data_dir(std::move(folder)), reporter(to) {}

  // Operations that compute their own solar geometry switch pi to 3.1415 for the rest of the
  // session.
  void UseShortPi() { global_pi = kShortPi; }

  float global_pi = kStartPi;
  RandomSeedState random_seed;
  ResidualState residuals;
  std::filesystem::path data_dir;
  // Where a run's files end up. A run writes them to a staging folder (data_dir) and switches
  // them into this folder together at the end; empty when the two are one.
  std::filesystem::path results_dir;
  const std::filesystem::path& ResultsFolder() const {
    return results_dir.empty() ? data_dir : results_dir;
  }
  // Wait for another run in the same folder to end instead of refusing (the lines of a batch).
  bool wait_for_folder = false;
  Reporter& reporter;
  // Threads the water balance may run the crops of a study area on; 0 means one per core. The
  // results are the same for every number.
  int jobs = 0;
};

}  // namespace kelvaro
