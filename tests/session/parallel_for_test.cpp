#include "session/parallel_for.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kelvaro {
namespace {

using std::chrono::microseconds;

// Uneven work, so that later indices often finish before earlier ones.
void Busy(int index) { std::this_thread::sleep_for(microseconds((index * 7919) % 13 * 50)); }

struct Shape {
  int count;
  int jobs;
};
const Shape kShapes[] = {{0, 4}, {1, 4}, {5, 1}, {5, 2}, {7, 4}, {100, 2}, {100, 8}, {3, 16}};

TEST(WorkerCount, NeverMoreThreadsThanIndicesOrTheLimit) {
  struct Case {
    int count;
    int jobs;
    int workers;
  };
  for (const Case& c :
       {Case{100, 4, 4}, Case{3, 8, 3}, Case{0, 4, 1}, Case{5, 1, 1}, Case{1000, 1000, kMaxJobs},
        Case{1000, -3, std::min(DefaultJobs(), kMaxJobs)},
        Case{1000, 0, std::min(DefaultJobs(), kMaxJobs)}}) {
    EXPECT_EQ(WorkerCount(c.count, c.jobs), c.workers) << c.count << " " << c.jobs;
  }
}

TEST(ForEachInOrder, DeliversEveryResultOnceInIndexOrderOnTheCallingThread) {
  for (const Shape& shape : kShapes) {
    std::vector<int> delivered;
    const auto caller = std::this_thread::get_id();
    ForEachInOrder(
        shape.count, shape.jobs,
        [](int worker, int index) {
          Busy(index);
          return std::make_pair(worker, index * index);
        },
        [&](int index, std::pair<int, int> result) {
          EXPECT_EQ(std::this_thread::get_id(), caller);
          EXPECT_EQ(result.second, index * index);
          EXPECT_GE(result.first, 0);
          EXPECT_LT(result.first, std::max(shape.jobs, 1));
          delivered.push_back(index);
        });
    std::vector<int> expected(static_cast<size_t>(shape.count));
    for (int i = 0; i < shape.count; ++i) expected[static_cast<size_t>(i)] = i;
    EXPECT_EQ(delivered, expected) << shape.count << " on " << shape.jobs;
  }
}

// A worker never owns another worker's state: worker numbers are never in use twice at once.
TEST(ForEachInOrder, AWorkerNumberRunsOneIndexAtATime) {
  std::vector<std::atomic<int>> running(4);
  std::atomic<bool> overlap{false};
  ForEachInOrder(
      200, 4,
      [&](int worker, int index) {
        if (running[static_cast<size_t>(worker)]++ != 0) overlap = true;
        Busy(index);
        running[static_cast<size_t>(worker)]--;
        return index;
      },
      [](int, int) {});
  EXPECT_FALSE(overlap);
}

TEST(ForEachInOrder, HoldsAtMostTwoResultsPerThreadAheadOfTheDelivery) {
  for (int jobs : {1, 2, 3, 8}) {
    std::atomic<int> started{0};
    std::atomic<int> delivered{0};
    std::atomic<int> most_ahead{0};
    ForEachInOrder(
        300, jobs,
        [&](int, int index) {
          const int ahead = ++started - delivered;
          int seen = most_ahead;
          while (ahead > seen && !most_ahead.compare_exchange_weak(seen, ahead)) {
          }
          if (index % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
          return index;
        },
        [&](int, int) { ++delivered; });
    EXPECT_LE(most_ahead, 2 * jobs) << jobs;
  }
}

// The first failing index ends the loop exactly as one index after another would: everything
// before it delivered, nothing after it.
TEST(ForEachInOrder, AFailureIsRethrownInItsTurn) {
  for (int jobs : {1, 2, 4}) {
    std::vector<int> delivered;
    try {
      ForEachInOrder(
          50, jobs,
          [](int, int index) {
            Busy(index);
            if (index == 17 || index == 30)
              throw std::runtime_error("index " + std::to_string(index));
            return index;
          },
          [&](int index, int) { delivered.push_back(index); });
      ADD_FAILURE() << "nothing thrown";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "index 17");
    }
    ASSERT_EQ(delivered.size(), 17u) << jobs;
    EXPECT_EQ(delivered.back(), 16);
  }
}

TEST(ForEachInOrder, AFailingDeliveryStopsTheWorkers) {
  std::atomic<int> started{0};
  EXPECT_THROW(ForEachInOrder(
                   1000, 4,
                   [&](int, int index) {
                     ++started;
                     return index;
                   },
                   [](int index, int) {
                     if (index == 3) throw std::runtime_error("full");
                   }),
               std::runtime_error);
  EXPECT_LE(started, 3 + 1 + 2 * 4);
}

TEST(ForEachAsDone, HandsOverEveryResultOnceOnTheCallingThread) {
  for (const Shape& shape : kShapes) {
    std::vector<int> seen(static_cast<size_t>(shape.count), 0);
    const auto caller = std::this_thread::get_id();
    ForEachAsDone(
        shape.count, shape.jobs,
        [](int, int index) {
          Busy(index);
          return index + 1;
        },
        [&](int index, int result) {
          EXPECT_EQ(std::this_thread::get_id(), caller);
          EXPECT_EQ(result, index + 1);
          ++seen[static_cast<size_t>(index)];
        });
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), shape.count);
  }
}

// Index 0 finishes only once all the others have: had it held the others back, it would wait
// for them in vain until its time ran out.
TEST(ForEachAsDone, ASlowIndexDoesNotHoldTheOthersBack) {
  constexpr int kCount = 40;
  std::atomic<int> finished{0};
  std::vector<int> order;
  ForEachAsDone(
      kCount, 2,
      [&](int, int index) {
        if (index == 0) {
          const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
          while (finished < kCount - 1 && std::chrono::steady_clock::now() < give_up) {
            std::this_thread::sleep_for(microseconds(200));
          }
        }
        ++finished;
        return index;
      },
      [&](int index, int) { order.push_back(index); });
  ASSERT_EQ(order.size(), static_cast<size_t>(kCount));
  EXPECT_EQ(order.back(), 0);
}

TEST(ForEachAsDone, AFailureReachesTheCallingThread) {
  EXPECT_THROW(ForEachAsDone(
                   20, 3,
                   [](int, int index) {
                     if (index == 5) throw std::runtime_error("five");
                     return index;
                   },
                   [](int, int) {}),
               std::runtime_error);
}

}  // namespace
}  // namespace kelvaro
