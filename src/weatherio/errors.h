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

// A data line with more fields than its layout (fields are taken from the right, so the extra
// ones would end up in the first column). Given a location, it reads "MARIC.day, line 10 has 11
// fields where 10 are expected (a decimal comma, or an extra column?)".
class FieldCountError : public InputError {
 public:
  FieldCountError(int found, int expected);
  // "has 11 fields where 10 are expected (a decimal comma, or an extra column?)".
  const std::string& detail() const { return detail_; }

 private:
  std::string detail_;
};

// A folder a command cannot safely write as it stands (another command holds it, two names
// differ only in letter case, too little space): refused before anything in it changes.
class FolderRefusal : public InputError {
 public:
  using InputError::InputError;
};

}  // namespace kelvaro
