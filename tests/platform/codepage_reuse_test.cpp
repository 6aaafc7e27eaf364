// Conversions follow each other and run side by side: whatever one of them
// leaves unfinished (a lead byte at the end, a lone surrogate) never reaches
// the next, and threads converting at once get the answers one thread gets.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/codepage.h"

namespace {

struct AnsiPair {
  const char* name;
  std::string first, second;
  std::u16string firstWide, secondWide;
};

const AnsiPair kAnsiPairs[] = {
    {"lead byte at the end, then a trail byte", "a\xD6", "\xD0", u"a?", u"?"},
    {"lead byte at the end, then a whole pair", "\xD6", "\xCE\xC4", u"?", u"\u6587"},
    {"unassigned pair, then text", "\x81\x20", "b", u"?", u"b"},
    {"lone FF, then a trail byte", "\xFF", "\xD0", u"\uF8F5", u"?"},
    {"text, then nothing", "\xD6\xD0", "", u"\u4E2D", u""},
};

TEST(CodePageReuse, AnUnfinishedAnsiTextLeavesNothingForTheNext) {
  for (const AnsiPair& c : kAnsiPairs) {
    EXPECT_EQ(platform::AnsiToUtf16(c.first), c.firstWide) << c.name;
    EXPECT_EQ(platform::AnsiToUtf16(c.second), c.secondWide) << c.name;
    // The other direction in between must not disturb this one either.
    EXPECT_EQ(platform::Utf16ToAnsi(u"\xD800"), "?") << c.name;
    EXPECT_EQ(platform::AnsiToUtf16(c.second), c.secondWide) << c.name;
  }
}

struct WidePair {
  const char* name;
  std::u16string first, second;
  std::string firstAnsi, secondAnsi;
};

const WidePair kWidePairs[] = {
    {"high surrogate at the end, then a low one", u"a\xD800", u"\xDC00z", "a?", "?z"},
    {"high surrogate at the end, then text", u"\xD83D", u"\u4E2D", "?", "\xD6\xD0"},
    {"unmapped unit, then text", u"\u0E01", u"x", "?", "x"},
};

TEST(CodePageReuse, AnUnfinishedWideTextLeavesNothingForTheNext) {
  for (const WidePair& c : kWidePairs) {
    EXPECT_EQ(platform::Utf16ToAnsi(c.first), c.firstAnsi) << c.name;
    EXPECT_EQ(platform::Utf16ToAnsi(c.second), c.secondAnsi) << c.name;
    EXPECT_EQ(platform::AnsiToUtf16("\xD6"), u"?") << c.name;
    EXPECT_EQ(platform::Utf16ToAnsi(c.second), c.secondAnsi) << c.name;
  }
}

TEST(CodePageReuse, ThreadsConvertingAtOnceAgree) {
  std::string ansi;
  std::u16string wide;
  for (int i = 0; i < 200; ++i) {
    std::string number = std::to_string(i);
    ansi += "\xD5\xD2\xB5\xBD k" + number + "\xFF";
    wide += u"\u627E\u5230 k" + std::u16string(number.begin(), number.end()) + u"\uF8F5";
  }
  constexpr int kThreads = 4;
  std::vector<int> wrong(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 300; ++round) {
        // Odd rounds end unfinished so that a shared converter would show it.
        std::string bytes = round % 2 ? ansi + "\xD6" : ansi;
        std::u16string units = round % 2 ? wide + u"?" : wide;
        wrong[t] += platform::AnsiToUtf16(bytes) != units;
        wrong[t] += platform::Utf16ToAnsi(wide) != ansi;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(wrong[t], 0) << "thread " << t;
}

}  // namespace
