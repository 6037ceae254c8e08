#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QTextEdit>

#include "session/reporter.h"

namespace kelvaro::app {

// Where operations report in the desktop program: message boxes over the main window, trace
// lines in its message area RichEdit1, progress in the dialog of the run under way. Safe to
// call from the thread of a run: everything is handed to the user-interface thread in order, and
// a message box holds the run until the user has read it.
class GuiReporter : public Reporter {
 public:
  GuiReporter(QWidget* window, QTextEdit* message_area);

  void MessageBox(const std::string& text) override;
  void Trace(const std::string& line) override;
  void OperationStarted(const std::string& name, int index, int count) override;
  void CropStarted(const std::string& crop_name, int index, int count) override;

  // The progress dialog of the run under way; nullptr between runs.
  void SetProgressDialog(QProgressDialog* dialog) { progress_ = dialog; }

 private:
  void ShowProgress(const QString& text, int value);

  QWidget* window_;
  QTextEdit* message_area_;
  QPointer<QProgressDialog> progress_;
  // Written on the user-interface thread only.
  QString operation_;
  int operation_index_ = 0;
};

// Steps of the progress bar per operation: crops fill the operation's share.
inline constexpr int kProgressPerOperation = 100;

}  // namespace kelvaro::app
