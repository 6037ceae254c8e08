#include "weatherio/message_text.h"

#include <gtest/gtest.h>

#include <string>

#include "weatherio/errors.h"
#include "weatherio/file_naming.h"
#include "weatherio/number_parse.h"
#include "weatherio/row_format.h"

namespace kelvaro {
namespace {

TEST(FirstCharacters, CountsCharactersNotBytes) {
  EXPECT_EQ(FirstCharacters("Zürich", 5), "Züric");
  EXPECT_EQ(FirstCharacters("Davisville", 5), "Davis");
  EXPECT_EQ(FirstCharacters("Åsa", 5), "Åsa");
  EXPECT_EQ(FirstCharacters("東京都千代田区", 5), "東京都千代");
  // Bytes of no valid character count one each and are kept as they are.
  EXPECT_EQ(FirstCharacters("\xFF\xFE"
                            "abcd",
                            5),
            "\xFF\xFE"
            "abc");
  EXPECT_EQ(FirstCharacters("", 5), "");
}

TEST(Quoted, ShortExcerptWithControlCharactersEscaped) {
  EXPECT_EQ(Quoted("12,5x"), "'12,5x'");
  EXPECT_EQ(Quoted(std::string("1\0"
                               "2",
                               3)),
            "'1\\02'");
  EXPECT_EQ(Quoted("a\tb\r\n\x1B"), "'a\\tb\\r\\n\\x1B'");
  EXPECT_EQ(Quoted(std::string(100000, '7')), "'" + std::string(40, '7') + "'...");
  // A cut never splits a character.
  EXPECT_EQ(Quoted(std::string(39, 'a') + "ü" + "tail"), "'" + std::string(39, 'a') + "ü'...");
}

// A huge field was once echoed whole, and a NUL byte cut the message short.
TEST(Quoted, ConversionAndNameMessagesQuoteAnExcerpt) {
  try {
    ParseFloat(std::string(100000, '9') + "x");
    ADD_FAILURE();
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()),
              "'" + std::string(40, '9') + "'... is not a valid floating point value");
  }
  try {
    ParseInt(
        std::string("12\0"
                    "34",
                    5));
    ADD_FAILURE();
  } catch (const ConversionError& error) {
    EXPECT_EQ(std::string(error.what()), "'12\\034' is not a valid integer value");
  }
  try {
    CheckSafeName(std::string("ab\0/cd", 6), "station name");
    ADD_FAILURE();
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()),
              "The station name 'ab\\0/cd' may not contain a path separator, '..' or a control "
              "character");
  }
}

TEST(Printf, RefusesToWriteANonFiniteNumber) {
  EXPECT_EQ(Printf("%s,%4d,%*.*f,%5.1f%%,%ld\n", "x", 7, 8, 2, 1.5, 2.25f, 9L),
            "x,   7,    1.50,  2.2%,9\n");
  const float infinite = 1e30f * 1e30f;
  const float not_a_number = infinite - infinite;
  for (float bad : {infinite, -infinite, not_a_number}) {
    try {
      Printf("%4d,%8.2f,%8.2f\n", 1999, 1.0f, bad);
      ADD_FAILURE() << bad << " was written";
    } catch (const InvariantError& error) {
      EXPECT_EQ(std::string(error.what()),
                "A value to be written with the format \"%4d,%8.2f,%8.2f\" is not a finite number; "
                "nothing was written.");
    }
  }
}

}  // namespace
}  // namespace kelvaro
