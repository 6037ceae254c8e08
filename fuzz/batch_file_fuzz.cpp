// The batch file of kelvaro-cli batch, as written by hand or by a script.
#include <filesystem>

#include "dispatch/batch_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelvaro;
  fuzz::ClearFolder();
  // Relative folders are taken from the current folder: two that exist, so that lines get as
  // far as the checks for runs writing the same files.
  std::filesystem::current_path(fuzz::Folder());
  std::filesystem::create_directory(fuzz::Folder() / "a");
  std::filesystem::create_directory(fuzz::Folder() / "b");
  const auto path = fuzz::WriteInput("runs.csv", fuzz::AsText(data, size));
  fuzz::RefusalsAreFine([&] { ReadBatchFile(path); });
  return 0;
}
