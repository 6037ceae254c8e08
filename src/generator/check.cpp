#include "generator/check.h"

#include "weatherio/errors.h"

namespace kelvaro {

void Check(bool condition, const char* text) {
  if (!condition) throw InvariantError(text);
}

}  // namespace kelvaro
