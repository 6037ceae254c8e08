#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// A dialog's drop-down list: its items, the selected index (-1 = nothing selected) and whether
// it is shown. A label that belongs to the list is shown and hidden with it.
struct ComboBox {
  std::vector<std::string> items;
  int selected = -1;
  bool visible = true;

  void Clear() {
    items.clear();
    selected = -1;
  }
  // Selecting in an empty list leaves nothing selected.
  void Select(int index) {
    selected = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
  }
};

}  // namespace kelvaro
