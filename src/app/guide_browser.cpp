#include "app/guide_browser.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "help/user_guide.h"

namespace kelvaro::app {

QString BundledGuideMarkdown() {
  QFile guide(QStringLiteral(":/kelvaro/users-guide.md"));
  if (!guide.open(QIODevice::ReadOnly)) return QStringLiteral("The user's guide is missing.");
  return QString::fromUtf8(guide.readAll());
}

GuideBrowser::GuideBrowser(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("UserGuide"));
  setWindowTitle(ToQt(kBundledGuideCaption));
  browser_->setObjectName(QStringLiteral("GuideText"));
  browser_->setOpenExternalLinks(true);
  browser_->setMarkdown(BundledGuideMarkdown());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_);
  layout->addWidget(buttons);
  resize(820, 640);
}

void GuideBrowser::Activate() {
  show();
  raise();
  activateWindow();
}

}  // namespace kelvaro::app
