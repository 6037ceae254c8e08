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
  class CountingReporter : public ForwardingReporter {
   public:
    using ForwardingReporter::ForwardingReporter;
    void MessageBox(const std::string& text) override;
    int failures = 0;
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
