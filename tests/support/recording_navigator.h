#pragma once

#include <string>
#include <vector>

#include "dispatch/navigator.h"

namespace kelvaro::testing {

// Records "open X" / "close X" in the order the dialogs asked.
class RecordingNavigator : public Navigator {
 public:
  void Open(Dialog dialog) override { events.push_back("open " + Name(dialog)); }
  void Close(Dialog dialog) override { events.push_back("close " + Name(dialog)); }

  static std::string Name(Dialog dialog);

  std::vector<std::string> events;
};

}  // namespace kelvaro::testing
