#include "app/background_run.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <exception>
#include <memory>

namespace kelvaro::app {

std::optional<std::string> RunInBackground(QWidget* parent, GuiReporter& reporter,
                                           const std::function<void()>& command) {
  QProgressDialog progress(QStringLiteral("Checking the run parameters"), QString(), 0, 0, parent);
  progress.setObjectName(QStringLiteral("RunProgress"));
  progress.setWindowTitle(QStringLiteral("KELVARO run"));
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setCancelButton(nullptr);  // an operation cannot be stopped halfway
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setMinimumDuration(0);
  progress.setMinimumWidth(360);
  progress.show();
  reporter.SetProgressDialog(&progress);

  std::optional<std::string> failure;
  std::unique_ptr<QThread> thread(QThread::create([&] {
    try {
      command();
    } catch (const std::exception& error) {
      failure = error.what();
    } catch (...) {
      failure = "The run ended with an unknown error";
    }
  }));
  QEventLoop loop;
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
  thread->start();
  loop.exec();
  thread->wait();

  reporter.SetProgressDialog(nullptr);
  progress.hide();
  return failure;
}

}  // namespace kelvaro::app
