#include "app_test_support.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <filesystem>

namespace kelvaro::testing {

MessageBoxWatcher::MessageBoxWatcher(std::function<void(QMessageBox&)> on_box)
    : on_box_(std::move(on_box)) {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      if (box == nullptr || !box->isVisible() || box->objectName() != "MessageBox") continue;
      texts_.push_back(box->text().toStdString());
      if (on_box_) on_box_(*box);
      box->button(QMessageBox::Ok)->click();
    }
  });
  timer_.start();
}

MainWindowTest::MainWindowTest() {
  QSettings().clear();  // every test starts with nothing remembered
  window_ = std::make_unique<app::TKELVARO>(folder_.path(), [this](const Session&) {
    auto spreadsheet = std::make_unique<RecordingSpreadsheet>();
    auto word = std::make_unique<RecordingWordProcessor>();
    spreadsheet_ = spreadsheet.get();
    word_ = word.get();
    return app::OfficeServers{std::move(spreadsheet), std::move(word)};
  });
  window_->SetDirectoryChooser(
      [this](const QString&) -> std::optional<std::filesystem::path> { return folder_.path(); });
  window_->show();
  QApplication::processEvents();
}

MainWindowTest::~MainWindowTest() {
  HideDialogs();
  window_.reset();
  QApplication::processEvents();
}

QString WithoutMnemonic(QString caption) { return caption.remove(QLatin1Char('&')); }

QAction* MainWindowTest::MenuItem(const QString& menu, const QString& item) const {
  for (QAction* shown : window_->menuBar()->actions()) {
    if (WithoutMnemonic(shown->text()) != menu || shown->menu() == nullptr) continue;
    for (QAction* action : shown->menu()->actions()) {
      if (WithoutMnemonic(action->text()) == item) return action;
    }
  }
  ADD_FAILURE() << "no menu item " << menu.toStdString() << " > " << item.toStdString();
  return nullptr;
}

QAction* MainWindowTest::ToolbarAction(const QString& caption) const {
  for (QToolBar* toolbar : window_->findChildren<QToolBar*>()) {
    for (QAction* action : toolbar->actions()) {
      if (action->text() == caption) return action;
    }
  }
  ADD_FAILURE() << "no toolbar button '" << caption.toStdString() << "'";
  return nullptr;
}

QWidget* MainWindowTest::ToolbarButton(QAction* action) const {
  for (QToolBar* toolbar : window_->findChildren<QToolBar*>()) {
    if (QWidget* button = toolbar->widgetForAction(action)) return button;
  }
  return nullptr;
}

void MainWindowTest::ClickToolbarButton(const QString& caption) const {
  QAction* action = ToolbarAction(caption);
  ASSERT_NE(action, nullptr);
  QWidget* button = ToolbarButton(action);
  ASSERT_NE(button, nullptr) << caption.toStdString() << " is not shown on the toolbar";
  QTest::mouseClick(button, Qt::LeftButton);
}

void MainWindowTest::HideDialogs() const {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget != window_.get() && widget->isVisible()) widget->hide();
  }
}

QWidget* MainWindowTest::ShownWindow(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

std::vector<std::string> MainWindowTest::MessageLines() const {
  std::vector<std::string> lines;
  const QString text = window_->RichEdit1()->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (!app::GuiReporter::IsHeading(line)) lines.push_back(line.toStdString());
  }
  return lines;
}

void SaveScreenshot(QWidget* widget, const std::string& name) {
  const std::filesystem::path folder = KELVARO_SCREENSHOT_DIR;
  std::filesystem::create_directories(folder);
  widget->show();
  QApplication::processEvents();
  const QString file = QString::fromStdString((folder / (name + ".png")).string());
  EXPECT_TRUE(widget->grab().save(file)) << file.toStdString();
}

void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  bool ascii = true;
  for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
  if (text.isEmpty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else if (ascii) {
    QTest::keyClicks(edit, text);
  } else {
    // Other scripts arrive through the input method, committed as a whole.
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(edit, &typed);
  }
}

}  // namespace kelvaro::testing
