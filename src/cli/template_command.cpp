#include "cli/template_command.h"

#include <iostream>
#include <memory>

#include "cli/command_status.h"
#include "cli/console.h"
#include "cli/folder_guard.h"
#include "cli/run_command.h"
#include "reports/desktop_office.h"
#include "reports/office_calls.h"
#include "weatherio/file_naming.h"
#include "weatherio/input_templates.h"
#include "weatherio/message_text.h"
#include "weatherio/output_file.h"

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

// A comma or a line break in a text would move the station line's fields or start a new line.
bool FitsTheStationLine(const std::string& text, const char* what) {
  for (const char c : text) {
    if (c == ',' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
      std::cerr << "The " << what << " " << Quoted(text)
                << " may not contain a comma or a control character\n";
      return false;
    }
  }
  return true;
}

bool EntriesFit(const TemplateOptions& o) {
  if (!IsSafeName(o.name)) {
    std::cerr << "The name " << Quoted(o.name)
              << " may not contain a path separator, '..' or a control character\n";
    return false;
  }
  return FitsTheStationLine(o.name, "name") && FitsTheStationLine(o.latitude, "latitude") &&
         FitsTheStationLine(o.elevation, "elevation");
}

std::string TextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\n");
  return text;
}

int RunTemplate(const TemplateOptions& o) {
  if (!DataFolderExists(o.dir) || !EntriesFit(o)) return kExitRefused;
  const FolderGuard guard(o.dir, "template");
  const std::string file_name = o.name + "." + o.kind;
  const fs::path path = FindInFolder(o.dir, file_name);
  std::error_code error;
  if (fs::exists(fs::symlink_status(path, error)) && !o.force) {
    std::cerr << path.string() << " already exists; give --force to replace it\n";
    return kExitRefused;
  }
  const auto lines =
      InputTemplateLines(*FindInputTemplateKind(o.kind), o.name, o.latitude, o.elevation);
  WriteWholeFile(path, TextOf(lines));
  std::cout << path.string() << "\n";
  if (!o.open) return kExitDone;
  ConsoleReporter reporter(false);
  Session session(o.dir, reporter);
  DesktopSpreadsheet spreadsheet(session);
  return OpenInSpreadsheet(spreadsheet, path, reporter) ? kExitDone : kExitError;
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
  command->add_option("--name", options->name, "Station name; the file is NAME.KIND")->required();
  command->add_option("--lat", options->latitude, "Latitude (degrees), as it is to be written")
      ->required();
  command->add_option("--elev", options->elevation, "Elevation (meters), as it is to be written")
      ->required();
  command->add_option("--dir", options->dir, "Data folder (default: the current folder)");
  command->add_flag("--open", options->open, "Open the written file in the spreadsheet");
  command->add_flag("--force", options->force, "Replace a file of that name");
  command->footer(kinds_help);
  command->callback([options] { RunCommand([&] { return RunTemplate(*options); }); });
}

}  // namespace kelvaro::cli
