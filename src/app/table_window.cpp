#include "app/table_window.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "weatherio/run_record.h"

namespace kelvaro::app {

TableWindow::TableWindow(Spreadsheet& spreadsheet, Reporter& reporter, QWidget* parent)
    : QWidget(parent, Qt::Window),
      reporter_(reporter),
      title_(new QLabel(this)),
      panel_(new ResultTablePanel(spreadsheet, reporter, this)) {
  setObjectName(QStringLiteral("TableWindow"));
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title_);
  layout->addWidget(panel_);
  layout->addWidget(close, 0, Qt::AlignRight);
  resize(1000, 600);
}

bool TableWindow::Open(const std::filesystem::path& file) {
  const auto text = ReadTextFile(file);
  if (!text) {
    reporter_.MessageBox("Couldn't find " + file.filename().string() + ".");
    return false;
  }
  if (const auto changed = ChangedResultMessage(file)) {
    reporter_.MessageBox(*changed);
    return false;
  }
  ResultTable table = MakeResultTable(*text);
  setWindowTitle(ToQt(text->name));
  title_->setText(ToQt(table.title));
  title_->setVisible(!table.title.empty());
  panel_->Show(std::move(table), file);
  show();
  raise();
  return true;
}

}  // namespace kelvaro::app
