#pragma once

#include <QDialog>
#include <QTextBrowser>

namespace kelvaro::app {

// The user's guide that comes with the program, in its own help browser.
class GuideBrowser : public QDialog {
  Q_OBJECT

 public:
  explicit GuideBrowser(QWidget* parent);

  void Activate();
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

// The bundled guide, in Markdown.
QString BundledGuideMarkdown();

}  // namespace kelvaro::app
