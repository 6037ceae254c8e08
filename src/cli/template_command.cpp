#include "cli/template_command.h"

#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/hand_over.h"
#include "cli/run_command.h"
#include "office/office_calls.h"
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

constexpr const char* kOptionOf[] = {"--name", "--lat", "--elev"};  // by TemplateField

// Texts a run would refuse or read under another name are refused, each naming its option.
bool EntriesFit(const InputTemplateKind& kind, const TemplateOptions& o) {
  const auto problems = InputTemplateProblems(kind, o.name, o.latitude, o.elevation);
  for (const TemplateProblem& problem : problems) {
    std::cerr << problem.message << "\n  (" << kOptionOf[static_cast<size_t>(problem.field)]
              << ")\n";
  }
  return problems.empty();
}

int RunTemplate(const TemplateOptions& o) {
  const InputTemplateKind kind = *FindInputTemplateKind(o.kind);
  if (!DataFolderExists(o.dir) || !EntriesFit(kind, o)) return kExitRefused;
  const FolderGuard guard(o.dir, "template");
  const TemplateFile file =
      WriteInputTemplate(o.dir, kind, o.name, o.latitude, o.elevation, o.force);
  if (file.result == TemplateWrite::kExists) {
    std::cerr << file.path.string() << " already exists; give --force to replace it\n";
    return kExitRefused;
  }
  std::cout << file.path.string() << "\n";
  if (!o.open) return kExitDone;
  ConsoleReporter reporter(false);
  Session session(o.dir, reporter);
  HandOverSpreadsheet spreadsheet(session, true);
  if (!OpenInSpreadsheet(spreadsheet, file.path, reporter)) return kExitError;
  // The file is written; without a display to show it on, it is named instead.
  if (spreadsheet.no_display()) std::cout << NoDisplayText(file.path) << "\n";
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
