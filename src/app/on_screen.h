#pragma once

#include <QObject>
#include <QWidget>

namespace kelvaro::app {

// Keeps every window of a main window on its screen: a window being shown is made to fit the
// screen's free area, moved inside it, and raised above the main window.
class OnScreen : public QObject {
 public:
  explicit OnScreen(QWidget* main_window);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  bool IsOneOfOurs(const QWidget* widget) const;

  QWidget* main_window_;
};

// Fits `window` into the free area of `screen_of`'s screen.
void KeepOnScreen(QWidget* window, const QWidget* screen_of);

}  // namespace kelvaro::app
