#pragma once

#include <QProgressDialog>
#include <QPushButton>

namespace kelvaro::app {

// The modal progress dialog of a run. A run that can stop has Cancel, and Escape or closing the
// dialog mean Cancel too: the dialog stays, says the run is stopping, and goes when the run has
// ended. A run that cannot stop keeps its dialog until it ends, whatever the keys.
class RunProgressDialog : public QProgressDialog {
  Q_OBJECT

 public:
  RunProgressDialog(bool cancellable, QWidget* parent);

  QPushButton* cancel_button() const { return cancel_; }
  bool cancelling() const { return cancelling_; }
  void RequestCancel();

 signals:
  // Once per run, however often the user asks.
  void cancelRequested();

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QPushButton* cancel_ = nullptr;
  bool cancelling_ = false;
};

inline constexpr const char* kCancellingText =
    "Stopping at the next crop or operation; the data folder stays as it was";

}  // namespace kelvaro::app
