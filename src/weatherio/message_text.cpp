#include "weatherio/message_text.h"

#include <charconv>
#include <cstdio>
#include <system_error>

namespace kelvaro {
namespace {

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Bytes of the character starting at `text[0]`: a lead byte and the continuation bytes it
// announces, as far as they are present.
size_t CharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  size_t expected = 1;
  if ((lead & 0xE0) == 0xC0) {
    expected = 2;
  } else if ((lead & 0xF0) == 0xE0) {
    expected = 3;
  } else if ((lead & 0xF8) == 0xF0) {
    expected = 4;
  }
  size_t length = 1;
  while (length < expected && length < text.size() &&
         IsContinuationByte(static_cast<unsigned char>(text[length]))) {
    ++length;
  }
  return length;
}

void AppendEscaped(std::string& out, std::string_view character) {
  const auto byte = static_cast<unsigned char>(character[0]);
  if (character.size() > 1 || (byte >= 0x20 && byte != 0x7F)) {
    out.append(character);
    return;
  }
  switch (byte) {
    case '\t':
      out += "\\t";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\0':
      out += "\\0";
      return;
    default:
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", byte);
      out += code;
  }
}

}  // namespace

std::string FirstCharacters(std::string_view text, size_t count) {
  size_t end = 0;
  for (size_t characters = 0; characters < count && end < text.size(); ++characters) {
    end += CharacterLength(text.substr(end));
  }
  return std::string(text.substr(0, end));
}

namespace {

std::string QuotedUpTo(std::string_view text, size_t most_characters) {
  std::string out = "'";
  size_t position = 0;
  for (size_t characters = 0; characters < most_characters && position < text.size();
       ++characters) {
    const size_t length = CharacterLength(text.substr(position));
    AppendEscaped(out, text.substr(position, length));
    position += length;
  }
  out += "'";
  if (position < text.size()) out += "...";
  return out;
}

}  // namespace

std::string Quoted(std::string_view text) { return QuotedUpTo(text, kExcerptCharacters); }

std::string QuotedPath(std::string_view path) { return QuotedUpTo(path, path.size()); }

std::string ShortestText(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::filesystem::path ShownPath(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return (error ? path : absolute).lexically_normal();
}

}  // namespace kelvaro
