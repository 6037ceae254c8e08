#include "cli/crop_remove.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "balance/crop_output_files.h"
#include "cli/command_status.h"
#include "cli/folder_guard.h"
#include "cli/study_area_number.h"
#include "crops/crop_file.h"
#include "crops/crop_file_rows.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"
#include "weatherio/study_area_names.h"

namespace kelvaro {
namespace {

struct RemoveOptions {
  std::string sa;
  std::string crop;
  std::string dir = ".";
};

int ParseCropNumber(const std::string& text, size_t crop_count, const std::string& file_name) {
  int k = 0;
  try {
    k = ParseInt(text);
  } catch (const ConversionError& error) {
    throw Refusal(std::string("--crop: ") + error.what() +
                  "; give the crop's number kkk as `crop show` prints it");
  }
  if (k < 1 || static_cast<size_t>(k) > crop_count) {
    throw Refusal("--crop: " + file_name + " has no crop " + std::string(Trim(text)) + "; its " +
                  std::to_string(crop_count) + " crops are numbered 1 to " +
                  std::to_string(crop_count) + " (`crop show` lists them)");
  }
  return k;
}

int RunCropRemove(const RemoveOptions& options) {
  const int sa_number = cli::ParseStudyAreaNumber(options.sa);
  try {
    // For its refusal of a missing folder or file; a row it refuses can still be taken out.
    cli::ReadCropFileOrRefuse(options.dir, sa_number);
  } catch (const InputError&) {
  } catch (const ConversionError&) {
  }
  const cli::FolderGuard guard(options.dir, "crop remove --sa " + options.sa);
  const auto path = FindInFolder(options.dir, CropFileName(sa_number));
  // The rows are not held to the rules of a crop row: a row a run refuses is the one a user most
  // wants taken out.
  const std::vector<CropFileLine> rows = CropFileLines(ReadCropFileBytes(path));
  const int k = ParseCropNumber(options.crop, rows.size(), path.filename().string());
  const CropFileLine& removed = rows[static_cast<size_t>(k - 1)];
  RewriteCropRow(path, k, removed.text, std::nullopt);
  std::cout << "Removed crop " << k << " (" << removed.name << ") from " << path.string() << "\n";
  if (static_cast<size_t>(k) < rows.size()) {
    std::cout << "The crops after it move up one number and the next run writes their result "
                 "files under the new numbers; "
              << CropFileStem(SA5Of(sa_number), static_cast<int>(rows.size()))
              << ".* of the old last crop are then out of date.\n";
  }
  return kExitDone;
}

}  // namespace

void AddCropRemoveCommand(CLI::App& crop) {
  auto options = std::make_shared<RemoveOptions>();
  CLI::App* remove = crop.add_subcommand(
      "remove", "Take one crop out of a study area's crop file, keeping the header and the rest");
  remove->add_option("--sa", options->sa, "Study-area number, " + std::string(kSaNumberSpan))
      ->required();
  remove->add_option("--crop", options->crop, "The crop's number in the file (kkk of `crop show`)")
      ->required();
  remove->add_option("--dir", options->dir,
                     "Folder of the crop file (default: the current folder)");
  remove->callback([options] { RunCommand([&] { return RunCropRemove(*options); }); });
}

}  // namespace kelvaro
