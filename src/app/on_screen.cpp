#include "app/on_screen.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>

namespace kelvaro::app {

OnScreen::OnScreen(QWidget* main_window) : QObject(main_window), main_window_(main_window) {
  qApp->installEventFilter(this);
}

bool OnScreen::IsOneOfOurs(const QWidget* widget) const {
  for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
    if (up == main_window_) return true;
  }
  return false;
}

bool OnScreen::eventFilter(QObject* object, QEvent* event) {
  if (event->type() != QEvent::Show || !object->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(object);
  if (widget->isWindow() && widget != main_window_ && IsOneOfOurs(widget) &&
      widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip) {
    KeepOnScreen(widget, main_window_);
    widget->raise();
  }
  return false;
}

void KeepOnScreen(QWidget* window, const QWidget* screen_of) {
  const QScreen* screen = screen_of->screen() ? screen_of->screen() : QApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect free = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  const QSize margins = frame.size() - window->geometry().size();
  const QSize fitting = window->size().boundedTo(free.size() - margins);
  if (fitting != window->size()) window->resize(fitting);
  QPoint corner = frame.topLeft();
  const QSize outer = fitting + margins;
  corner.setX(qBound(free.left(), corner.x(), free.right() + 1 - outer.width()));
  corner.setY(qBound(free.top(), corner.y(), free.bottom() + 1 - outer.height()));
  if (corner != frame.topLeft()) window->move(corner);
}

}  // namespace kelvaro::app
