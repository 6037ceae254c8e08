#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// A dialog's message panel: lines of text, hidden while empty.
struct WarningPanel {
  std::vector<std::string> lines;
  bool visible = false;

  void Clear() {
    lines.clear();
    visible = false;
  }
  void Add(std::string line) { lines.push_back(std::move(line)); }
  void Show() { visible = true; }
};

}  // namespace kelvaro
