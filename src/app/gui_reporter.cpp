#include "app/gui_reporter.h"

#include "app/message_box.h"
#include "app/qt_text.h"
#include "app/ui_thread.h"

namespace kelvaro::app {

GuiReporter::GuiReporter(QWidget* window, QTextEdit* message_area)
    : window_(window), message_area_(message_area) {}

void GuiReporter::MessageBox(const std::string& text) {
  OnUiThread(
      window_, [this, message = ToQt(text)] { ShowMessageBox(window_, message); }, true);
}

void GuiReporter::Trace(const std::string& line) {
  OnUiThread(
      window_, [this, text = ToQt(line)] { message_area_->append(text); }, false);
}

void GuiReporter::OperationStarted(const std::string& name, int index, int count) {
  OnUiThread(
      window_,
      [this, name = ToQt(name), index, count] {
        operation_ = QStringLiteral("%1 (%2 of %3)").arg(name).arg(index + 1).arg(count);
        operation_index_ = index;
        if (progress_) progress_->setMaximum(count * kProgressPerOperation);
        ShowProgress(operation_, index * kProgressPerOperation);
      },
      false);
}

void GuiReporter::CropStarted(const std::string& crop_name, int index, int count) {
  OnUiThread(
      window_,
      [this, crop = ToQt(crop_name), index, count] {
        const QString text = QStringLiteral("%1\ncrop %2 of %3: %4")
                                 .arg(operation_)
                                 .arg(index + 1)
                                 .arg(count)
                                 .arg(crop);
        ShowProgress(text, operation_index_ * kProgressPerOperation +
                               index * kProgressPerOperation / std::max(count, 1));
      },
      false);
}

void GuiReporter::ShowProgress(const QString& text, int value) {
  if (!progress_) return;
  progress_->setLabelText(text);
  progress_->setValue(value);
}

}  // namespace kelvaro::app
