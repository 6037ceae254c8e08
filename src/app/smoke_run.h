#pragma once

#include <filesystem>

namespace kelvaro::app {

class TKELVARO;

// For the smoke test under a real X server: once the event loop runs, drives `window` as a
// user would through the measured-daily-weather road (Apply Weather, "Non-Simulated", the run
// dialog filled for station MARIC and study area 1 of the demo folder, OK), then saves what the
// X server shows of the main window, its result table included, to `screenshot` and ends the
// program: status 0 when the run was done, 1 otherwise.
void StartSmokeRun(TKELVARO& window, const std::filesystem::path& screenshot);

}  // namespace kelvaro::app
