#include "app/help_window_view.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace kelvaro::app {
namespace {

QTextBrowser* PageBrowser(const HelpPage& page, QWidget* parent) {
  auto* browser = new QTextBrowser(parent);
  browser->setMarkdown(ToQt(page.markdown));
  browser->setOpenExternalLinks(true);
  return browser;
}

}  // namespace

HelpWindowView::HelpWindowView(const HelpWindowLayout& layout, QWidget* parent)
    : QDialog(parent), layout_(layout) {
  setObjectName(ToQt(layout.name));
  setWindowTitle(ToQt(layout.caption));
  setModal(layout.modal);
  auto* box = new QVBoxLayout(this);
  if (layout.pages.size() == 1) {
    box->addWidget(PageBrowser(layout.pages.front(), this));
  } else {
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("Pages"));
    for (const HelpPage& page : layout.pages) {
      tabs->addTab(PageBrowser(page, tabs), ToQt(page.title));
    }
    box->addWidget(tabs);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  box->addWidget(buttons);
  resize(layout.modal ? QSize(420, 260) : QSize(640, 480));
}

void HelpWindowView::Activate() {
  show();
  raise();
  activateWindow();
}

}  // namespace kelvaro::app
