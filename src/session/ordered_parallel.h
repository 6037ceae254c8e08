#pragma once

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace kelvaro {

// The number of jobs when none is asked for: one per core.
int DefaultJobs();

// Runs work(worker, index) for every index 0..count-1 on `jobs` threads (worker 0..jobs-1 names
// the thread, for state a thread may reuse from one index to the next) and hands each result to
// deliver(index, result) on the calling thread, in index order, as soon as it and every result
// before it are ready. Workers run at most two results per thread ahead of the delivery, so the
// results held at once do not grow with `count`.
//
// An exception thrown by work(i) is rethrown by the calling thread when index i's turn to be
// delivered comes, after results 0..i-1 were delivered: the same results are delivered as when
// the indices run one after another. No work starts after an exception, and every thread has
// ended before this function returns or throws. With `jobs` <= 1 everything runs on the calling
// thread, one index after another.
template <typename Work, typename Deliver>
void ForEachInOrder(int count, int jobs, const Work& work, const Deliver& deliver) {
  using Result = decltype(work(0, 0));
  if (jobs <= 1 || count <= 1) {
    for (int index = 0; index < count; ++index) deliver(index, work(0, index));
    return;
  }

  struct Slot {
    std::optional<Result> result;
    std::exception_ptr error;
    bool ready = false;
  };
  const int workers = std::min(jobs, count);
  const int window = 2 * workers;
  std::vector<Slot> slots(static_cast<size_t>(window));
  std::mutex mutex;
  std::condition_variable changed;
  int next = 0;       // the next index to start
  int delivered = 0;  // indices below it are delivered
  bool stop = false;

  const auto run = [&](int worker) {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [&] { return stop || next >= count || next < delivered + window; });
      if (stop || next >= count) return;
      const int index = next++;
      lock.unlock();
      Slot done;
      try {
        done.result.emplace(work(worker, index));
      } catch (...) {
        done.error = std::current_exception();
      }
      done.ready = true;
      lock.lock();
      slots[static_cast<size_t>(index % window)] = std::move(done);
      changed.notify_all();
    }
  };

  // Stops the workers and waits for them however the delivery ends.
  struct Crew {
    std::mutex& mutex;
    std::condition_variable& changed;
    bool& stop;
    std::vector<std::thread> threads;
    ~Crew() {
      {
        std::lock_guard lock(mutex);
        stop = true;
      }
      changed.notify_all();
      for (std::thread& thread : threads) thread.join();
    }
  } crew{mutex, changed, stop, {}};
  for (int worker = 0; worker < workers; ++worker) crew.threads.emplace_back(run, worker);

  for (int index = 0; index < count; ++index) {
    Slot slot;
    {
      std::unique_lock lock(mutex);
      Slot& waiting = slots[static_cast<size_t>(index % window)];
      changed.wait(lock, [&] { return waiting.ready; });
      slot = std::move(waiting);
      waiting = Slot();
      if (slot.error) stop = true;
    }
    if (slot.error) std::rethrow_exception(slot.error);
    deliver(index, std::move(*slot.result));
    {
      std::lock_guard lock(mutex);
      delivered = index + 1;
    }
    changed.notify_all();
  }
}

}  // namespace kelvaro
