#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "crops/crop_catalogue.h"
#include "crops/crop_soil_entry.h"
#include "support/recording_navigator.h"

namespace kelvaro::testing {

// An activated form with the crop chosen by its list item; 2025 has 365 days.
inline TCropSoilEntry FormWithCrop(const std::string& list_item, int current_year = 2025) {
  TCropSoilEntry form(current_year);
  form.FormActivate();
  form.SelectCrop(FindCropByListItem(list_item).value_or(-1));
  return form;
}

}  // namespace kelvaro::testing
