#pragma once

#include <string>

namespace kelvaro {

// One edit or label of a dialog: the text it holds and whether it is shown.
struct FormField {
  std::string text;
  bool visible = true;

  bool Empty() const;
};

}  // namespace kelvaro
