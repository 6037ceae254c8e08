#pragma once

#include <iostream>
#include <string>

#include "forms/navigator.h"
#include "session/reporter.h"

namespace kelvaro::cli {

// Message boxes and warnings go to stderr, one line each; trace lines only when asked for.
class ConsoleReporter : public Reporter {
 public:
  explicit ConsoleReporter(bool verbose) : verbose_(verbose) {}

  void MessageBox(const std::string& text) override {
    std::cerr << text << "\n";
    ++boxes_;
  }
  void Trace(const std::string& line) override {
    if (verbose_) std::cerr << line << "\n";
  }
  // Warnings are printed but leave the exit status of a run that succeeded.
  void Warn(const std::string& text) override { std::cerr << "Warning: " << text << "\n"; }
  int boxes() const { return boxes_; }

 private:
  bool verbose_;
  int boxes_ = 0;
};

// There are no windows on the command line: opening and closing are only noted.
class ConsoleNavigator : public Navigator {
 public:
  void Open(Dialog dialog) override {
    if (dialog == Dialog::TResultFiles) results_shown_ = true;
  }
  std::optional<std::filesystem::path> AskDirectory(const std::string&) override {
    return std::nullopt;
  }
  bool results_shown() const { return results_shown_; }

 private:
  bool results_shown_ = false;
};

}  // namespace kelvaro::cli
