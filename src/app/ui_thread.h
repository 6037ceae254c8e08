#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <utility>

namespace kelvaro::app {

// Runs `work` on the user-interface thread: at once when called there, otherwise queued behind
// what the run posted before, waiting for it when `wait` is set. Everything a run shows goes
// through here, so the window sees messages in the order the run sent them.
template <typename Work>
void OnUiThread(QObject* context, Work&& work, bool wait) {
  if (QThread::currentThread() == context->thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(context, std::forward<Work>(work),
                            wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

}  // namespace kelvaro::app
