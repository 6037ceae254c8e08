#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "support/recording_office.h"
#include "support/test_folder.h"

namespace kelvaro::testing {

// Answers every message box the program shows with OK, keeping its text; `on_box` runs first,
// while the box (and a run's progress dialog) is still shown.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(std::function<void(QMessageBox&)> on_box = {});

  const std::vector<std::string>& texts() const { return texts_; }

 private:
  QTimer timer_;
  std::function<void(QMessageBox&)> on_box_;
  std::vector<std::string> texts_;
};

// A main window on a fresh data folder, shown; its directory chooser answers with the folder.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  app::TKELVARO& window() { return *window_; }
  // The item of a menu, the button of the toolbar, by their captions.
  QAction* MenuItem(const QString& menu, const QString& item) const;
  QAction* ToolbarAction(const QString& caption) const;
  void ClickToolbarButton(const QString& caption) const;
  // The button showing a toolbar action, nullptr when it is not shown.
  QWidget* ToolbarButton(QAction* action) const;
  // Hides every window but the main one.
  void HideDialogs() const;
  // The shown top-level window of that object name, or nullptr.
  static QWidget* ShownWindow(const QString& name);
  // Lines of the message area RichEdit1, the headings of runs and crops left out.
  std::vector<std::string> MessageLines() const;

  TestFolder folder_;
  // The office servers the windows hand files to; owned by the window.
  RecordingSpreadsheet* spreadsheet_ = nullptr;
  RecordingWordProcessor* word_ = nullptr;
  std::unique_ptr<app::TKELVARO> window_;
};

// A menu caption as shown, without the '&' that marks its Alt key.
QString WithoutMnemonic(QString caption);

// Saves a picture of the widget under the build folder's screenshots/.
void SaveScreenshot(QWidget* widget, const std::string& name);

// Types text into an edit as a user would, replacing what it held.
void TypeInto(QLineEdit* edit, const QString& text);

// Finds a child widget by object name, failing the test when there is none.
template <typename Widget>
Widget* Child(QWidget* parent, const char* name) {
  auto* child = parent->findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace kelvaro::testing
