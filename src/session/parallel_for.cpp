#include "session/parallel_for.h"

namespace kelvaro {

int DefaultJobs() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

int WorkerCount(int count, int jobs) {
  const int asked = jobs > 0 ? jobs : DefaultJobs();
  return std::max(1, std::min({asked, count, kMaxJobs}));
}

namespace parallel {

Crew::~Crew() {
  Notify([this] { stop = true; });
  for (std::thread& thread : threads_) thread.join();
}

void Crew::Start(int workers, const std::function<void(int)>& run) {
  for (int worker = 0; worker < workers; ++worker) threads_.emplace_back(run, worker);
}

}  // namespace parallel
}  // namespace kelvaro
