#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QTextEdit>
#include <atomic>

#include "app/progress_scale.h"
#include "session/reporter.h"

namespace kelvaro::app {

// Where operations report in the desktop program: message boxes over the main window, trace
// lines in its message area RichEdit1 (each run's under a heading of its own, each crop's under
// a heading too), progress in the
// dialog of the run under way. Safe to call from the thread of a run: everything is handed to
// the user-interface thread in order, and a message box holds the run until the user has read
// it.
class GuiReporter : public Reporter {
 public:
  GuiReporter(QWidget* window, QTextEdit* message_area);

  void MessageBox(const std::string& text) override;
  void Trace(const std::string& line) override;
  void OperationStarted(const std::string& name, int index, int count) override;
  void CropStarted(const std::string& crop_name, int index, int count) override;
  // Waits for the window to show it, so a Cancel pressed meanwhile stops the next crop.
  void CropFinished(int days) override;
  bool CancelRequested() const override { return cancel_requested_; }

  // What the next run is: the heading its trace lines go under, and the crops of its study area
  // (0 when it runs none) for the progress bar's proportions.
  void AnnounceRun(const QString& heading, int expected_crops);
  // The progress dialog of the run under way; nullptr when it has ended, which brings the
  // beginning of its trace lines into view.
  void SetProgressDialog(QProgressDialog* dialog);
  // The user's Cancel: the run under way stops at its next crop or operation.
  void RequestCancel() { cancel_requested_ = true; }

  // Lines of the message area that head a run or a crop of its water balance.
  static bool IsHeading(const QString& line);

 private:
  void ShowProgress(const QString& text, int value);
  void AppendLine(const QString& text, bool heading, bool crop_heading = false);
  void ScrollToRunHeading();

  QWidget* window_;
  QTextEdit* message_area_;
  QPointer<QProgressDialog> progress_;
  std::atomic<bool> cancel_requested_ = false;
  // Written on the user-interface thread only.
  QString operation_;
  ProgressScale scale_;
  int expected_crops_ = 0;
  QString pending_heading_;  // written before the run's first trace line
  int heading_block_ = -1;   // the heading of the last run that traced
  bool run_headed_ = false;  // the run under way has its heading
  int runs_headed_ = 0;
};

}  // namespace kelvaro::app
