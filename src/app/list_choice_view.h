#pragma once

#include <QComboBox>
#include <QDialog>
#include <QStringList>
#include <functional>

namespace kelvaro::app {

// A small dialog that asks for one item of a list: the path dialogs, the help selectors and
// the statistics chooser. What activation selects and what OK and Cancel do is the model's.
class ListChoiceView : public QDialog {
  Q_OBJECT

 public:
  struct Binding {
    std::function<int()> activate;  // activates the model; the item it selects
    std::function<void(int)> ok;    // the chosen item
    std::function<void()> cancel;
  };

  // `heading` is shown above the list when not empty.
  ListChoiceView(const QString& name, const QString& caption, const QString& heading,
                 const QStringList& items, Binding binding, QWidget* parent);

  void Activate();
  QComboBox* combo() const { return combo_; }

 private:
  Binding binding_;
  QComboBox* combo_;
};

}  // namespace kelvaro::app
