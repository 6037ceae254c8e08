#include "cli/command_status.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "weatherio/folder_lock.h"
#include "weatherio/staged_run.h"

namespace kelvaro {

void RunCommand(const std::function<int()>& body) {
  int status = kExitError;
  try {
    status = body();
  } catch (const FolderBusy& busy) {
    std::cerr << "kelvaro-cli: " << busy.what() << "\n";
    status = kExitRefused;
  } catch (const CaseVariants& clash) {
    std::cerr << "kelvaro-cli: " << clash.what() << "\n";
    status = kExitRefused;
  } catch (const Refusal& refusal) {
    std::cerr << "kelvaro-cli: " << refusal.what() << "\n";
    status = kExitRefused;
  } catch (const std::exception& error) {
    std::cerr << "kelvaro-cli: " << error.what() << "\n";
  }
  if (status != kExitDone) throw CLI::RuntimeError(status);
}

}  // namespace kelvaro
