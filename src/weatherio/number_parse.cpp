#include "weatherio/number_parse.h"

#include <charconv>
#include <cmath>
#include <exception>

#include "weatherio/errors.h"
#include "weatherio/message_text.h"

namespace kelvaro {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view WithoutPlusSign(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

template <typename Number>
bool ConvertWhole(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

template <typename Convert>
auto InColumn(std::string_view column, Convert convert) {
  try {
    return convert();
  } catch (const ConversionError& error) {
    throw ConversionError(std::string(column) + " " + error.what());
  }
}

}  // namespace

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

float ParseFloat(std::string_view text) {
  const std::string_view number = WithoutPlusSign(Trim(text));
  float value = 0.0f;
  // "nan" and "inf" are no value any file of the program holds.
  if (number.empty() || !ConvertWhole(number, value) || !std::isfinite(value)) {
    throw ConversionError(Quoted(Trim(text)) + " is not a valid floating point value");
  }
  return value;
}

int32_t ParseInt(std::string_view text) {
  const std::string_view number = WithoutPlusSign(Trim(text));
  int32_t value = 0;
  if (number.empty() || !ConvertWhole(number, value)) {
    throw ConversionError(Quoted(Trim(text)) + " is not a valid integer value");
  }
  return value;
}

float ParseColumnFloat(std::string_view text, std::string_view column) {
  return InColumn(column, [&] { return ParseFloat(text); });
}

int32_t ParseColumnInt(std::string_view text, std::string_view column) {
  return InColumn(column, [&] { return ParseInt(text); });
}

void RethrowWithLocation(const std::string& file_name, int line_number) {
  RethrowWithLocation(LineLocation(file_name, line_number));
}

std::string LineLocation(const std::string& file_name, int line_number) {
  return file_name + ", line " + std::to_string(line_number);
}

void RethrowWithLocation(const std::string& location) {
  const std::string where = location + ": ";
  try {
    throw;
  } catch (const FieldCountError& error) {
    throw InputError(location + " " + error.detail());
  } catch (const ConversionError& error) {
    throw ConversionError(where + error.what());
  } catch (const InputError& error) {
    throw InputError(where + error.what());
  }
}

}  // namespace kelvaro
