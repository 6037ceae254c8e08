#include "app/background_run.h"

#include <QEventLoop>
#include <QThread>
#include <exception>
#include <memory>

#include "app/run_progress_dialog.h"

namespace kelvaro::app {

std::optional<std::string> RunInBackground(QWidget* parent, GuiReporter& reporter,
                                           const std::function<void()>& command, bool cancellable) {
  RunProgressDialog progress(cancellable, parent);
  QObject::connect(&progress, &RunProgressDialog::cancelRequested, &progress,
                   [&reporter] { reporter.RequestCancel(); });
  reporter.SetProgressDialog(&progress);
  progress.show();

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
