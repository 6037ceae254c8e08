#pragma once

#include <functional>
#include <string>

#include "session/session.h"
#include "weatherio/rain_and_evaporation_file.h"
#include "weatherio/text_file.h"

namespace kelvaro {

// A working-file row of a day known only by its rain and ETo (from pan or ETo data): Solar,
// TMax, TMin, Wind and Td are -999, written without decimals ("    -999").
std::string RainAndEtoRow(const RainAndEvaporationDay& day, float eto);

// Writes the working file `work_name` from a dpn or det file read one line at a time: `head`
// (station line and header lines), then one row per day with the ETo `eto_of` gives. A refused
// line, or a file without days, leaves the folder as it was.
void WriteRainAndEtoWork(LineReader& input, EvaporationColumn column, const std::string& head,
                         const std::function<float(const RainAndEvaporationDay&)>& eto_of,
                         const std::string& work_name, Session& session);

}  // namespace kelvaro
