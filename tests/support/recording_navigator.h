#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "forms/navigator.h"

namespace kelvaro::testing {

// Records "open X" / "close X" in the order the dialogs asked, and answers the directory
// question with `answer` (nothing = the user cancels), recording its titles.
class RecordingNavigator : public Navigator {
 public:
  explicit RecordingNavigator(std::optional<std::filesystem::path> answer = std::nullopt)
      : answer_(std::move(answer)) {}

  void Open(Dialog dialog) override { events.push_back("open " + Name(dialog)); }
  void Close(Dialog dialog) override { events.push_back("close " + Name(dialog)); }
  std::optional<std::filesystem::path> AskDirectory(const std::string& title) override {
    titles_.push_back(title);
    return answer_;
  }

  const std::vector<std::string>& titles() const { return titles_; }
  static std::string Name(Dialog dialog);

  std::vector<std::string> events;

 private:
  std::optional<std::filesystem::path> answer_;
  std::vector<std::string> titles_;
};

}  // namespace kelvaro::testing
