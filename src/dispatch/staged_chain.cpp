#include "dispatch/staged_chain.h"

#include "session/parallel_for.h"
#include "weatherio/errors.h"
#include "weatherio/letter_case.h"
#include "weatherio/output_file.h"
#include "weatherio/row_format.h"
#include "weatherio/run_record.h"

namespace kelvaro {
namespace fs = std::filesystem;
namespace {

// Files of these kinds may be the user's own input as well as a chain's intermediate (the .day
// of a station-network export, the .mon of daily weather, ...).
bool IsInputKind(const std::string& name) {
  const std::string ext = ToLowerAscii(fs::path(name).extension().string());
  return ext == ".day" || ext == ".mon" || ext == ".etm" || ext == ".mtm";
}

RunRecord::File FileIn(const fs::path& folder, const std::string& name) {
  const auto fingerprint = FingerprintOf(folder / name);
  if (!fingerprint) throw InputError("Couldn't read " + name + ".");
  return {name, *fingerprint};
}

// Checksums of a study area's hundreds of result files take as long as writing them; they are
// computed on the run's threads.
std::vector<RunRecord::File> FilesIn(const fs::path& folder, const std::vector<std::string>& names,
                                     int jobs) {
  std::vector<RunRecord::File> files(names.size());
  ForEachInOrder(
      static_cast<int>(names.size()), jobs,
      [&](int, int k) { return FileIn(folder, names[static_cast<size_t>(k)]); },
      [&](int k, RunRecord::File&& file) { files[static_cast<size_t>(k)] = std::move(file); });
  return files;
}

RunRecord MakeRecord(const RunParameters& run, const Session& session, const StagedRun& staged) {
  RunRecord record;
  record.name = RunRecordName(run.SA5(), run.FileStem());
  record.version = KELVARO_VERSION;
  record.date = RecordDate();
  record.parameters = {{"kind", run.ext},
                       {"station", run.Station},
                       {"latitude", run.Latitude},
                       {"elevation", run.Elevation},
                       {"sa", run.SA},
                       {"years", run.Years},
                       {"fetch", run.FetchVal},
                       {"jobs", std::to_string(session.jobs)}};
  record.inputs = FilesIn(staged.staging(), staged.brought(), session.jobs);
  record.outputs = FilesIn(staged.staging(), staged.Written(), session.jobs);
  return record;
}

// A file of an input kind that no earlier run wrote is the user's: it is moved aside to a name
// that says so, never replaced.
std::vector<StagedRun::KeptFile> PreparedFilesToKeep(const StagedRun& staged,
                                                     const std::string& date, Reporter& reporter) {
  std::vector<StagedRun::KeptFile> kept;
  const auto records = ReadRunRecords(staged.folder());
  const FolderNames names(staged.folder());
  for (const std::string& written : staged.Written()) {
    if (!IsInputKind(written)) continue;
    const auto existing = names.Find(written);
    if (!existing) continue;
    const auto record = RecordWriting(records, *existing);
    const auto now = FingerprintOf(staged.folder() / *existing);
    bool written_by_a_run = false;
    if (record && now) {
      for (const auto& file : record->outputs) {
        written_by_a_run = written_by_a_run ||
                           (EqualsIgnoringCase(file.name, *existing) && file.fingerprint == *now);
      }
    }
    if (written_by_a_run) continue;
    std::string stamp = date.substr(0, 19);
    std::erase(stamp, ':');
    std::erase(stamp, '-');
    const std::string aside = *existing + ".kept-" + stamp;
    reporter.Warn(*existing + " was not written by a run of this program; it is kept as " + aside +
                  " and the run's own " + written + " takes its place.");
    kept.emplace_back(*existing, aside);
  }
  return kept;
}

// The run's files are staged beside the results they replace, so the folder needs room for a
// whole set more; the set the study area's last run wrote is the measure. A first run has none:
// should the disk fill while it stages, it still replaces nothing.
void CheckFreeSpace(const fs::path& folder, const RunParameters& run) {
  const std::string name = ToLowerAscii(RunRecordName(run.SA5(), run.FileStem()));
  for (const RunRecord& record : ReadRunRecords(folder)) {
    if (ToLowerAscii(record.name) != name) continue;
    std::uintmax_t needed = 0;
    for (const auto& file : record.outputs) needed += file.fingerprint.size;
    std::error_code error;
    const std::uintmax_t free = fs::space(folder, error).available;
    if (!error && free < needed) {
      throw FolderRefusal(
          Printf("The folder %s has %.1f MB free; the run needs about %.1f MB "
                 "(what its last run wrote, %s). Make room, then run again.",
                 fs::absolute(folder).lexically_normal().c_str(), free / 1e6, needed / 1e6,
                 record.name.c_str()));
    }
    return;
  }
}

}  // namespace

std::string RunDescription(const RunParameters& run) {
  return "run --input " + run.ext + " --station " + run.Station + " --sa " + run.SA;
}

void StagedChain::CountingReporter::MessageBox(const std::string& text) {
  ++failures;
  ForwardingReporter::MessageBox(text);
}

StagedChain::StagedChain(const RunParameters& run, Session& session)
    : caller_(session),
      requested_(run),
      lock_(session.data_dir, RunDescription(run), session.wait_for_folder),
      reporter_(session.reporter),
      staged_(session.data_dir, reporter_) {
  for (const std::string& note : RecoverFolder(session.data_dir)) session.reporter.Warn(note);
  CheckFreeSpace(session.data_dir, run);
  staged_run_ = std::make_unique<StagedRun>(session.data_dir);
  staged_run_->Bring(run.FileStem() + "." + run.Extension());
  staged_run_->Bring(run.SAFileName());
  staged_.data_dir = staged_run_->staging();
  staged_.results_dir = session.data_dir;
  staged_.global_pi = session.global_pi;
  staged_.random_seed = session.random_seed;
  staged_.residuals = session.residuals;
  staged_.jobs = session.jobs;
}

void StagedChain::Commit() {
  caller_.global_pi = staged_.global_pi;
  caller_.random_seed = staged_.random_seed;
  caller_.residuals = staged_.residuals;
  if (reporter_.failures > 0) return;  // the staging folder goes with it
  RunRecord record = MakeRecord(requested_, caller_, *staged_run_);
  WriteWholeFile(staged_run_->staging() / record.name, RunRecordText(record));
  staged_run_->Commit(PreparedFilesToKeep(*staged_run_, record.date, caller_.reporter));
}

}  // namespace kelvaro
