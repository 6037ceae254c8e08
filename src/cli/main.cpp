#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/crop_command.h"

int main(int argc, char** argv) {
  CLI::App app{"KELVARO: reference ET, crop water use and ETAW for study areas"};
  app.require_subcommand(1);
  kelvaro::AddCropCommands(app);
  CLI11_PARSE(app, argc, argv);
  return 0;
}
