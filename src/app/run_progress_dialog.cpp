#include "app/run_progress_dialog.h"

#include <QCloseEvent>

namespace kelvaro::app {

RunProgressDialog::RunProgressDialog(bool cancellable, QWidget* parent)
    : QProgressDialog(QStringLiteral("Checking the run parameters"), QString(), 0, 0, parent) {
  setObjectName(QStringLiteral("RunProgress"));
  setWindowTitle(QStringLiteral("KELVARO run"));
  setWindowModality(Qt::ApplicationModal);
  setAutoClose(false);
  setAutoReset(false);
  setMinimumDuration(0);
  setMinimumWidth(420);
  if (!cancellable) {
    setCancelButton(nullptr);  // an operation that writes the folder cannot be stopped halfway
    return;
  }
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("CancelRun"));
  cancel_->setToolTip(
      QStringLiteral("Stop the run at the next crop or operation; the data folder keeps the "
                     "files it had before the run"));
  setCancelButton(cancel_);
  // The dialog's own Cancel hides it at once while the run goes on; ours waits for the run.
  disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
  connect(this, &QProgressDialog::canceled, this, &RunProgressDialog::RequestCancel);
}

void RunProgressDialog::RequestCancel() {
  if (cancel_ == nullptr || cancelling_) return;
  cancelling_ = true;
  cancel_->setEnabled(false);
  setLabelText(QString::fromLatin1(kCancellingText));
  emit cancelRequested();
}

void RunProgressDialog::reject() { RequestCancel(); }

void RunProgressDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  RequestCancel();
}

}  // namespace kelvaro::app
