#include "cli/command_status.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "weatherio/errors.h"

namespace kelvaro {

void RunCommand(const std::function<int()>& body) {
  int status = kExitError;
  try {
    status = body();
  } catch (const FolderRefusal& refusal) {
    std::cerr << "kelvaro-cli: " << refusal.what() << "\n";
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
