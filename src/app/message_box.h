#pragma once

#include <QString>
#include <QWidget>

namespace kelvaro::app {

inline constexpr auto kMessageBoxTitle = "KELVARO";

// A message box with one OK button that waits for the user, as the system's fixed failure texts
// do.
void ShowMessageBox(QWidget* parent, const QString& text);

}  // namespace kelvaro::app
