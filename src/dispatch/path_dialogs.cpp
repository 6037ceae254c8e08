#include "dispatch/path_dialogs.h"

#include <algorithm>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

const PathDialogLayout& LayoutOf(Dialog id) {
  const auto found = std::find_if(kPathDialogs.begin(), kPathDialogs.end(),
                                  [id](const PathDialogLayout& layout) { return layout.id == id; });
  if (found == kPathDialogs.end()) throw InputError("not a path dialog");
  return *found;
}

void Apply(Visibility visibility, FormField& field) {
  if (visibility != Visibility::kLeave) field.visible = visibility == Visibility::kShow;
}

}  // namespace

PathDialog::PathDialog(Dialog id, TGetData& run_dialog, Navigator& navigator)
    : layout_(LayoutOf(id)), run_dialog_(run_dialog), navigator_(navigator) {}

void PathDialog::ButtonOKClick() {
  navigator_.Close(layout_.id);
  const PathChoice& choice = layout_.choices[static_cast<size_t>(selected == 1 ? 1 : 0)];
  if (!choice.ext.empty()) run_dialog_.SetExtension(choice.ext);
  Apply(choice.years, run_dialog_.Years);
  Apply(choice.fetch, run_dialog_.FetchVal);
  navigator_.Open(choice.opens);
}

}  // namespace kelvaro
