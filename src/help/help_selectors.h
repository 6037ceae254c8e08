#pragma once

#include <array>
#include <span>
#include <string_view>

#include "help/help_windows.h"

namespace kelvaro {

struct HelpChoice {
  std::string_view item;
  HelpWindow opens;
};

struct HelpSelectorLayout {
  std::string_view name;  // class name, as commands name it
  std::string_view caption;
  std::string_view label;
  std::span<const HelpChoice> choices;
};

inline constexpr std::array<HelpChoice, 5> kHelpInputChoices{{
    {"Weather Data", HelpWindow::THelpWeatherData},
    {"Pan Evaporation Data", HelpWindow::THelpPanData},
    {"ETo Data", HelpWindow::THelpEToData},
    {"Temperature Data", HelpWindow::THelpTempData},
    {"Crop/Soil Data", HelpWindow::THelpCropSoilData},
}};

inline constexpr std::array<HelpChoice, 4> kHelpOutputChoices{{
    {"Weather Output", HelpWindow::THelpWeatherOutput},
    {"ETAW by SA", HelpWindow::THelpETAWbySA},
    {"Crop/Soil by SA", HelpWindow::THelpSoilbySA},
    {"MSE by Filename", HelpWindow::THelpMSE},
}};

inline constexpr HelpSelectorLayout kHelpInputData{"THelpInputData", "Input Data Help",
                                                   "Select Analysis Path:", kHelpInputChoices};
// The output selector's caption is ours; the system names only its label.
inline constexpr HelpSelectorLayout kHelpOutputData{"THelpOutputData", "Output Data Help",
                                                    "Select Output:", kHelpOutputChoices};

// A help selector: a combo box of topics, OK and Cancel. OK closes the selector and opens the
// chosen topic's window.
class HelpSelector {
 public:
  explicit HelpSelector(const HelpSelectorLayout& layout) : layout_(layout) {}

  const HelpSelectorLayout& layout() const { return layout_; }

  int selected = 0;

  void FormActivate() { selected = 0; }
  // The window to open; an index out of the list counts as the first item.
  HelpWindow ButtonOKClick() const;

 private:
  const HelpSelectorLayout& layout_;
};

// The selector of that class name, or nullptr.
const HelpSelectorLayout* FindHelpSelector(std::string_view name);

}  // namespace kelvaro
