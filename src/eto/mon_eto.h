#pragma once

#include "session/run_parameters.h"
#include "session/session.h"

namespace kelvaro {

// Mean daily reference ET of each month from the twelve monthly means FileStem.met: the daily
// Penman-Monteith equation at the month's middle day, without the limits of the cloudiness
// factor, with a soil heat flux from the neighbouring months' mean temperatures (December and
// January are neighbours). Writes FileStem.etm. A month missing (-999) Solar, TMax, TMin, Wind
// or Td, or a neighbour's temperature, gets ETo -999, and a message names those months.
void MonETo(const RunParameters& run, Session& session);

}  // namespace kelvaro
