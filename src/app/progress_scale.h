#pragma once

#include <string_view>

namespace kelvaro::app {

// Where the progress bar of a run stands, in proportion to the work. Every operation before the
// water balance passes once over the whole record, which takes about as long as two crops of
// the balance (a generated record of 99 years: some 0.8 s an operation, 0.25 s a crop); the
// balance weighs one unit for reading the weather and one per crop. A chain whose crops are not
// known beforehand is taken for operations of equal weight until its balance says how many.
class ProgressScale {
 public:
  static constexpr int kSteps = 1000;
  static constexpr int kUnitsPerOperation = 2;

  // `expected_crops`: the study area's crops, when the chain ends with the water balance.
  explicit ProgressScale(int expected_crops = 0) : crops_(expected_crops) {}

  // The bar's value, 0..kSteps, at the start of operation `index` of `count`.
  int OperationStarted(int index, int count);
  // ... at the start of crop `index` of `count`, and after it.
  int CropStarted(int index, int count);
  int CropFinished();

 private:
  int Value(int units) const;
  int BalanceStart() const { return (operations_ - 1) * kUnitsPerOperation; }

  int crops_;
  int operations_ = 1;
  int crops_done_ = 0;
};

}  // namespace kelvaro::app
