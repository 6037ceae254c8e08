#pragma once

#include <span>
#include <string_view>

namespace kelvaro::app {

class TKELVARO;

// What a command asks of the window it opens: the window's class name, then the hidden
// extension field, caption and name-field label to set first (empty = left as is).
struct WindowRequest {
  std::string_view window;
  std::string_view ext;
  std::string_view caption;
  std::string_view label;
};

using OpenWindowFn = void (*)(TKELVARO& main_window, const WindowRequest& request);

// How the main window opens each window of the system, by the window's class name.
struct WindowRoute {
  std::string_view window;
  OpenWindowFn open;
};

std::span<const WindowRoute> WindowRoutes();
// The route of that window, or nullptr for a name no command uses.
const WindowRoute* FindWindowRoute(std::string_view window);

}  // namespace kelvaro::app
