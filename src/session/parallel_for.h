#pragma once

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace kelvaro {

// The number of jobs when none is asked for: one per core.
int DefaultJobs();

// The most threads the functions below start, whatever is asked: each thread may hold a study
// area's tables and a block of output.
inline constexpr int kMaxJobs = 64;

// The threads that `jobs` (0: DefaultJobs) give for `count` indices: never more than there are
// indices or than kMaxJobs, and at least one.
int WorkerCount(int count, int jobs);

// Both functions below run work(worker, index) for every index 0..count-1 on
// WorkerCount(count, jobs) threads (worker 0, 1, ... names the thread, for state a thread reuses
// from one index to the next) and hand each result to a callback on the calling thread. An
// exception thrown by work is rethrown by the calling thread in place of that result's callback; no
// work starts after it. Every thread has ended when they return or throw. With one worker
// everything runs on the calling thread, one index after another.

// Results are handed to deliver(index, result) in index order, as soon as each one and every one
// before it are ready, so the calls are the same as when the indices run one after another.
// Workers run at most two indices per thread ahead of the delivery: the results held at once do
// not grow with `count`.
template <typename Work, typename Deliver>
void ForEachInOrder(int count, int jobs, const Work& work, const Deliver& deliver);

// Results are handed to done(index, result) as they are finished, in any order; a slow index
// never keeps the other threads waiting.
template <typename Work, typename Done>
void ForEachAsDone(int count, int jobs, const Work& work, const Done& done);

namespace parallel {

// One finished index.
template <typename Result>
struct Finished {
  int index = 0;
  std::optional<Result> result;
  std::exception_ptr error;
};

// The worker threads with the lock and signal they share; told to stop and joined when it goes
// out of scope, however the calling thread leaves.
class Crew {
 public:
  Crew() = default;
  Crew(const Crew&) = delete;
  Crew& operator=(const Crew&) = delete;
  ~Crew();

  void Start(int workers, const std::function<void(int)>& run);
  // Wakes every waiting thread after `change` ran under the lock.
  template <typename Change>
  void Notify(const Change& change) {
    {
      std::lock_guard lock(mutex);
      change();
    }
    changed.notify_all();
  }

  std::mutex mutex;
  std::condition_variable changed;
  bool stop = false;

 private:
  std::vector<std::thread> threads_;
};

template <typename Result, typename Work>
Finished<Result> RunOne(const Work& work, int worker, int index) {
  Finished<Result> finished;
  finished.index = index;
  try {
    finished.result.emplace(work(worker, index));
  } catch (...) {
    finished.error = std::current_exception();
  }
  return finished;
}

}  // namespace parallel

template <typename Work, typename Deliver>
void ForEachInOrder(int count, int jobs, const Work& work, const Deliver& deliver) {
  const int workers = WorkerCount(count, jobs);
  if (workers == 1) {
    for (int index = 0; index < count; ++index) deliver(index, work(0, index));
    return;
  }
  using Result = decltype(work(0, 0));
  const int window = 2 * workers;
  std::vector<std::optional<parallel::Finished<Result>>> slots(static_cast<size_t>(window));
  int next = 0;       // the next index to start
  int delivered = 0;  // indices below it are delivered
  parallel::Crew crew;
  crew.Start(workers, [&](int worker) {
    std::unique_lock lock(crew.mutex);
    while (true) {
      crew.changed.wait(lock,
                        [&] { return crew.stop || next >= count || next < delivered + window; });
      if (crew.stop || next >= count) return;
      const int index = next++;
      lock.unlock();
      auto finished = parallel::RunOne<Result>(work, worker, index);
      lock.lock();
      slots[static_cast<size_t>(index % window)] = std::move(finished);
      crew.changed.notify_all();
    }
  });
  for (int index = 0; index < count; ++index) {
    std::optional<parallel::Finished<Result>> finished;
    {
      std::unique_lock lock(crew.mutex);
      auto& slot = slots[static_cast<size_t>(index % window)];
      crew.changed.wait(lock, [&] { return slot.has_value(); });
      finished.swap(slot);
      if (finished->error) crew.stop = true;
    }
    if (finished->error) std::rethrow_exception(finished->error);
    deliver(index, std::move(*finished->result));
    crew.Notify([&] { delivered = index + 1; });
  }
}

template <typename Work, typename Done>
void ForEachAsDone(int count, int jobs, const Work& work, const Done& done) {
  const int workers = WorkerCount(count, jobs);
  if (workers == 1) {
    for (int index = 0; index < count; ++index) done(index, work(0, index));
    return;
  }
  using Result = decltype(work(0, 0));
  std::deque<parallel::Finished<Result>> finished;
  int next = 0;
  parallel::Crew crew;
  crew.Start(workers, [&](int worker) {
    std::unique_lock lock(crew.mutex);
    while (!crew.stop && next < count) {
      const int index = next++;
      lock.unlock();
      auto one = parallel::RunOne<Result>(work, worker, index);
      lock.lock();
      finished.push_back(std::move(one));
      crew.changed.notify_all();
    }
  });
  for (int received = 0; received < count; ++received) {
    std::unique_lock lock(crew.mutex);
    crew.changed.wait(lock, [&] { return !finished.empty(); });
    parallel::Finished<Result> one = std::move(finished.front());
    finished.pop_front();
    if (one.error) crew.stop = true;
    lock.unlock();
    if (one.error) std::rethrow_exception(one.error);
    done(one.index, std::move(*one.result));
  }
}

}  // namespace kelvaro
