#include "cli/batch_command.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/run_command.h"
#include "dispatch/batch_file.h"
#include "dispatch/input_kinds.h"
#include "session/parallel_for.h"
#include "weatherio/letter_case.h"
#include "weatherio/number_parse.h"
#include "weatherio/run_record.h"

namespace kelvaro::cli {
namespace {

using Clock = std::chrono::steady_clock;

struct BatchOptions {
  std::filesystem::path file;
  int jobs = 0;
  bool check_only = false;
  bool resume = false;
};

// Signals received since the batch began. A signal handler may touch nothing but a lock-free
// atomic of static storage, so this one count lives outside any object.
std::atomic<int> signals_received{0};

void OnStopSignal(int) {
  if (signals_received.fetch_add(1) == 0) return;
  // A second signal: stop at once. The runs in progress replaced nothing yet, or their switch is
  // journalled; the next command in their folder removes or finishes them.
  static constexpr char kMessage[] =
      "\nStopped at once: the runs in progress replaced nothing, or the next command in their "
      "folder finishes putting their results in place.\n";
  [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
  ::_exit(130);
}

// SIGINT and SIGTERM stop the batch from starting lines while it runs; the handlers before are
// put back when it ends.
class StopSignals {
 public:
  StopSignals() {
    signals_received = 0;
    struct sigaction action {};
    action.sa_handler = &OnStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &previous_interrupt_);
    ::sigaction(SIGTERM, &action, &previous_terminate_);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;
  ~StopSignals() {
    ::sigaction(SIGINT, &previous_interrupt_, nullptr);
    ::sigaction(SIGTERM, &previous_terminate_, nullptr);
  }
  bool stopped() const { return signals_received > 0; }

 private:
  struct sigaction previous_interrupt_ {};
  struct sigaction previous_terminate_ {};
};

// "12/40 runs done, 3.1 million crop-days/s, 2 min 10 s left", rewritten in place on a terminal
// as crops and runs finish; nothing when the output is not a terminal.
class Progress {
 public:
  Progress(int runs, bool shown) : runs_(runs), shown_(shown), start_(Clock::now()) {}

  void AddCropDays(int days) {
    std::lock_guard lock(mutex_);
    crop_days_ += days;
    if (Clock::now() - shown_at_ > std::chrono::milliseconds(200)) Show();
  }
  void RunDone() {
    std::lock_guard lock(mutex_);
    ++done_;
    Show();
  }
  // Leaves the line for what follows.
  void End() {
    std::lock_guard lock(mutex_);
    if (shown_ && done_ > 0) std::cerr << "\n";
  }

 private:
  void Show() {
    shown_at_ = Clock::now();
    if (!shown_) return;
    const double seconds = std::chrono::duration<double>(shown_at_ - start_).count();
    std::string line = std::to_string(done_) + "/" + std::to_string(runs_) + " runs done";
    if (seconds > 0.0) line += ", " + Rate(static_cast<double>(crop_days_) / seconds);
    if (done_ > 0 && done_ < runs_)
      line += ", " + Duration(seconds / done_ * (runs_ - done_)) + " left";
    std::cerr << "\r" << line << "\x1b[K" << std::flush;
  }

  static std::string Rate(double per_second) {
    char text[48];
    if (per_second >= 1e6) {
      std::snprintf(text, sizeof text, "%.1f million crop-days/s", per_second / 1e6);
    } else {
      std::snprintf(text, sizeof text, "%.0f crop-days/s", per_second);
    }
    return text;
  }

  static std::string Duration(double seconds) {
    const long whole = static_cast<long>(seconds + 0.5);
    if (whole < 60) return std::to_string(whole) + " s";
    if (whole < 3600)
      return std::to_string(whole / 60) + " min " + std::to_string(whole % 60) + " s";
    return std::to_string(whole / 3600) + " h " + std::to_string(whole / 60 % 60) + " min";
  }

  std::mutex mutex_;
  const int runs_;
  const bool shown_;
  const Clock::time_point start_;
  Clock::time_point shown_at_{};
  int done_ = 0;
  long long crop_days_ = 0;
};

// What one run leaves for the summary: why it failed (nothing when it was done), and its
// warnings.
struct RunOutcome {
  enum class State { kRan, kSkipped, kNotStarted };
  State state = State::kRan;
  std::vector<std::string> failures;
  std::vector<std::string> warnings;
};

// A line that did not run: nothing failed, nothing to warn of.
RunOutcome OutcomeWithout(RunOutcome::State state) {
  RunOutcome outcome;
  outcome.state = state;
  return outcome;
}

// What one run tells: its failure messages and warnings are kept, its crops counted.
class RunReporter : public Reporter {
 public:
  explicit RunReporter(Progress& progress) : progress_(progress) {}
  void MessageBox(const std::string& text) override { outcome.failures.push_back(text); }
  void Trace(const std::string&) override {}
  void Warn(const std::string& text) override { outcome.warnings.push_back(text); }
  void CropFinished(int days) override { progress_.AddCropDays(days); }

  RunOutcome outcome;

 private:
  Progress& progress_;
};

RunOptions OptionsOf(const BatchRun& run) {
  const RunParameters& entered = run.parameters;
  RunOptions options;
  options.input = entered.ext;
  options.station = entered.Station;
  options.latitude = entered.Latitude;
  options.elevation = entered.Elevation;
  options.sa = entered.SA;
  options.years = entered.Years;
  options.fetch = entered.FetchVal;
  options.dir = run.folder;
  return options;
}

// One line as the run command would run it alone, in a session of its own. Where the station
// line fills latitude or elevation, the batch file meant it so: no note. Whatever goes wrong
// stays within the outcome.
RunOutcome RunLine(const BatchRun& run, int jobs, Progress& progress) {
  RunReporter reporter(progress);
  try {
    RunRequest request = RequestOf(OptionsOf(run));
    request.jobs = jobs;
    request.wait_for_folder = true;  // lines of one folder take their turns
    const RunResult result = RunStudyArea(request, reporter);
    std::vector<std::string>& failures = reporter.outcome.failures;
    for (const RunProblem& problem : result.problems) failures.push_back(problem.message);
    if (result.error) failures.push_back(*result.error);
  } catch (const std::exception& error) {
    reporter.outcome.failures.push_back(error.what());
  }
  return std::move(reporter.outcome);
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const auto& text : texts) joined += (joined.empty() ? "" : " ") + text;
  return joined;
}

// The record of an earlier run of this line, when every file it lists is as that run left it.
std::optional<std::string> DoneBefore(const BatchRun& run) {
  const RunParameters& p = run.parameters;
  const auto records = ReadRunRecords(run.folder);
  const std::string name = ToLowerAscii(RunRecordName(p.SA5(), p.FileStem()));
  for (const RunRecord& record : records) {
    if (ToLowerAscii(record.name) != name) continue;
    const bool same = EqualsIgnoringCase(record.Parameter("kind"), p.ext) &&
                      record.Parameter("station") == p.Station && record.Parameter("sa") == p.SA &&
                      record.Parameter("years") == p.Years &&
                      record.Parameter("fetch") == p.FetchVal &&
                      (p.Latitude.empty() || record.Parameter("latitude") == p.Latitude) &&
                      (p.Elevation.empty() || record.Parameter("elevation") == p.Elevation);
    if (same && !ChangedSinceRun(record, run.folder)) return record.name;
    return std::nullopt;
  }
  return std::nullopt;
}

std::string LineList(const BatchFile& batch, const std::vector<RunOutcome>& outcomes,
                     RunOutcome::State state, bool failed) {
  std::string list;
  for (size_t i = 0; i < outcomes.size(); ++i) {
    if (outcomes[i].state != state || outcomes[i].failures.empty() != !failed) continue;
    list += (list.empty() ? "" : ", ") + std::to_string(batch.runs[i].line);
  }
  return list;
}

// Warnings and failures by line, then how many runs were done; the exit status.
int ReportOutcomes(const BatchFile& batch, const std::vector<RunOutcome>& outcomes,
                   bool interrupted) {
  int failed = 0;
  int skipped = 0;
  for (size_t i = 0; i < outcomes.size(); ++i) {
    const std::string where = LineLocation(batch.name, batch.runs[i].line);
    for (const auto& warning : outcomes[i].warnings) {
      std::cerr << where << ": Warning: " << warning << "\n";
    }
    if (outcomes[i].state == RunOutcome::State::kSkipped) ++skipped;
    if (outcomes[i].failures.empty()) continue;
    ++failed;
    std::cerr << where << ": " << Joined(outcomes[i].failures) << "\n";
  }
  if (interrupted) {
    const std::string done = LineList(batch, outcomes, RunOutcome::State::kRan, false);
    const std::string never = LineList(batch, outcomes, RunOutcome::State::kNotStarted, false);
    std::cout << "Interrupted. Lines done: " << (done.empty() ? "none" : done)
              << "; lines that never ran: " << (never.empty() ? "none" : never)
              << ". A line that failed or never ran replaced nothing; run the batch again with "
                 "--resume to do the rest.\n";
    return kExitError;
  }
  const size_t count = outcomes.size();
  std::cout << count - static_cast<size_t>(failed) << " of " << count
            << (count == 1 ? " run" : " runs") << " done";
  if (skipped > 0) std::cout << " (" << skipped << " done before and skipped)";
  if (failed > 0) std::cout << ", " << failed << " failed (listed above)";
  std::cout << "\n";
  return failed > 0 ? kExitError : kExitDone;
}

int RunBatch(const BatchOptions& options) {
  std::optional<BatchFile> batch;
  try {
    batch = ReadBatchFile(options.file);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\nNo run was started.\n";
    return kExitRefused;
  }
  if (!batch) {
    std::cerr << "Couldn't find " << options.file.string() << ".\n";
    return kExitRefused;
  }
  const int count = static_cast<int>(batch->runs.size());
  if (options.check_only) {
    std::cout << batch->name << ": " << count << (count == 1 ? " run" : " runs")
              << ", none writing the files of another\n";
    return kExitDone;
  }
  // Runs are the unit of work; threads left over when there are fewer runs go to their crops.
  const int runs_at_once = WorkerCount(count, options.jobs);
  const int crop_jobs = (options.jobs > 0 ? options.jobs : DefaultJobs()) / runs_at_once;
  Progress progress(count, ::isatty(STDERR_FILENO) == 1);
  std::vector<RunOutcome> outcomes(static_cast<size_t>(count));
  const StopSignals signals;
  ForEachAsDone(
      count, runs_at_once,
      [&](int, int index) {
        const BatchRun& run = batch->runs[static_cast<size_t>(index)];
        if (signals.stopped()) return OutcomeWithout(RunOutcome::State::kNotStarted);
        if (options.resume && DoneBefore(run)) return OutcomeWithout(RunOutcome::State::kSkipped);
        return RunLine(run, crop_jobs, progress);
      },
      [&](int index, RunOutcome&& outcome) {
        outcomes[static_cast<size_t>(index)] = std::move(outcome);
        progress.RunDone();
      });
  progress.End();
  return ReportOutcomes(*batch, outcomes, signals.stopped());
}

}  // namespace

void AddBatchCommand(CLI::App& app) {
  auto options = std::make_shared<BatchOptions>();
  CLI::App* batch = app.add_subcommand(
      "batch", "Run every line of a batch file, each as `run` would run it alone, several at once");
  batch
      ->add_option("FILE", options->file, "CSV file, one run a line: " + std::string(kBatchColumns))
      ->required();
  batch->add_option("--jobs", options->jobs, "Runs at once (default: one per core)")
      ->type_name("N")
      ->check(CLI::Range(1, kMaxJobs));
  batch->add_flag("--check", options->check_only,
                  "Only read the file and refuse what would be refused; run nothing");
  batch->add_flag("--resume", options->resume,
                  "Skip the lines whose results are in place from an earlier run of the same "
                  "line (its run record matches every file), as after an interrupted batch");
  batch->footer(
      "Years and fetch may be left empty where the kind does not use them, latitude and "
      "elevation where the input file's first line holds them; lines starting with # are "
      "comments. Ctrl-C (or SIGTERM) stops starting lines, lets the running ones finish and "
      "lists the lines done and not run; a second Ctrl-C stops at once, replacing nothing. "
      "Exit status: 0 when every run was done, 1 when any failed (each failure is "
      "listed with its line), 2 when the file was refused and nothing ran.");
  batch->callback([options] { RunCommand([&] { return RunBatch(*options); }); });
}

}  // namespace kelvaro::cli
