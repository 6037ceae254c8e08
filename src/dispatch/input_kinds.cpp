#include "dispatch/input_kinds.h"

#include "weatherio/letter_case.h"

namespace kelvaro {
namespace {

constexpr bool SameOrderAsTheDispatchTable() {
  for (size_t i = 0; i < kInputKinds.size(); ++i) {
    if (kInputKinds[i].ext != kDispatchTable[i].ext) return false;
  }
  return true;
}
static_assert(SameOrderAsTheDispatchTable(), "every dispatch row needs its meaning, in order");

}  // namespace

std::optional<InputKind> FindInputKind(std::string_view ext) {
  for (const InputKind& kind : kInputKinds) {
    if (EqualsIgnoringCase(kind.ext, ext)) return kind;
  }
  return std::nullopt;
}

const DispatchRow& DispatchRowOf(const InputKind& kind) {
  return kDispatchTable[static_cast<size_t>(*ExtComboIndex(kind.ext))];
}

}  // namespace kelvaro
