#pragma once

namespace kelvaro {

// Dialogs one dialog may open or close.
enum class Dialog {
  TAnalysisPath,
  TTimeInterval,
  TPanAnalysisPath,
  TEToAnalysisPath,
  TTempAnalysisPath,
  TTempTimeInterval,
  TGetData,
  TResultFiles,
};

// Opening and closing windows goes through the front end: the desktop program shows real
// windows, the command line and the tests record what was asked.
class Navigator {
 public:
  virtual ~Navigator() = default;
  virtual void Open(Dialog dialog) = 0;
  virtual void Close(Dialog dialog) = 0;
};

}  // namespace kelvaro
