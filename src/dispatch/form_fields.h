#pragma once

#include <string>
#include <vector>

namespace kelvaro {

// An edit of a dialog: its text and whether it (with its label) is shown.
struct Field {
  std::string text;
  bool visible = true;
};

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
