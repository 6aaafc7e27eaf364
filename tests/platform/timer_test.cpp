// The match timer: armed it ticks, stopped it does not, re-arming keeps one timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/platform.h"
#ifndef _WIN32
#include "platform/posix/posix_platform.h"
#endif

namespace {

int ticks = 0;
bool stopOnTick = false;

void CountTick() {
  ++ticks;
  if (stopOnTick) platform::SetTimerPeriod(0);
}

// Lets the ticks due by now arrive: Windows delivers them through the message
// queue; the posix layer delivers one when asked.
void DeliverDueTicks(int waitMilliseconds) {
#ifdef _WIN32
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  do {
    platform::ProcessPendingMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (std::chrono::steady_clock::now() < until);
#else
  (void)waitMilliseconds;
  platform::posix::FireTimer();
  platform::posix::FireTimer();
#endif
}

class Timer : public ::testing::Test {
 protected:
  void SetUp() override {
    ticks = 0;
    stopOnTick = false;
    platform::SetTimerHandler(CountTick);
  }
  void TearDown() override {
    platform::SetTimerPeriod(0);
    platform::SetTimerHandler(nullptr);
  }
};

TEST_F(Timer, AnArmedTimerTicksUntilStopped) {
  platform::SetTimerPeriod(10);
  DeliverDueTicks(300);
  EXPECT_GE(ticks, 1);
  platform::SetTimerPeriod(0);
  int before = ticks;
  DeliverDueTicks(100);
  EXPECT_EQ(ticks, before);
}

TEST_F(Timer, AHandlerThatStopsTheTimerRunsOnce) {
  stopOnTick = true;
  platform::SetTimerPeriod(10);
  DeliverDueTicks(300);
  EXPECT_EQ(ticks, 1);
}

TEST_F(Timer, ReArmingKeepsOneTimer) {
  stopOnTick = true;
  for (int i = 0; i < 3; ++i) {
    platform::SetTimerPeriod(0);
    platform::SetTimerPeriod(10);
  }
  platform::SetTimerPeriod(10);
  DeliverDueTicks(300);
  EXPECT_EQ(ticks, 1);
}

int depth = 0;
int deepest = 0;

// Works for longer than a period and lets pending messages through meanwhile,
// as the match run does, then stops the timer.
void SlowTick() {
  ++ticks;
  deepest = std::max(deepest, ++depth);
#ifdef _WIN32
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  platform::ProcessPendingMessages();
#else
  platform::posix::FireTimer();  // the tick that fell due meanwhile
#endif
  platform::SetTimerPeriod(0);
  --depth;
}

TEST_F(Timer, ATickDueWhileTheHandlerRunsDoesNotEnterItAgain) {
  depth = deepest = 0;
  platform::SetTimerHandler(SlowTick);
  platform::SetTimerPeriod(10);
  DeliverDueTicks(300);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(deepest, 1);
}

TEST_F(Timer, ANeverArmedTimerDoesNotTick) {
  DeliverDueTicks(100);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
