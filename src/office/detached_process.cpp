#include "office/detached_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

constexpr int kWatchStepMs = 20;
constexpr size_t kErrorOutputBytes = 4096;

// What the forked child tells the caller once the program has started (or not) and has been
// watched.
struct StartReport {
  int start_error = 0;  // errno of a failed start
  int ended = 0;        // 1 when the program ended while watched
  int status = 0;
};

struct ChildSetup {
  char* const* argv;
  int report_pipe;
  int error_output;  // the program's error stream; -1 for /dev/null
  int watch_ms;
};

void WriteReport(int report_pipe, const StartReport& report) {
  static_cast<void>(write(report_pipe, &report, sizeof report));
}

int ReadErrno(int pipe_end) {
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(pipe_end, &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

[[noreturn]] void ExecProgram(const ChildSetup& setup, int exec_pipe) {
  setsid();
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) {
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(setup.error_output >= 0 ? setup.error_output : null, STDERR_FILENO);
  }
  execv(setup.argv[0], setup.argv);
  const int error = errno;
  static_cast<void>(write(exec_pipe, &error, sizeof error));
  _exit(127);
}

// Runs in the forked child, so only async-signal-safe calls: the grandchild execs the program
// (the exec pipe closes on exec or carries errno), and the child watches it for a while before
// it ends and hands the program to init.
[[noreturn]] void StartGrandchild(const ChildSetup& setup) {
  int exec_pipe[2];
  if (pipe2(exec_pipe, O_CLOEXEC) != 0) {
    WriteReport(setup.report_pipe, {errno, 0, 0});
    _exit(0);
  }
  const pid_t grandchild = fork();
  if (grandchild == 0) {
    close(exec_pipe[0]);
    ExecProgram(setup, exec_pipe[1]);
  }
  close(exec_pipe[1]);
  StartReport report{grandchild < 0 ? errno : ReadErrno(exec_pipe[0]), 0, 0};
  for (int waited = 0; report.start_error == 0 && waited < setup.watch_ms; waited += kWatchStepMs) {
    int status = 0;
    if (waitpid(grandchild, &status, WNOHANG) == grandchild) {
      report.ended = 1;
      report.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      break;
    }
    poll(nullptr, 0, kWatchStepMs);
  }
  WriteReport(setup.report_pipe, report);
  _exit(0);
}

void WaitFor(pid_t child) {
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

StartReport ReadReport(int report_pipe) {
  StartReport report;
  ssize_t got = 0;
  do {
    got = read(report_pipe, &report, sizeof report);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof report) ? report : StartReport{};
}

std::string ReadFromStart(int file) {
  std::string text(kErrorOutputBytes, '\0');
  const ssize_t got = pread(file, text.data(), text.size(), 0);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

StartReport Start(const std::vector<std::string>& arguments, int error_output, int watch_ms) {
  if (arguments.empty()) throw InputError("No program to start");
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int report_pipe[2];
  if (pipe2(report_pipe, O_CLOEXEC) != 0) {
    throw InputError("Couldn't start " + arguments[0] + ": " + std::strerror(errno));
  }
  const pid_t child = fork();
  if (child == 0) {
    close(report_pipe[0]);
    StartGrandchild({argv.data(), report_pipe[1], error_output, watch_ms});
  }
  const int fork_error = child < 0 ? errno : 0;
  close(report_pipe[1]);
  const StartReport report = child > 0 ? ReadReport(report_pipe[0]) : StartReport{fork_error};
  if (child > 0) WaitFor(child);
  close(report_pipe[0]);
  if (report.start_error != 0) {
    throw InputError("Couldn't start " + arguments[0] + ": " + std::strerror(report.start_error));
  }
  return report;
}

}  // namespace

void StartDetached(const std::vector<std::string>& arguments) { Start(arguments, -1, 0); }

std::optional<EarlyExit> StartDetachedWatched(const std::vector<std::string>& arguments,
                                              std::chrono::milliseconds watch) {
  // Unlinked at once: the program writes into it, and it goes when both have closed it.
  std::FILE* error_output = std::tmpfile();
  const int error_file = error_output == nullptr ? -1 : fileno(error_output);
  if (error_file >= 0) fcntl(error_file, F_SETFD, FD_CLOEXEC);
  StartReport report;
  try {
    report = Start(arguments, error_file, static_cast<int>(watch.count()));
  } catch (...) {
    if (error_output != nullptr) std::fclose(error_output);
    throw;
  }
  std::optional<EarlyExit> ended;
  if (report.ended != 0) {
    ended = EarlyExit{report.status, error_file >= 0 ? ReadFromStart(error_file) : std::string()};
  }
  if (error_output != nullptr) std::fclose(error_output);
  return ended;
}

}  // namespace kelvaro
