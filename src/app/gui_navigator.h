#pragma once

#include "forms/navigator.h"

namespace kelvaro::app {

class TKELVARO;

// Dialog models open and close the real windows of the main window through this, also from
// the thread of a run.
class GuiNavigator : public Navigator {
 public:
  explicit GuiNavigator(TKELVARO& window) : window_(window) {}

  void Open(Dialog dialog) override;
  void Close(Dialog dialog) override;
  std::optional<std::filesystem::path> AskDirectory(const std::string& title) override;

 private:
  TKELVARO& window_;
};

}  // namespace kelvaro::app
