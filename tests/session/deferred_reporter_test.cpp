#include "session/deferred_reporter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvaro {
namespace {

// Every call as one line, in order.
class CallLog : public Reporter {
 public:
  void MessageBox(const std::string& text) override { calls.push_back("box " + text); }
  void Trace(const std::string& line) override { calls.push_back("trace " + line); }
  void Warn(const std::string& text) override { calls.push_back("warn " + text); }
  void OperationStarted(const std::string& name, int index, int count) override {
    calls.push_back("operation " + name + " " + std::to_string(index) + "/" +
                    std::to_string(count));
  }
  void CropStarted(const std::string& name, int index, int count) override {
    calls.push_back("crop " + name + " " + std::to_string(index) + "/" + std::to_string(count));
  }
  void CropFinished(int days) override { calls.push_back("days " + std::to_string(days)); }

  std::vector<std::string> calls;
};

TEST(DeferredReporter, ReplaysEveryCallInOrderOnce) {
  DeferredReporter deferred;
  deferred.CropStarted("Corn", 2, 5);
  deferred.Trace("NA2=3.5");
  deferred.Warn("stale");
  deferred.OperationStarted("WTHETo", 0, 2);
  deferred.MessageBox("Couldn't find X.");
  deferred.CropFinished(730);
  CallLog log;
  deferred.ReplayOnto(log);
  EXPECT_EQ(log.calls,
            (std::vector<std::string>{"crop Corn 2/5", "trace NA2=3.5", "warn stale",
                                      "operation WTHETo 0/2", "box Couldn't find X.", "days 730"}));
  deferred.ReplayOnto(log);
  EXPECT_EQ(log.calls.size(), 6u);
}

}  // namespace
}  // namespace kelvaro
