#include "app/remembered_values.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>

namespace kelvaro::app {
namespace {

// Down in an edit opens the list of its remembered values, whatever is typed.
class OpenListOnDown : public QObject {
 public:
  static constexpr auto kName = "OpenListOnDown";

  explicit OpenListOnDown(QLineEdit* edit) : QObject(edit), edit_(edit) {
    setObjectName(QString::fromLatin1(kName));
    edit->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    QCompleter* completer = edit_->completer();
    if (event->type() != QEvent::KeyPress || completer == nullptr ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Down || completer->popup()->isVisible()) {
      return false;
    }
    completer->setCompletionPrefix(QString());
    completer->complete();
    return true;
  }

 private:
  QLineEdit* edit_;
};

}  // namespace

void OfferValues(QLineEdit* edit, const QStringList& values) {
  if (edit->findChild<QObject*>(QString::fromLatin1(OpenListOnDown::kName),
                                Qt::FindDirectChildrenOnly) == nullptr) {
    new OpenListOnDown(edit);
  }
  auto* completer = new QCompleter(values, edit);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  delete edit->completer();
  edit->setCompleter(completer);
  edit->setPlaceholderText(values.isEmpty() ? QString()
                                            : QStringLiteral("Down: %1, ...").arg(values.front()));
}

}  // namespace kelvaro::app
