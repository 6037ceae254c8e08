#include "support/refusal.h"

#include <gtest/gtest.h>

#include <exception>

#include "session/reporter.h"
#include "support/test_folder.h"

namespace kelvaro::testing {

void ExpectEachRefused(const std::string& file_name, const std::vector<BadInput>& cases,
                       const std::function<void(Session&)>& operation) {
  for (const BadInput& bad : cases) {
    TestFolder folder;
    folder.Write(file_name, bad.contents);
    RecordingReporter reporter;
    Session session(folder.path(), reporter);
    try {
      operation(session);
      ADD_FAILURE() << bad.what << ": accepted";
    } catch (const std::exception& error) {
      EXPECT_EQ(std::string(error.what()), bad.message) << bad.what;
    }
    EXPECT_EQ(folder.Listing(), file_name + "\n") << bad.what;
    EXPECT_EQ(session.global_pi, kStartPi) << bad.what;
  }
}

std::string AsWindowsText(const std::string& lf_text) {
  std::string text = "\xEF\xBB\xBF";
  for (char c : lf_text) text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return text;
}

}  // namespace kelvaro::testing
