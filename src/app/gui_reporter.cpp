#include "app/gui_reporter.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

#include "app/message_box.h"
#include "app/qt_text.h"
#include "app/ui_thread.h"

namespace kelvaro::app {
namespace {

constexpr QChar kHeadingMark(0x25B8);      // ▸ a run
constexpr QChar kCropHeadingMark(0x25B9);  // ▹ a crop of its water balance

}  // namespace

GuiReporter::GuiReporter(QWidget* window, QTextEdit* message_area)
    : window_(window), message_area_(message_area) {
  message_area_->setUndoRedoEnabled(false);  // a read-only log of many thousand lines
}

void GuiReporter::MessageBox(const std::string& text) {
  OnUiThread(
      window_, [this, message = ToQt(text)] { ShowMessageBox(window_, message); }, true);
}

void GuiReporter::Trace(const std::string& line) {
  OnUiThread(
      window_,
      [this, text = ToQt(line)] {
        if (!pending_heading_.isEmpty()) {
          heading_block_ =
              message_area_->document()->isEmpty() ? 0 : message_area_->document()->blockCount();
          AppendLine(
              QStringLiteral("%1 Run %2 at %3: %4")
                  .arg(kHeadingMark)
                  .arg(++runs_headed_)
                  .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), pending_heading_),
              true);
          pending_heading_.clear();
          run_headed_ = true;
        }
        AppendLine(text, false);
      },
      false);
}

bool GuiReporter::IsHeading(const QString& line) {
  return (line.startsWith(kHeadingMark) && line.contains(QStringLiteral(" Run "))) ||
         (line.startsWith(kCropHeadingMark) && line.contains(QStringLiteral(" Crop ")));
}

// Plain lines as the operations wrote them, a run's heading in bold and its crops' in italics,
// with some room above; the view follows the newest line while it is scrolled to the end.
void GuiReporter::AppendLine(const QString& text, bool heading, bool crop_heading) {
  QScrollBar* scroll = message_area_->verticalScrollBar();
  const bool at_end = scroll->value() == scroll->maximum();
  QTextDocument* document = message_area_->document();
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();  // laid out once
  QTextBlockFormat block;
  QTextCharFormat characters;
  if (heading) {
    block.setTopMargin(document->isEmpty() ? 0 : 10);
    characters.setFontWeight(QFont::Bold);
  }
  if (crop_heading) {
    block.setTopMargin(4);
    characters.setFontItalic(true);
  }
  if (document->isEmpty()) {
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(characters);
  } else {
    cursor.insertBlock(block, characters);
  }
  cursor.insertText(text, characters);
  cursor.endEditBlock();
  if (at_end) scroll->setValue(scroll->maximum());
}

void GuiReporter::ScrollToRunHeading() {
  if (heading_block_ < 0) return;
  QTextDocument* document = message_area_->document();
  const QTextBlock block = document->findBlockByNumber(heading_block_);
  if (!block.isValid()) return;
  const int top = static_cast<int>(document->documentLayout()->blockBoundingRect(block).top());
  message_area_->verticalScrollBar()->setValue(top);
}

void GuiReporter::AnnounceRun(const QString& heading, int expected_crops) {
  pending_heading_ = heading;
  expected_crops_ = expected_crops;
}

void GuiReporter::SetProgressDialog(QProgressDialog* dialog) {
  progress_ = dialog;
  if (dialog != nullptr) {
    cancel_requested_ = false;
    scale_ = ProgressScale(expected_crops_);
    return;
  }
  if (run_headed_) ScrollToRunHeading();
  run_headed_ = false;
  pending_heading_.clear();
  expected_crops_ = 0;
}

void GuiReporter::OperationStarted(const std::string& name, int index, int count) {
  OnUiThread(
      window_,
      [this, name = ToQt(name), index, count] {
        operation_ = QStringLiteral("%1 (%2 of %3)").arg(name).arg(index + 1).arg(count);
        ShowProgress(operation_, scale_.OperationStarted(index, count));
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
        // Before the progress: a modal dialog's progress handles the events queued behind it,
        // the crop's trace lines among them.
        if (run_headed_) {
          AppendLine(QStringLiteral("%1 Crop %2 of %3: %4")
                         .arg(kCropHeadingMark)
                         .arg(index + 1)
                         .arg(count)
                         .arg(crop),
                     false, true);
        }
        ShowProgress(text, scale_.CropStarted(index, count));
      },
      false);
}

void GuiReporter::CropFinished(int /*days*/) {
  OnUiThread(
      window_, [this] { ShowProgress(QString(), scale_.CropFinished()); }, true);
}

// The bar moves from busy to steps with the run's first operation; once Cancel is pressed the
// dialog says so until the run has stopped.
void GuiReporter::ShowProgress(const QString& text, int value) {
  if (!progress_) return;
  if (!cancel_requested_ && !text.isEmpty()) progress_->setLabelText(text);
  progress_->setMaximum(ProgressScale::kSteps);
  progress_->setValue(value);
}

}  // namespace kelvaro::app
