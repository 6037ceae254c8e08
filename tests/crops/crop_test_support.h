#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "crops/crop_catalogue.h"
#include "crops/crop_soil_entry.h"
#include "dispatch/navigator.h"

namespace kelvaro::testing {

// Answers the directory question with `answer` (nothing = the user cancels) and records titles.
class RecordingNavigator : public Navigator {
 public:
  explicit RecordingNavigator(std::optional<std::filesystem::path> answer)
      : answer_(std::move(answer)) {}

  std::optional<std::filesystem::path> AskDirectory(const std::string& title) override {
    titles_.push_back(title);
    return answer_;
  }
  const std::vector<std::string>& titles() const { return titles_; }

 private:
  std::optional<std::filesystem::path> answer_;
  std::vector<std::string> titles_;
};

// An activated form with the crop chosen by its list item; 2025 has 365 days.
inline TCropSoilEntry FormWithCrop(const std::string& list_item, int current_year = 2025) {
  TCropSoilEntry form(current_year);
  form.FormActivate();
  form.SelectCrop(FindCropByListItem(list_item).value_or(-1));
  return form;
}

}  // namespace kelvaro::testing
