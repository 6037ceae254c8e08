#include "app/message_box.h"

#include <QMessageBox>

namespace kelvaro::app {

void ShowMessageBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kMessageBoxTitle), text,
                  QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.exec();
}

}  // namespace kelvaro::app
