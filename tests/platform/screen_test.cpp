// MulDiv and the screen's pixels per inch, which make the rich-text font heights.
#include <gtest/gtest.h>

#include <climits>

#include "platform/platform.h"

namespace {

struct MulDivCase {
  int a, b, c, expected;
};

const MulDivCase kMulDivCases[] = {
    {12, 1440, 96, 180},        // 12 px at 96 dpi in twips
    {12, 1440, 120, 144},       // 12 px at 120 dpi
    {9, 1440, 144, 90},
    {10, 1440, 72, 200},
    {1, 1, 2, 1},               // a half rounds away from zero
    {3, 1, 2, 2},
    {-3, 1, 2, -2},
    {3, -1, 2, -2},
    {-3, -1, 2, 2},
    {7, 1, -2, -4},
    {-7, 1, -2, 4},
    {1, 1, 3, 0},               // below a half rounds down
    {2, 1, 3, 1},
    {0, 5, 7, 0},
    {5, 3, 0, -1},              // no divisor
    {0, 0, 0, -1},
    {INT_MAX, 2, 2, INT_MAX},   // the product may exceed int
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
    {INT_MAX, 2, 1, -1},        // the result may not
    {INT_MIN, 2, 1, -1},
    {100000, 100000, 100000, 100000},
};

TEST(MulDiv, MultipliesThenDividesWithRounding) {
  for (const MulDivCase& c : kMulDivCases) {
    EXPECT_EQ(platform::MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
  }
}

// Both a fresh Wine prefix and the posix layer report the standard 96.
TEST(Screen, PixelsPerInchIsTheStandard96) { EXPECT_EQ(platform::ScreenDpiY(), 96); }

}  // namespace
