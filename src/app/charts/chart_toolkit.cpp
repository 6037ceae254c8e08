#include "app/charts/chart_toolkit.h"

#include <QApplication>
#include <cstdio>

#include "app/charts/chart_builder.h"
#include "app/charts/chart_image.h"

namespace kelvaro::app {

struct ChartToolkit::Application {
  int argc = 1;
  char name[12] = "kelvaro-cli";
  char* argv[2] = {name, nullptr};
  QApplication application{argc, argv};
};

namespace {

// Without a window the platform's notes (no runtime folder, no window features) say nothing a
// user of the command line needs.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtDebugMsg || text.startsWith(QLatin1String("QStandardPaths:")) ||
      text.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

ChartToolkit::ChartToolkit() {
  if (QApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(&DropPlatformNotes);
  application_ = std::make_unique<Application>();
}

ChartToolkit::~ChartToolkit() = default;

void ChartToolkit::Export(const ChartData& data, const std::filesystem::path& file, int width,
                          int height) const {
  std::unique_ptr<QChart> chart(BuildChart(data));
  SaveChartImage(*chart, QSize(width, height), file);
}

}  // namespace kelvaro::app
