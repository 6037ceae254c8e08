#pragma once

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace kelvaro::testing {

// Result folders the report and chart tests read, made once per suite.
class ResultRuns {
 public:
  // Maricopa's measured days (the bundled MARIC.day) through the bundled study area 1 and the
  // weather statistics; five years generated from the bundled MARIC.mon in a folder of its own.
  ResultRuns();

  const TestFolder& measured() const { return measured_; }
  const TestFolder& generated() const { return generated_; }
  // False when an operation reported a failure.
  bool ok() const { return ok_; }

 private:
  TestFolder measured_;
  TestFolder generated_;
  bool ok_ = false;
};

// A suite of tests that read one set of result runs, made before its first test.
class ResultRunsSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  static const TestFolder& measured() { return runs_->measured(); }
  static const TestFolder& generated() { return runs_->generated(); }

 private:
  static ResultRuns* runs_;
};

}  // namespace kelvaro::testing
