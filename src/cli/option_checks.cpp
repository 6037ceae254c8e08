#include "cli/option_checks.h"

#include <string>

#include "weatherio/errors.h"
#include "weatherio/message_text.h"
#include "weatherio/number_parse.h"

namespace kelvaro::cli {
namespace {

constexpr const char* kEmptyValue = "an empty value; give one or leave the option out";

void AddNonEmptyCheck(CLI::App& command) {
  const CLI::Validator non_empty(
      [](const std::string& value) {
        return value.empty() ? std::string(kEmptyValue) : std::string();
      },
      "");
  for (CLI::Option* option : command.get_options()) {
    if (option->get_type_size_max() > 0) option->check(non_empty);
  }
  for (CLI::App* sub : command.get_subcommands([](CLI::App*) { return true; })) {
    AddNonEmptyCheck(*sub);
  }
}

// The conversion's own message, or the empty text when both the whole text and the part the
// operations read convert. A text longer than what the operations read says so when only its
// tail made it a number.
template <typename Parse>
std::string ConversionMessage(const std::string& text, std::size_t used_characters, Parse parse) {
  if (text.empty()) return kEmptyValue;
  try {
    parse(text);
  } catch (const ConversionError& error) {
    return error.what();
  }
  const std::string used = FirstCharacters(text, used_characters);
  try {
    parse(used);
    return {};
  } catch (const ConversionError& error) {
    if (used == text) return error.what();
    return Quoted(text) + " is read by its first " + std::to_string(used_characters) +
           " characters, and " + error.what();
  }
}

}  // namespace

void RefuseEmptyValues(CLI::App& app) { AddNonEmptyCheck(app); }

CLI::Validator DecimalNumber(std::size_t used_characters) {
  return CLI::Validator(
      [used_characters](const std::string& text) {
        return ConversionMessage(text, used_characters,
                                 [](const std::string& t) { ParseFloat(t); });
      },
      "");
}

CLI::Validator WholeNumber() {
  return CLI::Validator(
      [](const std::string& text) {
        return ConversionMessage(text, text.size(), [](const std::string& t) { ParseInt(t); });
      },
      "");
}

CLI::Validator PositiveNumber(std::size_t used_characters) {
  return CLI::Validator(
      [used_characters](const std::string& text) {
        std::string message =
            ConversionMessage(text, used_characters, [](const std::string& t) { ParseFloat(t); });
        if (message.empty() && !(ParseFloat(FirstCharacters(text, used_characters)) > 0.0f)) {
          message = "should be more than 0, not " + Quoted(text);
        }
        return message;
      },
      "");
}

}  // namespace kelvaro::cli
