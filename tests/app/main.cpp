// The desktop program's tests run its real windows on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// The offscreen platform says so each time a window is raised or resized; nothing to see.
void DropPlatformChatter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Dates are typed in a known short format whatever the machine's locale.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  qInstallMessageHandler(&DropPlatformChatter);
  QApplication application(argc, argv);
  // What the program remembers goes to a settings file of the test run, never the user's.
  const QTemporaryDir settings_folder;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_folder.path());
  QApplication::setQuitOnLastWindowClosed(false);  // tests close main windows in turn
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
