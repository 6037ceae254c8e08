#include "generator/random_source.h"

#include <gtest/gtest.h>

#include <cmath>

#include "generator/check.h"
#include "weatherio/errors.h"

namespace kelvaro {
namespace {

TEST(RandomUniform, FirstValuesAfterStartAndStateAfterFirstCall) {
  RandomSeedState seed;
  EXPECT_FLOAT_EQ(RandomUniform(seed), 0.9710883f);
  EXPECT_EQ(seed.ix1, 530);
  EXPECT_EQ(seed.ix2, 83);
  EXPECT_EQ(seed.ix3, 108);
  EXPECT_EQ(seed.ix4, 97);
  for (const float expected : {0.7485651f, 0.7515952f, 0.7724856f, 0.8705566f, 0.2709698f}) {
    EXPECT_FLOAT_EQ(RandomUniform(seed), expected);
  }
}

TEST(RandomUniform, StateThatRoundsToOneGivesValueBelowOneAndStreamGoesOn) {
  // N = 2222233333 becomes 9999999999, which is 1.0 in single precision; then 9999899997.
  RandomSeedState seed{333, 33, 222, 22};
  const float near_one = RandomUniform(seed);
  EXPECT_LT(near_one, 1.0f);
  EXPECT_GT(near_one, 0.9999999f);
  EXPECT_EQ(seed.ix4 * 100000000LL + seed.ix3 * 100000LL + seed.ix2 * 1000LL + seed.ix1,
            9999999999LL);
  EXPECT_FLOAT_EQ(RandomUniform(seed), 0.9999899997f);
}

TEST(NormalDeviate, StaysWithinTruncationAndIsCentred) {
  RandomSeedState seed;
  double sum = 0.0;
  constexpr int kDraws = 100000;
  for (int i = 0; i < kDraws; ++i) {
    const float z = NormalDeviate(seed);
    ASSERT_LE(std::fabs(z), 2.5f);
    sum += z;
  }
  EXPECT_NEAR(sum / kDraws, 0.0, 0.02);
}

TEST(WeibullWind, NeverNegativeAndUsesOneUniform) {
  RandomSeedState seed;
  // A calm month's negative scale.
  EXPECT_EQ(WeibullWindFromUniform(RandomUniform(seed), -0.77f, 0.7f), 0.0f);
  EXPECT_EQ(seed.ix1, 530);
  // u = 0.7485651 with shape 1: scale * -ln(u).
  EXPECT_NEAR(WeibullWindFromUniform(RandomUniform(seed), 2.0f, 1.0f), 2.0 * -std::log(0.7485651),
              1e-5);
}

TEST(GammaRainAmount, AlphaOfOneBecomesOnePointZeroZeroOneAndAmountIsExponential) {
  RandomSeedState seed;
  std::array<float, 12> alpha{};
  alpha.fill(0.5f);
  alpha[3] = 1.0f;
  std::array<float, 12> beta{};
  beta.fill(4.0f);
  std::array<float, 12> factor{};
  factor.fill(1.0f);
  double sum = 0.0;
  constexpr int kDraws = 20000;
  for (int i = 0; i < kDraws; ++i) {
    const float amount = GammaRainAmount(seed, 3, alpha, beta, factor);
    ASSERT_GE(amount, 0.0f);
    sum += amount;
  }
  EXPECT_EQ(alpha[3], 1.001f);
  EXPECT_EQ(alpha[2], 0.5f);
  EXPECT_NEAR(sum / kDraws, 4.0, 0.15);  // exponential with mean BETA
}

TEST(GammaRainAmount, ShapeBelowOneGivesGammaMeanAndZeroShapeFailsItsCheck) {
  RandomSeedState seed;
  std::array<float, 12> alpha{};
  alpha.fill(0.4f);
  std::array<float, 12> beta{};
  beta.fill(10.0f);
  std::array<float, 12> factor{};
  factor.fill(2.0f);
  double sum = 0.0;
  constexpr int kDraws = 20000;
  for (int i = 0; i < kDraws; ++i) sum += GammaRainAmount(seed, 0, alpha, beta, factor);
  EXPECT_NEAR(sum / kDraws, 0.4 * 10.0 * 2.0, 0.3);

  alpha[5] = 0.0f;
  try {
    GammaRainAmount(seed, 5, alpha, beta, factor);
    FAIL() << "no check";
  } catch (const InvariantError& error) {
    EXPECT_STREQ(error.what(), "ALPHA[Mo] != 0.0");
  }
}

}  // namespace
}  // namespace kelvaro
