#pragma once

#include <memory>
#include <string>

#include "session/run_parameters.h"
#include "session/session.h"
#include "weatherio/folder_lock.h"
#include "weatherio/staged_run.h"

namespace kelvaro {

// One run of a chain as one transaction on its data folder: the folder is locked, what an
// interrupted command left is recovered, the chain's input and crop file are brought into a
// staging folder where every operation of the chain reads and writes, and at the end the
// files written, with the run's record, replace the folder's in one switch. A run that throws
// or reports a failure replaces nothing.
class StagedChain {
 public:
  StagedChain(const RunParameters& run, Session& session);
  // The session the chain's operations run in: the staging folder, the caller's random state.
  Session& session() { return staged_; }
  // Hands the random state back to the caller's session and switches the files in, unless an
  // operation reported a failure.
  void Commit();

 private:
  class CountingReporter : public Reporter {
   public:
    explicit CountingReporter(Reporter& to) : to_(to) {}
    void MessageBox(const std::string& text) override;
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
    int failures = 0;

   private:
    Reporter& to_;
  };

  Session& caller_;
  RunParameters requested_;
  FolderLock lock_;
  std::unique_ptr<StagedRun> staged_run_;
  CountingReporter reporter_;
  Session staged_;
};

// "run --input day --station MARIC --sa 1", what the folder's lock says is running.
std::string RunDescription(const RunParameters& run);

}  // namespace kelvaro
