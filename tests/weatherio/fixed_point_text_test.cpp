#include "weatherio/fixed_point_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "weatherio/errors.h"

namespace kelvaro {
namespace {

std::string ViaPrintf(float value, int width, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
  return text;
}

std::string ViaAppend(float value, int width, int decimals) {
  std::string text;
  AppendFixed(text, value, width, decimals);
  return text;
}

TEST(FixedPointText, MatchesPrintfOnHalfwayAndEdgeValues) {
  // 0.0625 and 0.1875 are exact halfway cases at three decimals: printf rounds them to even.
  for (float value :
       {0.0f, -0.0f, 0.0625f, 0.1875f, -0.0625f, 2.0005f, 0.0005f, -0.0004f, 999.9995f, 12345.678f,
        -999.0f, 1e9f, 3e20f, std::numeric_limits<float>::max()}) {
    for (int decimals = 0; decimals <= 3; ++decimals) {
      EXPECT_EQ(ViaAppend(value, 7, decimals), ViaPrintf(value, 7, decimals)) << value;
    }
  }
}

// A result never shows "nan" or "inf": a value that is not finite fails the run instead.
TEST(FixedPointText, NonFiniteValuesAreADefectNotText) {
  for (float value :
       {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN()}) {
    std::string text = "kept";
    try {
      AppendFixed(text, value, 6, 3);
      ADD_FAILURE() << value << " was written";
    } catch (const InvariantError& error) {
      EXPECT_EQ(std::string(error.what()),
                "A value to be written with the format \"%6.3f\" is not a finite number; nothing "
                "was written.");
    }
    EXPECT_EQ(text, "kept");
  }
}

TEST(FixedPointText, MatchesPrintfOnRandomValues) {
  std::mt19937 random(12345);
  std::uniform_real_distribution<float> magnitude(-6.0f, 4.0f);
  for (int i = 0; i < 200000; ++i) {
    const float value = (random() % 2 ? -1.0f : 1.0f) * std::pow(10.0f, magnitude(random));
    ASSERT_EQ(ViaAppend(value, 6, 3), ViaPrintf(value, 6, 3)) << value;
  }
}

TEST(FixedPointText, IntegersPadLikePrintf) {
  for (int value : {0, 7, -7, 2004, 123456, std::numeric_limits<int>::min()}) {
    std::string text;
    AppendInt(text, value, 4);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%4d", value);
    EXPECT_EQ(text, expected);
  }
}

}  // namespace
}  // namespace kelvaro
