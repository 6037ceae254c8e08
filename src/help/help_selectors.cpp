#include "help/help_selectors.h"

namespace kelvaro {

HelpWindow HelpSelector::ButtonOKClick() const {
  const bool in_list = selected >= 0 && static_cast<size_t>(selected) < layout_.choices.size();
  return layout_.choices[in_list ? static_cast<size_t>(selected) : 0].opens;
}

const HelpSelectorLayout* FindHelpSelector(std::string_view name) {
  for (const HelpSelectorLayout* layout : {&kHelpInputData, &kHelpOutputData}) {
    if (layout->name == name) return layout;
  }
  return nullptr;
}

}  // namespace kelvaro
