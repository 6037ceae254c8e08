#include "forms/form_field.h"

#include "weatherio/number_parse.h"

namespace kelvaro {

// Blanks alone count as an empty entry.
bool FormField::Empty() const { return Trim(text).empty(); }

}  // namespace kelvaro
