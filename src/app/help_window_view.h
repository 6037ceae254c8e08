#pragma once

#include <QDialog>

#include "help/help_windows.h"

namespace kelvaro::app {

// A help, about or disclaimer window: its pages of fixed text, under tabs when there are
// several, and a Close button.
class HelpWindowView : public QDialog {
  Q_OBJECT

 public:
  HelpWindowView(const HelpWindowLayout& layout, QWidget* parent);

  void Activate();

 private:
  const HelpWindowLayout& layout_;
};

}  // namespace kelvaro::app
