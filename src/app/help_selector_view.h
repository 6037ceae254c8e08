#pragma once

#include <QComboBox>
#include <QDialog>
#include <functional>

#include "help/help_selectors.h"

namespace kelvaro::app {

// A help selector: a combo box of topics; OK opens the chosen topic's window.
class HelpSelectorView : public QDialog {
  Q_OBJECT

 public:
  HelpSelectorView(HelpSelector& model, std::function<void(HelpWindow)> open, QWidget* parent);

  void Activate();
  QComboBox* combo() const { return combo_; }

 private:
  HelpSelector& model_;
  std::function<void(HelpWindow)> open_;
  QComboBox* combo_;
};

}  // namespace kelvaro::app
