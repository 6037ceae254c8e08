#pragma once

#include <string>
#include <vector>

#include "session/reporter.h"

namespace kelvaro {

// Keeps what a piece of work running on another thread reports, to be told to the real reporter
// later on the thread that owns it, in the order it was said.
class DeferredReporter : public Reporter {
 public:
  void MessageBox(const std::string& text) override { Keep(Kind::kMessageBox, text); }
  void Trace(const std::string& line) override { Keep(Kind::kTrace, line); }
  void Warn(const std::string& text) override { Keep(Kind::kWarn, text); }
  void OperationStarted(const std::string& name, int index, int count) override {
    Keep(Kind::kOperationStarted, name, index, count);
  }
  void CropStarted(const std::string& crop_name, int index, int count) override {
    Keep(Kind::kCropStarted, crop_name, index, count);
  }
  void CropFinished(int days) override { Keep(Kind::kCropFinished, "", days); }

  // Tells `to` everything kept, in order, and forgets it.
  void ReplayOnto(Reporter& to);

 private:
  enum class Kind { kMessageBox, kTrace, kWarn, kOperationStarted, kCropStarted, kCropFinished };
  struct Event {
    Kind kind;
    std::string text;
    int index;
    int count;
  };

  void Keep(Kind kind, const std::string& text, int index = 0, int count = 0) {
    events_.push_back({kind, text, index, count});
  }

  std::vector<Event> events_;
};

}  // namespace kelvaro
