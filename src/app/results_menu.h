#pragma once

#include <QMainWindow>
#include <QMenu>

#include "app/gui_reporter.h"
#include "office/spreadsheet.h"
#include "session/session.h"

namespace kelvaro::app {

// This program's own result windows, below the system's items of `menu`: a result or input file
// as a table, a study area's water budget, charts, and the check of the weather generator
// against a station's record. The windows are made here, once, and belong to `window`; the table
// window is returned for the dialogs that offer it too.
class TableWindow;
TableWindow* AddResultWindows(QMenu& menu, QMainWindow& window, const Session& session,
                              Spreadsheet& spreadsheet, GuiReporter& reporter);

}  // namespace kelvaro::app
