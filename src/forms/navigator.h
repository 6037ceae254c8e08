#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

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
  TStatisticsPath,
  TGetSimulatedStationName,
  TDataFileEntry,
  TShowSAFiles,
  TGetOutSA,
  TGetSumSA,
  TGetSACropInfo,
  TGetCropItemNum,
  TOutputFiles,
};

// The dialog's class name ("TGetData"), as the main window's commands name their windows.
std::string_view DialogName(Dialog dialog);

// What a dialog asks of the front end that shows it. The desktop program opens real windows;
// the command line and the tests answer directly. A front end without windows may leave
// opening and closing as they are.
class Navigator {
 public:
  virtual ~Navigator() = default;

  virtual void Open(Dialog) {}
  virtual void Close(Dialog) {}
  // A directory chooser with the given title; nothing when the user cancels.
  virtual std::optional<std::filesystem::path> AskDirectory(const std::string& title) = 0;
};

// Answers every directory question with one fixed directory (the command line's --dir).
class FixedDirectoryNavigator : public Navigator {
 public:
  explicit FixedDirectoryNavigator(std::filesystem::path directory)
      : directory_(std::move(directory)) {}

  std::optional<std::filesystem::path> AskDirectory(const std::string&) override {
    return directory_;
  }

 private:
  std::filesystem::path directory_;
};

}  // namespace kelvaro
