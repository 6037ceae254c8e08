#pragma once

#include <optional>
#include <string>

namespace kelvaro {

// The operations read a run dialog field by its first characters; these checks make sure the
// number a run uses is the number the user typed.

// The number the operations use: that of the field's first five characters. The whole text must
// be a number too ("33.07.1" is refused although "33.07" is one); when the first five characters
// are no number although the whole text is ("1234e-2"), the message says so. Throws
// ConversionError naming the field by `label`.
float UsedNumber(const std::string& label, const std::string& text);

// Where the five characters the operations use give another number than the whole text
// ("-33.075" is used as -33.0), a sentence saying so; otherwise nothing.
std::optional<std::string> ShortenedNumberNote(const std::string& label, const std::string& text);

// The generators read the first two characters of Years as a whole number. A text of 2 to 99
// that they would read as another number ("030", "+30", " 30") gets a sentence saying how it
// would be read; a plain number gets nothing.
std::optional<std::string> YearsReadDifferently(const std::string& text);

// The fetch of the evaporation pan, 1 to 1000 m as the dialog's label says.
bool FetchInRange(const std::string& text);

}  // namespace kelvaro
