#include "cli/crop_remove.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "balance/crop_output_files.h"
#include "cli/command_status.h"
#include "cli/folder_guard.h"
#include "cli/study_area_number.h"
#include "crops/crop_file.h"
#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"
#include "weatherio/output_file.h"
#include "weatherio/station_line.h"
#include "weatherio/study_area_names.h"
#include "weatherio/text_file.h"

namespace kelvaro {
namespace {

struct RemoveOptions {
  std::string sa;
  std::string crop;
  std::string dir = ".";
};

// Lines with their line ends, so that joining them gives the text back byte for byte.
std::vector<std::string> LinesWithEnds(std::string_view contents) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < contents.size()) {
    const size_t end = contents.find('\n', start);
    const size_t next = end == std::string_view::npos ? contents.size() : end + 1;
    lines.emplace_back(contents.substr(start, next - start));
    start = next;
  }
  return lines;
}

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

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (!in) throw InputError("Couldn't read " + path.filename().string() + ".");
  return bytes.str();
}

// The crop file's text without its crop row `k` (1 = the first row after the three header
// lines, blank lines not counted); every other byte is kept.
std::string WithoutCropRow(std::string_view contents, int k) {
  std::vector<std::string> lines = LinesWithEnds(contents);
  int row = 0;
  for (size_t i = kHeaderLineCount; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i]) || ++row != k) continue;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
    break;
  }
  return JoinLines(lines);
}

// The name field of every crop row, counted as WithoutCropRow counts them. The rows are not
// held to the rules of a crop row: a row a run refuses is the one a user most wants taken out.
std::vector<std::string> CropNames(std::string_view contents) {
  std::vector<std::string> names;
  const std::vector<std::string> lines = LinesWithEnds(contents);
  for (size_t i = kHeaderLineCount; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i])) continue;
    const std::string_view line = lines[i];
    const size_t first = std::min(line.find(','), line.size());
    const size_t second = std::min(line.find(',', first + 1), line.size());
    names.emplace_back(Trim(line.substr(std::min(first + 1, line.size()), second - first - 1)));
  }
  return names;
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
  const std::string contents = ReadBytes(path);
  const std::vector<std::string> names = CropNames(contents);
  const int k = ParseCropNumber(options.crop, names.size(), path.filename().string());
  WriteWholeFile(path, WithoutCropRow(contents, k));
  std::cout << "Removed crop " << k << " (" << names[static_cast<size_t>(k - 1)] << ") from "
            << path.string() << "\n";
  if (static_cast<size_t>(k) < names.size()) {
    std::cout << "The crops after it move up one number and the next run writes their result "
                 "files under the new numbers; "
              << CropFileStem(SA5Of(sa_number), static_cast<int>(names.size()))
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
