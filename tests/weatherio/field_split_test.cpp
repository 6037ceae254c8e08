#include "weatherio/field_split.h"

#include <gtest/gtest.h>

#include "weatherio/errors.h"
#include "weatherio/number_parse.h"

namespace kelvaro {
namespace {

TEST(FieldSplit, DataLineSplitsIntoTenFieldsAndYearKeepsItsText) {
  const auto fields = SplitFieldsFromRight(
      "1989,   9,    23,   266,      19.3,   30.1,  14.0,     2.6,     7.5,  0.0", 10);
  ASSERT_EQ(fields.size(), 10u);
  EXPECT_EQ(fields[0], "1989");
  EXPECT_EQ(ParseInt(fields[3]), 266);
  EXPECT_FLOAT_EQ(ParseFloat(fields[4]), 19.3f);
  EXPECT_EQ(fields[9], "  0.0");
}

TEST(FieldSplit, ExtraCommasStayInTheFirstColumn) {
  const auto fields = SplitFieldsFromRight("a,b,c,d", 3);
  EXPECT_EQ(fields[0], "a,b");
  EXPECT_EQ(fields[1], "c");
  EXPECT_EQ(fields[2], "d");
}

TEST(FieldSplit, TooFewFieldsIsRefused) {
  EXPECT_THROW(SplitFieldsFromRight("1989,   9,  23", 10), InputError);
}

}  // namespace
}  // namespace kelvaro
