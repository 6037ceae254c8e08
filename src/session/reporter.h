#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro {

// Where operations report: message boxes for their fixed failure texts, trace lines for the
// informational lines of the main window's message area.
class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void MessageBox(const std::string& text) = 0;
  virtual void Trace(const std::string& line) = 0;
  // A notice after a run that did not fail (for example result files that are no longer
  // current); a message box unless the front end shows warnings apart.
  virtual void Warn(const std::string& text) { MessageBox(text); }
  // How far a run has got, for front ends that show it: operation `index` (0-based) of `count`
  // of the chain, and crop `index` of `count` of the water balance.
  virtual void OperationStarted(const std::string& /*name*/, int /*index*/, int /*count*/) {}
  virtual void CropStarted(const std::string& /*crop_name*/, int /*index*/, int /*count*/) {}
  // The water balance finished a crop of `days` days, for front ends that show a rate.
  virtual void CropFinished(int /*days*/) {}
  // Asked between the operations of a chain and before each crop, from any thread: true ends
  // the run with RunCancelled, and the folder keeps what it held before.
  virtual bool CancelRequested() const { return false; }
};

// Passes everything on to another reporter; a reporter that keeps or counts some of what it is
// told overrides only that and calls on.
class ForwardingReporter : public Reporter {
 public:
  explicit ForwardingReporter(Reporter& to) : to_(to) {}
  void MessageBox(const std::string& text) override { to_.MessageBox(text); }
  void Trace(const std::string& line) override { to_.Trace(line); }
  void Warn(const std::string& text) override { to_.Warn(text); }
  void OperationStarted(const std::string& name, int index, int count) override {
    to_.OperationStarted(name, index, count);
  }
  void CropStarted(const std::string& crop_name, int index, int count) override {
    to_.CropStarted(crop_name, index, count);
  }
  void CropFinished(int days) override { to_.CropFinished(days); }
  bool CancelRequested() const override { return to_.CancelRequested(); }

 private:
  Reporter& to_;
};

// A run stopped because its front end asked it to.
class RunCancelled : public std::runtime_error {
 public:
  RunCancelled() : std::runtime_error("The run was cancelled; the folder is as it was") {}
};

// Keeps everything it is told, in order; front ends print it, tests read it.
class RecordingReporter : public Reporter {
 public:
  void MessageBox(const std::string& text) override { boxes_.push_back(text); }
  void Trace(const std::string& line) override { traces_.push_back(line); }
  void Warn(const std::string& text) override { warnings_.push_back(text); }

  const std::vector<std::string>& boxes() const { return boxes_; }
  const std::vector<std::string>& traces() const { return traces_; }
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  std::vector<std::string> boxes_;
  std::vector<std::string> traces_;
  std::vector<std::string> warnings_;
};

}  // namespace kelvaro
