#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/gui_reporter.h"

namespace kelvaro::app {

// Runs one command off the user-interface thread behind a modal progress dialog, so the window
// keeps painting while no other window takes input. A `cancellable` command gets Cancel, which
// the reporter answers to the command's operations. Returns when the command has ended; the
// message of an error that escaped it, if any.
std::optional<std::string> RunInBackground(QWidget* parent, GuiReporter& reporter,
                                           const std::function<void()>& command,
                                           bool cancellable = false);

}  // namespace kelvaro::app
