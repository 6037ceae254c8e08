#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kelvaro {

// The first `count` characters of a UTF-8 text; a character of several bytes is never cut in two
// ("Zürich" gives "Züric"). A byte that starts no valid sequence counts as one character.
std::string FirstCharacters(std::string_view text, size_t count);

// Longest excerpt of a user's text that a message quotes.
inline constexpr size_t kExcerptCharacters = 40;

// A text of a file or an entry, quoted for a message: in single quotes, at most
// kExcerptCharacters characters ("..." after the quote marks a cut), control characters written
// as \t, \n, \r, \0 or \xHH so that a NUL or a line break never cuts or splits the message.
std::string Quoted(std::string_view text);
// The same, never cut: a folder or file path a user must be able to find.
std::string QuotedPath(std::string_view path);

// A folder or file as a user should read it in a message: absolute, without "." or ".."; as
// given when the working folder cannot be read.
std::filesystem::path ShownPath(const std::filesystem::path& path);

// A number in its shortest form that reads back as the same float ("12.5", "0.1"), as the trace
// lines show numbers.
std::string ShortestText(float value);

}  // namespace kelvaro
