#include "dispatch/field_texts.h"

#include <algorithm>
#include <cctype>

#include "weatherio/errors.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

constexpr size_t kUsedCharacters = 5;

bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

}  // namespace

float UsedNumber(const std::string& label, const std::string& text) {
  try {
    ParseFloat(text);
  } catch (const ConversionError& error) {
    throw ConversionError(label + ": " + error.what());
  }
  const std::string used = FirstCharacters(text, kUsedCharacters);
  try {
    return ParseFloat(used);
  } catch (const ConversionError& error) {
    throw ConversionError(label + " " + Quoted(text) + " is read by its first five characters, " +
                          error.what());
  }
}

std::optional<std::string> ShortenedNumberNote(const std::string& label, const std::string& text) {
  if (UsedNumber(label, text) == ParseFloat(text)) return std::nullopt;
  return label + " " + Quoted(text) + " is used as " + FirstCharacters(text, kUsedCharacters) +
         ": the operations read its first five characters";
}

std::optional<std::string> YearsReadDifferently(const std::string& text) {
  if (AllDigits(text) && text.size() <= 2 && text.front() != '0') return std::nullopt;
  std::string read_as = "no number";
  try {
    read_as = std::to_string(ParseInt(FirstCharacters(text, 2)));
  } catch (const ConversionError&) {
  }
  return "Years " + Quoted(text) + " would be read as " + read_as +
         ": type the number of years as plain digits, 2 to 99, without a sign, blank or leading "
         "zero";
}

bool FetchInRange(const std::string& text) {
  const float fetch = UsedNumber("Fetch", text);
  return fetch >= 1.0f && fetch <= 1000.0f && ParseFloat(text) <= 1000.0f;
}

}  // namespace kelvaro
