#include "reports/detached_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

// Runs in the forked child, so only async-signal-safe calls: the grandchild execs the program
// and, should that fail, writes errno to the pipe whose other end the caller reads.
[[noreturn]] void StartGrandchild(char* const* argv, int error_pipe) {
  const pid_t grandchild = fork();
  if (grandchild != 0) {
    if (grandchild < 0) {
      const int error = errno;
      static_cast<void>(write(error_pipe, &error, sizeof error));
    }
    _exit(0);
  }
  setsid();
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) {
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
  }
  execv(argv[0], argv);
  const int error = errno;
  static_cast<void>(write(error_pipe, &error, sizeof error));
  _exit(127);
}

void WaitFor(pid_t child) {
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
}

// errno of a failed start, 0 when the program runs. The pipe closes on exec, so this returns
// as soon as the program has started.
int ReadStartError(int error_pipe) {
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(error_pipe, &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace

void StartDetached(const std::vector<std::string>& arguments) {
  if (arguments.empty()) throw InputError("No program to start");
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int error_pipe[2];
  if (pipe2(error_pipe, O_CLOEXEC) != 0) {
    throw InputError("Couldn't start " + arguments[0] + ": " + std::strerror(errno));
  }
  const pid_t child = fork();
  if (child == 0) {
    close(error_pipe[0]);
    StartGrandchild(argv.data(), error_pipe[1]);
  }
  const int fork_error = child < 0 ? errno : 0;
  close(error_pipe[1]);
  if (child > 0) WaitFor(child);
  const int error = fork_error != 0 ? fork_error : ReadStartError(error_pipe[0]);
  close(error_pipe[0]);
  if (error != 0) {
    throw InputError("Couldn't start " + arguments[0] + ": " + std::strerror(error));
  }
}

}  // namespace kelvaro
