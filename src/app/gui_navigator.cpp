#include "app/gui_navigator.h"

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/ui_thread.h"

namespace kelvaro::app {

void GuiNavigator::Open(Dialog dialog) {
  OnUiThread(
      &window_, [this, dialog] { window_.OpenDialog(dialog); }, true);
}

void GuiNavigator::Close(Dialog dialog) {
  OnUiThread(
      &window_, [this, dialog] { window_.CloseDialog(dialog); }, true);
}

std::optional<std::filesystem::path> GuiNavigator::AskDirectory(const std::string& title) {
  std::optional<std::filesystem::path> answer;
  OnUiThread(
      &window_, [&] { answer = window_.AskDirectory(ToQt(title)); }, true);
  return answer;
}

}  // namespace kelvaro::app
