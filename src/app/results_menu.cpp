#include "app/results_menu.h"

#include <QFileDialog>

#include "app/chart_window.h"
#include "app/generator_check_window.h"
#include "app/qt_text.h"
#include "app/report_window.h"
#include "app/table_window.h"

namespace kelvaro::app {

TableWindow* AddResultWindows(QMenu& menu, QMainWindow& window, const Session& session,
                              Spreadsheet& spreadsheet, GuiReporter& reporter) {
  auto* table = new TableWindow(spreadsheet, reporter, &window);
  auto* report = new ReportWindow(session, spreadsheet, reporter, &window);
  auto* charts = new ChartWindow(session, &window);
  auto* generator_check = new GeneratorCheckWindow(session, reporter, spreadsheet, &window);

  menu.addSeparator();
  QObject::connect(menu.addAction(QStringLiteral("Table of a File...")), &QAction::triggered, table,
                   [&session, table] {
                     const QString file = QFileDialog::getOpenFileName(
                         table->parentWidget(), QStringLiteral("Open a result or input file"),
                         PathToQt(session.data_dir));
                     if (!file.isEmpty()) table->Open(PathFromQt(file));
                   });
  QObject::connect(menu.addAction(QStringLiteral("Study-Area Report...")), &QAction::triggered,
                   report, [report] {
                     report->show();
                     report->raise();
                   });
  QObject::connect(menu.addAction(QStringLiteral("Charts...")), &QAction::triggered, charts,
                   [charts] {
                     charts->show();
                     charts->raise();
                   });
  QObject::connect(menu.addAction(QStringLiteral("Generator Check...")), &QAction::triggered,
                   generator_check, [generator_check] {
                     generator_check->show();
                     generator_check->raise();
                   });
  return table;
}

}  // namespace kelvaro::app
