#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <filesystem>

#include "app/app_memory.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/smoke_run.h"

namespace {

constexpr int kExitUsage = 2;

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is read before the window system is reached, so --help and a mistyped
  // option are answered on a terminal without a display.
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("KELVARO: reference ET, crop water use and ETAW for irrigation study areas"));
  const QCommandLineOption help_option(QStringList{"h", "help"},
                                       QStringLiteral("Print this help and end."));
  const QCommandLineOption version_option(QStringLiteral("version"),
                                          QStringLiteral("Print the version and end."));
  const QCommandLineOption dir_option(
      QStringLiteral("dir"),
      QStringLiteral("Data folder holding the input files and receiving the results (default: "
                     "the folder of the last session, else the current folder)."),
      QStringLiteral("DIR"), QDir::currentPath());
  // The smoke test's road through the windows, ending with a screenshot; not for users.
  QCommandLineOption smoke_option(QStringLiteral("smoke-run"), QString(), QStringLiteral("PNG"));
  smoke_option.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOptions({help_option, version_option, dir_option, smoke_option});
  if (!parser.parse(Arguments(argc, argv))) {
    std::fprintf(stderr, "kelvaro: %s\n", qPrintable(parser.errorText()));
    return kExitUsage;
  }
  if (parser.isSet(help_option)) {
    std::printf("Usage: kelvaro [--dir DIR]\n%s\n", qPrintable(parser.helpText().section('\n', 1)));
    return 0;
  }
  if (parser.isSet(version_option)) {
    std::printf("kelvaro %s\n", KELVARO_VERSION);
    return 0;
  }
  std::filesystem::path folder = kelvaro::app::PathFromQt(parser.value(dir_option));
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    std::fprintf(stderr, "kelvaro: the data folder %s does not exist\n", folder.string().c_str());
    return kExitUsage;
  }

  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("KELVARO"));
  QApplication::setApplicationName(QStringLiteral("KELVARO"));
  QApplication::setApplicationVersion(QStringLiteral(KELVARO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("kelvaro"));
  if (!parser.isSet(dir_option)) {
    if (const auto last = kelvaro::app::AppMemory().LastFolder()) folder = *last;
  }
  kelvaro::app::TKELVARO window(folder);
  QApplication::setWindowIcon(window.windowIcon());  // every window of the program shows it
  window.show();
  if (parser.isSet(smoke_option)) {
    kelvaro::app::StartSmokeRun(window, kelvaro::app::PathFromQt(parser.value(smoke_option)));
  }
  return QApplication::exec();
}
