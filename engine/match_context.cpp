#include "engine/match_context.h"

#include <algorithm>

#include "engine/element.h"
#include "engine/flags.h"
#include "engine/start_filter.h"

namespace engine {

void IntStack::Reallocate(int capacity) {
  int* grown = new int[capacity];
  std::copy(data_, data_ + length_, grown);
  delete[] data_;
  data_ = grown;
  capacity_ = capacity;
}

void IntStack::Grow() { Reallocate(std::max(capacity_ * 2, 8)); }

// Reaching length n in one step: double (at least 8), or if that is still
// short, the multiple of 8 that holds n + 4.
void IntStack::GrowFor(int n) {
  int capacity = std::max(capacity_ * 2, 8);
  if (capacity < n) capacity = (n + 4 + 7) / 8 * 8;
  Reallocate(capacity);
}

void IntStack::GrowTo(int n, int fill) {
  if (n > capacity_) GrowFor(n);
  std::fill(data_ + length_, data_ + n, fill);
  length_ = n;
}

int LatestRecord(const MatchContext& ctx, int n) {
  if (n < 0 || n >= ctx.captureIndex.Length()) return -1;
  int i = ctx.captureIndex[n];
  if (i < 0) return -1;
  const IntStack& records = ctx.captureStack;
  int top = records.Length() - 4;
  if (i > top) i = top;
  while (i >= 0 && records[i] != n) i -= 4;
  return i < 0 ? -1 : i;
}

namespace {

MatchResult BuildResult(const MatchContext& ctx, int maxGroupNumber) {
  MatchResult result(2 * maxGroupNumber + 4, -1);
  result[0] = 1;
  result[1] = maxGroupNumber;
  for (int n = 0; n <= maxGroupNumber; ++n) {
    int r = LatestRecord(ctx, n);
    if (r < 0) continue;
    int a = ctx.captureStack[r + 1];
    int b = ctx.captureStack[r + 2];
    result[2 + 2 * n] = std::min(a, b);
    result[3 + 2 * n] = std::max(a, b);
  }
  return result;
}

// Leftmost position from `from` on (at most `stop`) at which the filter lets
// a match begin; stop when there is none.
int NextCandidate(const StartFilter& filter, const char16_t* subject, int length, int from,
                  int stop) {
  if (filter.anchoredAtStart) return from == 0 ? 0 : stop;
  int p = from;
  while (p < length && !filter.MayStartWith(subject[p])) ++p;
  // The filter is only enabled when the empty match is impossible, so
  // nothing can begin at the very end.
  return p < length ? p : stop;
}

}  // namespace

MatchResult RunMatchAt(const Element* root, uint32_t flags, int maxGroupNumber,
                       const StartFilter* filter, const char16_t* subject, int length,
                       int start, bool* aborted) {
  if (aborted) *aborted = false;
  if (!root) return {};

  MatchContext ctx;
  ctx.subject = subject;
  ctx.subjectLength = length;
  ctx.recursionBudget = kRecursionBudget;
  ctx.filter = filter;
  ctx.stackBase = static_cast<const char*>(__builtin_frame_address(0));

  const bool rightToLeft = (flags & RIGHT_TO_LEFT) != 0;
  if (rightToLeft) {
    if (start < 0 || start > length) start = length;
  } else {
    if (start < 0) start = 0;
    if (start > length) start = length + 1;
  }
  ctx.currentPos = ctx.searchStart = start;
  const int step = rightToLeft ? -1 : 1;
  const int stop = rightToLeft ? -1 : length + 1;
  const bool filtered = !rightToLeft && filter && filter->enabled;

  while (ctx.currentPos != stop) {
    if (filtered) {
      ctx.currentPos = NextCandidate(*filter, subject, length, ctx.currentPos, stop);
      if (ctx.currentPos == stop) break;
    }
    const int attempt = ctx.currentPos;
    ctx.backtrackStack.SetLength(0);
    ctx.captureStack.SetLength(0);
    ctx.captureIndex.SetLength(0);
    ctx.captureIndex.GrowTo(maxGroupNumber + 1, -1);
    ctx.captureIndex[0] = 0;
    ctx.captureStack.Push(0);
    ctx.captureStack.Push(attempt);
    ctx.captureStack.Push(-1);
    ctx.captureStack.Push(-1);
    const int matched = root->Match(ctx);
    if (ctx.aborted) {
      if (aborted) *aborted = true;
      return {};
    }
    if (matched) {
      ctx.captureStack[2] = ctx.currentPos;
      return BuildResult(ctx, maxGroupNumber);
    }
    ctx.currentPos = attempt + step;
  }
  return {};
}

}  // namespace engine
