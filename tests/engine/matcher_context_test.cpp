// The match context's pieces: stack growth and the latest-record lookup that
// must cope with capture indexes left stale by cut-back stacks.
#include <array>

#include <gtest/gtest.h>

#include "engine/match_context.h"

namespace engine {
namespace {

TEST(IntStack, PushDoublesFromEight) {
  IntStack s;
  std::vector<int> capacities;
  for (int i = 0; i < 40; ++i) {
    s.Push(i);
    if (capacities.empty() || capacities.back() != s.Capacity()) capacities.push_back(s.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{8, 16, 32, 64}));
  for (int i = 39; i >= 0; --i) ASSERT_EQ(s.Pop(), i);
}

TEST(IntStack, GrowInOneStep) {
  struct Step {
    int before;  // capacity reached by pushes first
    int target;
    int capacity;
  };
  for (Step step : {Step{0, 5, 8}, Step{0, 20, 24}, Step{8, 12, 16}, Step{16, 40, 48},
                    Step{16, 28, 32}}) {
    IntStack s;
    for (int i = 0; i < step.before; ++i) s.Push(7);
    s.GrowTo(step.target, -1);
    EXPECT_EQ(s.Length(), step.target);
    EXPECT_EQ(s.Capacity(), step.capacity) << step.before << " -> " << step.target;
    for (int i = step.before; i < step.target; ++i) ASSERT_EQ(s[i], -1);
    for (int i = 0; i < step.before; ++i) ASSERT_EQ(s[i], 7);
  }
}

TEST(IntStack, LoweringTheLengthKeepsCapacity) {
  IntStack s;
  for (int i = 0; i < 100; ++i) s.Push(i);
  const int capacity = s.Capacity();
  s.SetLength(3);
  EXPECT_EQ(s.Length(), 3);
  EXPECT_EQ(s.Capacity(), capacity);
  s.Push(42);
  EXPECT_EQ(s[3], 42);
  EXPECT_EQ(s[2], 2);
}

// A context holding capture records (group, entry, exit, nesting) in order.
struct Records {
  MatchContext ctx;
  Records(std::initializer_list<std::array<int, 4>> records, std::vector<int> index) {
    for (const auto& r : records)
      for (int v : r) ctx.captureStack.Push(v);
    ctx.captureIndex.GrowTo(static_cast<int>(index.size()), -1);
    for (size_t i = 0; i < index.size(); ++i) ctx.captureIndex[static_cast<int>(i)] = index[i];
  }
};

TEST(LatestRecord, FollowsTheIndex) {
  Records r({{0, 0, -1, -1}, {1, 0, 1, 0}, {2, 1, 2, 0}, {1, 2, 3, 0}}, {0, 12, 8});
  EXPECT_EQ(LatestRecord(r.ctx, 0), 0);
  EXPECT_EQ(LatestRecord(r.ctx, 1), 12);
  EXPECT_EQ(LatestRecord(r.ctx, 2), 8);
}

TEST(LatestRecord, StaleIndexAboveTheTopWalksDown) {
  // Group 1's newest record was cut off; the index still points past the top.
  Records r({{0, 0, -1, -1}, {1, 0, 1, 0}, {2, 1, 2, 0}}, {0, 12, 8});
  EXPECT_EQ(LatestRecord(r.ctx, 1), 4);
  // The index now points at a newer record of another group.
  Records other({{0, 0, -1, -1}, {2, 1, 2, 0}, {3, 2, 3, 0}}, {0, 0, 4, 8});
  EXPECT_EQ(LatestRecord(other.ctx, 2), 4);
}

TEST(LatestRecord, NoneWhenAbsentNegativeOrUnknown) {
  Records cut({{0, 0, -1, -1}}, {0, 8, -1});
  EXPECT_EQ(LatestRecord(cut.ctx, 1), -1);   // walked below 0 without finding it
  EXPECT_EQ(LatestRecord(cut.ctx, 2), -1);   // never recorded
  EXPECT_EQ(LatestRecord(cut.ctx, 5), -1);   // beyond the index
  EXPECT_EQ(LatestRecord(cut.ctx, -3), -1);  // unresolved name
}

}  // namespace
}  // namespace engine
