#pragma once

#include <stdexcept>
#include <string>

namespace kelvaro {

// A text that does not convert to a number; the message quotes the text and, where known, the
// file and line it came from.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A check of the weather generator failed; the message is the check's own text.
class InvariantError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Input we refuse: unsafe file names, malformed lines, tables out of order.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A folder a command cannot safely write as it stands (another command holds it, two names
// differ only in letter case, too little space): refused before anything in it changes.
class FolderRefusal : public InputError {
 public:
  using InputError::InputError;
};

}  // namespace kelvaro
