#pragma once

#include <functional>
#include <string>
#include <vector>

#include "session/session.h"

namespace kelvaro::testing {

// One input an operation must refuse, and the message it must refuse it with.
struct BadInput {
  const char* what;
  std::string contents;
  std::string message;
};

// Runs `operation` once per case in a fresh folder that holds only `file_name` with the case's
// contents, and expects the case's message and a folder left as it was (nothing half-written)
// with the session's pi unchanged.
void ExpectEachRefused(const std::string& file_name, const std::vector<BadInput>& cases,
                       const std::function<void(Session&)>& operation);

// The text as a Windows editor saves it: a UTF-8 byte order mark, and CRLF line ends.
std::string AsWindowsText(const std::string& lf_text);

}  // namespace kelvaro::testing
