#pragma once

#include <filesystem>
#include <memory>

#include "analysis/chart_data.h"

namespace kelvaro::app {

// Charts drawn without a window, for the command line: holds the toolkit's application object
// (on the offscreen platform unless one is named in QT_QPA_PLATFORM) while it lives, unless the
// program already has one. The header names no toolkit type, so front ends without windows can
// include it.
class ChartToolkit {
 public:
  ChartToolkit();
  ChartToolkit(const ChartToolkit&) = delete;
  ChartToolkit& operator=(const ChartToolkit&) = delete;
  ~ChartToolkit();

  // Writes `data` drawn at width x height pixels to `file`, PNG or SVG by its extension, whole
  // or not at all. Throws InputError for another extension or a file that cannot be written.
  void Export(const ChartData& data, const std::filesystem::path& file, int width = 1100,
              int height = 650) const;

 private:
  struct Application;
  std::unique_ptr<Application> application_;
};

}  // namespace kelvaro::app
