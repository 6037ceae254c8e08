#include "cli/template_command.h"

#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/hand_over.h"
#include "cli/run_command.h"
#include "office/office_calls.h"
#include "viewers/template_call.h"
#include "weatherio/input_templates.h"

namespace kelvaro::cli {
namespace {

namespace fs = std::filesystem;

struct TemplateOptions {
  std::string kind;
  std::string name;
  std::string latitude;
  std::string elevation;
  fs::path dir = ".";
  bool open = false;
  bool force = false;
};

// The option a template's text comes from, by the field of a problem.
const char* OptionOf(FileField field) {
  if (field == FileField::kLatitude) return "--lat";
  if (field == FileField::kElevation) return "--elev";
  return "--name";
}

// Texts a run would refuse or read under another name are refused, each naming its option.
bool EntriesFit(const TemplateRequest& request) {
  const TemplateOutcome checked = CheckTemplate(request);
  for (const FileProblem& problem : checked.problems) {
    std::cerr << problem.message << "\n  (" << OptionOf(problem.field) << ")\n";
  }
  return checked.problems.empty();
}

int RunTemplate(const TemplateOptions& o) {
  const TemplateRequest request{o.kind, o.name, o.latitude, o.elevation, o.force};
  if (!DataFolderExists(o.dir) || !EntriesFit(request)) return kExitRefused;
  const FolderGuard guard(o.dir, "template");
  const TemplateOutcome written = MakeTemplate(request, o.dir);
  if (written.result == TemplateResult::kExists) {
    std::cerr << written.file.string() << " already exists; give --force to replace it\n";
    return kExitRefused;
  }
  std::cout << written.file.string() << "\n";
  if (!o.open) return kExitDone;
  ConsoleReporter reporter(false);
  Session session(o.dir, reporter);
  HandOverSpreadsheet spreadsheet(session, true);
  if (!OpenInSpreadsheet(spreadsheet, written.file, reporter)) return kExitError;
  // The file is written; without a display to show it on, it is named instead.
  if (spreadsheet.no_display()) std::cout << NoDisplayText(written.file) << "\n";
  return kExitDone;
}

}  // namespace

void AddTemplateCommand(CLI::App& app) {
  auto options = std::make_shared<TemplateOptions>();
  CLI::App* command = app.add_subcommand(
      "template", "Write the empty layout of an input kind, to be filled in and saved as it is");
  std::vector<std::string> kinds;
  for (const InputTemplateKind& kind : kInputTemplateKinds) kinds.emplace_back(kind.ext);
  std::string kinds_help = "Kinds:\n";
  for (const InputTemplateKind& kind : kInputTemplateKinds) {
    kinds_help +=
        "  " + std::string(kind.explanation.substr(kind.explanation.find_first_not_of(' '))) + "\n";
  }
  command->add_option("--kind", options->kind, "Input kind (extension)")
      ->required()
      ->check(CLI::IsMember(kinds));
  command
      ->add_option("--name", options->name,
                   "Station name, at most five letters, digits, '-' or '_' (a run reads the "
                   "file its first five characters name); the file is NAME.KIND")
      ->required();
  command
      ->add_option("--lat", options->latitude,
                   "Latitude (degrees), above -90 and below 90, at most five characters")
      ->required();
  command
      ->add_option("--elev", options->elevation,
                   "Elevation (meters), above -200 and below 4000, at most five characters")
      ->required();
  command->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  command->add_flag("--open", options->open, "Open the written file in the spreadsheet");
  command->add_flag("--force", options->force, "Replace a file of that name");
  command->footer(kinds_help);
  command->callback([options] { RunCommand([&] { return RunTemplate(*options); }); });
}

}  // namespace kelvaro::cli
