#pragma once

#include <gtest/gtest.h>

#include <string>

#include "session/reporter.h"
#include "session/session.h"
#include "support/recording_navigator.h"
#include "support/recording_office.h"
#include "support/test_folder.h"

namespace kelvaro::testing {

// A data folder with a session on it, and the recording spreadsheet and navigator that the
// dialog models under test talk to.
class DialogModelTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  TestFolder folder_;
  RecordingReporter reporter_;
  Session session_{folder_.path(), reporter_};
  RecordingSpreadsheet spreadsheet_;
  RecordingNavigator navigator_;
};

}  // namespace kelvaro::testing
