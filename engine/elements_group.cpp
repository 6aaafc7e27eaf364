// Group markers, back-references, look-around, atomic groups, conditionals
// and recursion. Capture records live on captureStack (see match_context.h).
#include <algorithm>

#include "engine/element.h"
#include "engine/match_context.h"

namespace engine {

bool SameUnits(const char16_t* text, const char16_t* at, int n, int ignoreCase);

// ---- GroupMarkerElement

int GroupMarkerElement::Match(MatchContext& ctx) const {
  const int n = groupNumber;
  if (n < 0) return 0;
  IntStack& records = ctx.captureStack;
  if (isEnd == 0) {
    if (ctx.captureIndex.Length() < n + 1) ctx.captureIndex.GrowTo(n + 1, -1);
    const int r = LatestRecord(ctx, n);
    if (r >= 0 && records[r + 2] == -1) {
      --records[r + 3];  // re-entered by recursion while open
      return 1;
    }
    ctx.captureIndex[n] = records.Length();
    records.Push(n);
    records.Push(ctx.currentPos);
    records.Push(-1);
    records.Push(0);
    return 1;
  }
  const int r = LatestRecord(ctx, n);
  if (r < 0) return 1;
  if (records[r + 3] < 0) {
    ++records[r + 3];
    return 1;
  }
  records[r + 2] = ctx.currentPos;
  records[r + 3] = 0;
  return 1;
}

int GroupMarkerElement::MatchNext(MatchContext& ctx) const {
  const int n = groupNumber;
  IntStack& records = ctx.captureStack;
  const int r = LatestRecord(ctx, n);
  if (r < 0) return 0;
  if (isEnd == 0) {
    if (records[r + 3] < 0) {
      ++records[r + 3];
      return 0;
    }
    records.SetLength(records.Length() - 4);
    ctx.captureIndex[n] = LatestRecord(ctx, n);
    return 0;
  }
  if (records[r + 2] >= 0) {
    records[r + 2] = -1;
    records[r + 3] = 0;
  } else {
    --records[r + 3];
  }
  return 0;
}

// ---- BackrefElement

int BackrefElement::Match(MatchContext& ctx) const {
  const int r = LatestRecord(ctx, groupNumber);
  if (r < 0) return 0;
  const int a = ctx.captureStack[r + 1];
  int b = ctx.captureStack[r + 2];
  if (b == -1) b = ctx.currentPos;  // the reference lies inside its open group
  const int lo = std::min(a, b);
  const int n = std::max(a, b) - lo;
  const char16_t* text = ctx.subject + lo;
  const int pos = ctx.currentPos;
  if (rightToLeft) {
    if (pos < n || !SameUnits(text, ctx.subject + pos - n, n, ignoreCase)) return 0;
    ctx.currentPos = pos - n;
  } else {
    if (n > ctx.subjectLength - pos || !SameUnits(text, ctx.subject + pos, n, ignoreCase))
      return 0;
    ctx.currentPos = pos + n;
  }
  ctx.backtrackStack.Push(pos);
  return 1;
}

int BackrefElement::MatchNext(MatchContext& ctx) const {
  ctx.currentPos = ctx.backtrackStack.Pop();
  return 0;
}

// ---- AssertElement

int AssertElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  const int pos = ctx.currentPos;
  const int stackLength = ctx.backtrackStack.Length();
  const int captureLength = ctx.captureStack.Length();
  const bool holds = (body->Match(ctx) != 0) == (positive != 0);
  ctx.backtrackStack.SetLength(stackLength);
  ctx.currentPos = pos;
  if (!holds || ctx.aborted) {
    ctx.captureStack.SetLength(captureLength);
    return 0;
  }
  ctx.backtrackStack.Push(captureLength);
  return 1;
}

int AssertElement::MatchNext(MatchContext& ctx) const {
  ctx.captureStack.SetLength(ctx.backtrackStack.Pop());
  return 0;
}

// ---- IndependentElement

int IndependentElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  const int pos = ctx.currentPos;
  const int stackLength = ctx.backtrackStack.Length();
  const int captureLength = ctx.captureStack.Length();
  const int matched = body->Match(ctx);
  ctx.backtrackStack.SetLength(stackLength);
  if (!matched) return 0;
  ctx.backtrackStack.Push(pos);
  ctx.backtrackStack.Push(captureLength);
  return 1;
}

int IndependentElement::MatchNext(MatchContext& ctx) const {
  ctx.captureStack.SetLength(ctx.backtrackStack.Pop());
  ctx.currentPos = ctx.backtrackStack.Pop();
  return 0;
}

// ---- ConditionalElement

int ConditionalElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  const int captureLength = ctx.captureStack.Length();
  bool condition_holds = true;
  if (groupNumber >= 0) {
    condition_holds = LatestRecord(ctx, groupNumber) >= 0;
  } else if (condition) {
    const int pos = ctx.currentPos;
    const int stackLength = ctx.backtrackStack.Length();
    condition_holds = condition->Match(ctx) != 0;
    ctx.backtrackStack.SetLength(stackLength);
    ctx.currentPos = pos;  // the condition's captures stay
  }
  const Element* branch = condition_holds ? yes : no;
  if (branch && !branch->Match(ctx)) {
    ctx.captureStack.SetLength(captureLength);
    return 0;
  }
  ctx.backtrackStack.Push(captureLength);
  ctx.backtrackStack.Push(condition_holds ? 1 : 0);
  return 1;
}

int ConditionalElement::MatchNext(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  const int taken = ctx.backtrackStack.Pop();
  const int captureLength = ctx.backtrackStack.Pop();
  const Element* branch = taken ? yes : no;
  if (branch && branch->MatchNext(ctx)) {
    ctx.backtrackStack.Push(captureLength);
    ctx.backtrackStack.Push(taken);
    return 1;
  }
  ctx.captureStack.SetLength(captureLength);
  return 0;
}

// ---- RecursionElement

int RecursionElement::Match(MatchContext& ctx) const {
  if (!target) return 1;
  if (ctx.recursionBudget <= 0 || ctx.StackExhausted()) return 0;
  --ctx.recursionBudget;
  const int matched = target->Match(ctx);
  ++ctx.recursionBudget;
  return matched;
}

int RecursionElement::MatchNext(MatchContext& ctx) const {
  if (!target || ctx.StackExhausted()) return 0;
  return target->MatchNext(ctx);
}

}  // namespace engine
