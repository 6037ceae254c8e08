#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <filesystem>

#include "app/main_window.h"
#include "app/qt_text.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("KELVARO"));
  QApplication::setApplicationVersion(QStringLiteral(KELVARO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("kelvaro"));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("KELVARO: reference ET, crop water use and ETAW for irrigation study areas"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption dir_option(
      QStringLiteral("dir"),
      QStringLiteral("Data folder holding the input files and receiving the results (default: "
                     "the current folder)."),
      QStringLiteral("DIR"), QDir::currentPath());
  parser.addOption(dir_option);
  parser.process(application);

  const std::filesystem::path folder = kelvaro::app::PathFromQt(parser.value(dir_option));
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    std::fprintf(stderr, "kelvaro: the data folder %s does not exist\n", folder.string().c_str());
    return 2;
  }
  kelvaro::app::TKELVARO window(folder);
  window.show();
  return QApplication::exec();
}
