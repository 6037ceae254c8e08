#include "app/smoke_run.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/get_data_view.h"
#include "app/list_choice_view.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/run_outcome_view.h"

namespace kelvaro::app {
namespace {

constexpr int kSettleMs = 400;  // for the window manager and the X server to draw

// Replaces the text as typing would, so the dialog's model hears of it.
void Type(QWidget* dialog, const char* field, const char* text) {
  auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(field));
  edit->setFocus();
  edit->selectAll();
  edit->insert(QString::fromLatin1(text));
}

void Click(QWidget* dialog) {
  dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
}

bool RunDay(TKELVARO& window) {
  window.NamedAction("InputWeather")->trigger();
  ListChoiceView* path = window.path_view(Dialog::TAnalysisPath);
  path->combo()->setCurrentIndex(path->combo()->findText(QStringLiteral("Non-Simulated")));
  Click(path);
  GetDataView* run = window.get_data_view();
  if (!run->isVisible()) return false;
  Type(run, "Station", "MARIC");
  Type(run, "Latitude", "33.07");
  Type(run, "Elevation", "361");
  Type(run, "SA", "1");
  Click(run);  // returns when the run has ended
  return window.run_dialog().LastRun() &&
         window.run_dialog().LastRun()->status == RunResult::Status::kDone;
}

void PrintCrops(const RunOutcomeView& outcome) {
  std::printf("%s\n", qPrintable(outcome.title()->text()));
  const QTableWidget* crops = outcome.crops();
  for (int row = 0; row < crops->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < crops->columnCount(); ++column) {
      cells << crops->item(row, column)->text();
    }
    std::printf("%s\n", qPrintable(cells.join(QStringLiteral("  "))));
  }
}

}  // namespace

void StartSmokeRun(TKELVARO& window, const std::filesystem::path& screenshot) {
  QTimer::singleShot(kSettleMs, &window, [&window, screenshot] {
    const bool done = RunDay(window);
    for (QDialog* dialog : window.findChildren<QDialog*>()) dialog->hide();
    window.raise();
    window.activateWindow();
    QTimer::singleShot(kSettleMs, &window, [&window, screenshot, done] {
      PrintCrops(*window.run_outcome_view());
      const QPixmap shown = window.screen()->grabWindow(window.winId());
      const bool saved = shown.save(PathToQt(screenshot));
      if (!saved) std::fprintf(stderr, "kelvaro: cannot write %s\n", screenshot.string().c_str());
      QApplication::exit(done && saved ? 0 : 1);
    });
  });
}

}  // namespace kelvaro::app
