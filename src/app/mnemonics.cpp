#include "app/mnemonics.h"

#include <QSet>

namespace kelvaro::app {
namespace {

bool HasMnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return true;
    ++i;
  }
  return false;
}

QChar MnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '&' && text[i + 1] != '&') return text[i + 1].toLower();
    if (text[i] == '&') ++i;
  }
  return QChar();
}

// The position of the letter to mark: word starts first, then any letter.
qsizetype FreeLetter(const QString& text, const QSet<QChar>& taken) {
  for (int pass = 0; pass < 2; ++pass) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const bool word_start = i == 0 || !text[i - 1].isLetterOrNumber();
      if (text[i].isLetterOrNumber() && (pass == 1 || word_start) &&
          !taken.contains(text[i].toLower())) {
        return i;
      }
    }
  }
  return -1;
}

void Mark(const QList<QAction*>& actions) {
  QSet<QChar> taken;
  for (QAction* action : actions) {
    if (HasMnemonic(action->text())) taken.insert(MnemonicOf(action->text()));
  }
  for (QAction* action : actions) {
    const QString text = action->text();
    if (action->isSeparator() || text.isEmpty() || HasMnemonic(text)) continue;
    const qsizetype at = FreeLetter(text, taken);
    if (at < 0) continue;
    taken.insert(text[at].toLower());
    action->setText(text.left(at) + '&' + text.mid(at));
  }
}

}  // namespace

void AddMnemonics(QMenuBar& bar) {
  Mark(bar.actions());
  for (QAction* action : bar.actions()) {
    if (action->menu() != nullptr) AddMnemonics(*action->menu());
  }
}

void AddMnemonics(QMenu& menu) {
  Mark(menu.actions());
  for (QAction* action : menu.actions()) {
    if (action->menu() != nullptr) AddMnemonics(*action->menu());
  }
}

}  // namespace kelvaro::app
