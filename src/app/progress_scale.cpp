#include "app/progress_scale.h"

#include <algorithm>

namespace kelvaro::app {

int ProgressScale::Value(int units) const {
  const int total = crops_ > 0 ? BalanceStart() + 1 + crops_ : operations_ * kUnitsPerOperation;
  return std::clamp(units * kSteps / std::max(total, 1), 0, kSteps);
}

int ProgressScale::OperationStarted(int index, int count) {
  operations_ = std::max(count, 1);
  return Value(index * kUnitsPerOperation);
}

int ProgressScale::CropStarted(int index, int count) {
  crops_ = std::max(count, 1);
  crops_done_ = index;
  return Value(BalanceStart() + 1 + index);
}

int ProgressScale::CropFinished() {
  ++crops_done_;
  return Value(BalanceStart() + 1 + crops_done_);
}

}  // namespace kelvaro::app
