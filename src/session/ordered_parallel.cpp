#include "session/ordered_parallel.h"

namespace kelvaro {

int DefaultJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

}  // namespace kelvaro
