// Repetitions: fixed count, greedy, lazy and possessive.
//
// Optional iterations that consume nothing are not counted and end the loop.
// The greedy frame remembers the ends it has reported (triedEnds) and does not
// report one again after re-extending.
#include <algorithm>
#include <typeinfo>

#include "engine/element.h"
#include "engine/match_context.h"
#include "engine/start_filter.h"

namespace engine {

namespace {

// Iterations `from` to n - 1 of body, backtracking into earlier ones.
int MatchFixedFrom(const Element* body, MatchContext& ctx, int from, int n) {
  int i = from;
  while (i < n) {
    if (body->Match(ctx)) {
      ++i;
      continue;
    }
    do {
      --i;
    } while (i >= 0 && !body->MatchNext(ctx));
    if (i < 0) return 0;
    ++i;
  }
  return 1;
}

// n units of a forward set: a set has no second way, so the first unit that
// does not fit fails the whole run.
int MatchFixedSet(const BracketElement& set, MatchContext& ctx, int n) {
  const int pos = ctx.currentPos;
  if (n > ctx.subjectLength - pos) return 0;
  const StartFilter::SetTable* table = ctx.filter ? ctx.filter->FindSetTable(&set) : nullptr;
  const char16_t* s = ctx.subject + pos;
  for (int i = 0; i < n; ++i) {
    const char16_t u = s[i];
    if (!(table && u < 256 ? table->Admits(u) : set.Admits(u))) return 0;
  }
  ctx.currentPos = pos + n;
  return 1;
}

int MatchFixed(const Element* body, MatchContext& ctx, int n) {
  if (n == 0) return 1;
  if (typeid(*body) == typeid(BracketElement)) {
    const auto& set = static_cast<const BracketElement&>(*body);
    if (!set.rightToLeft) return MatchFixedSet(set, ctx, n);
  }
  return MatchFixedFrom(body, ctx, 0, n);
}

int MatchFixedNext(const Element* body, MatchContext& ctx, int n) {
  if (n == 0) return 0;
  int i = n - 1;
  while (i >= 0 && !body->MatchNext(ctx)) --i;
  if (i < 0) return 0;
  return MatchFixedFrom(body, ctx, i + 1, n);
}

// Bodies that match in exactly one way, push nothing and always consume:
// one set unit or a non-empty literal. For them a repetition can skip the
// frame shuffling: the body's MatchNext only steps back.
bool IsOneWayLeaf(const Element* body) {
  const std::type_info& t = typeid(*body);
  if (t == typeid(BracketElement) || t == typeid(PosixClassElement)) return true;
  return t == typeid(StringElement) && !static_cast<const StringElement*>(body)->text.empty();
}

// Extend for a forward set body: the same iterations, without virtual calls.
void ExtendSet(const BracketElement& set, int extra, MatchContext& ctx, int& k) {
  const char16_t* s = ctx.subject;
  int pos = ctx.currentPos;
  const int length = ctx.subjectLength;
  const StartFilter::SetTable* table = ctx.filter ? ctx.filter->FindSetTable(&set) : nullptr;
  if (table) {
    while (k < extra && pos < length &&
           (s[pos] < 256 ? table->Admits(s[pos]) : set.Admits(s[pos]))) {
      ++pos;
      ++k;
    }
  } else {
    while (k < extra && pos < length && set.Admits(s[pos])) {
      ++pos;
      ++k;
    }
  }
  ctx.currentPos = pos;
}

// The greedy loop of optional iterations; k counts them.
void Extend(const Element* body, int extra, MatchContext& ctx, int& k) {
  if (typeid(*body) == typeid(BracketElement)) {
    const auto& set = static_cast<const BracketElement&>(*body);
    if (!set.rightToLeft) return ExtendSet(set, extra, ctx, k);
  }
  while (k < extra) {
    const int pos = ctx.currentPos;
    const int stackLength = ctx.backtrackStack.Length();
    const int captureLength = ctx.captureStack.Length();
    if (!body->Match(ctx)) return;
    if (ctx.currentPos == pos) {
      if (!body->MatchNext(ctx)) return;
      if (ctx.currentPos == pos) {
        ctx.backtrackStack.SetLength(stackLength);
        ctx.captureStack.SetLength(captureLength);
        return;
      }
    }
    ++k;
  }
}

// Pushes the greedy frame. The tried ends are scratchStack[from, from + count),
// ascending; `insert` (unless -1) joins them in order.
void PushGreedyFrame(MatchContext& ctx, int savedCapture, int savedStack, int from, int count,
                     int insert, int startPos, int k) {
  IntStack& bs = ctx.backtrackStack;
  const IntStack& tried = ctx.scratchStack;
  bs.Reserve(count + 6);
  bs.PushUnchecked(savedCapture);
  bs.PushUnchecked(savedStack);
  int i = from;
  const int end = from + count;
  if (insert >= 0) {
    while (i < end && tried[i] < insert) bs.PushUnchecked(tried[i++]);
    bs.PushUnchecked(insert);
    ++count;
  }
  while (i < end) bs.PushUnchecked(tried[i++]);
  bs.PushUnchecked(count);
  bs.PushUnchecked(startPos);
  bs.PushUnchecked(k);
}

bool TriedContains(const IntStack& tried, int from, int count, int pos) {
  int lo = from, hi = from + count;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (tried[mid] < pos) lo = mid + 1;
    else hi = mid;
  }
  return lo < from + count && tried[lo] == pos;
}

// Optional part from scratch at the current position, then its frame.
int BeginGreedyOptional(const GreedyRepeatElement& e, MatchContext& ctx) {
  const int savedCapture = ctx.captureStack.Length();
  const int savedStack = ctx.backtrackStack.Length();
  const int startPos = ctx.currentPos;
  int k = 0;
  Extend(e.body, e.extra, ctx, k);
  PushGreedyFrame(ctx, savedCapture, savedStack, 0, 0, ctx.currentPos, startPos, k);
  return 1;
}

}  // namespace

// ---- RepeatElement

int RepeatElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  return MatchFixed(body, ctx, count);
}

int RepeatElement::MatchNext(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  return MatchFixedNext(body, ctx, count);
}

// ---- GreedyRepeatElement

int GreedyRepeatElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  if (!MatchFixed(body, ctx, min)) return 0;
  return BeginGreedyOptional(*this, ctx);
}

int GreedyRepeatElement::MatchNext(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  IntStack& bs = ctx.backtrackStack;
  const int top = bs.Length() - 1;
  if (bs[top] > 0 && IsOneWayLeaf(body)) {
    if (ctx.filter && ctx.filter->GivesUpAfterLongest(this)) {
      // Every shorter end fails what follows: drop the frame and the
      // optional iterations, then the mandatory ones (a leaf has no other way).
      const int startPos = bs[top - 1];
      const int count = bs[top - 2];
      bs.SetLength(top + 1 - (5 + count));
      ctx.currentPos = startPos;
      return MatchFixedNext(body, ctx, min);
    }
    // The last iteration has no other way: end one iteration earlier.
    // triedEnds is untouched on this path, so the frame stays in place.
    body->MatchNext(ctx);
    --bs[top];
    return 1;
  }
  IntStack& tried = ctx.scratchStack;
  int k = bs.Pop();
  const int startPos = bs.Pop();
  const int count = bs.Pop();
  const int from = tried.Length();
  const int members = bs.Length() - count;
  for (int i = 0; i < count; ++i) tried.Push(bs[members + i]);
  bs.SetLength(members);
  const int savedStack = bs.Pop();
  const int savedCapture = bs.Pop();

  if (k > 0) {
    if (!body->MatchNext(ctx)) {
      // One iteration fewer; this end is neither looked up nor remembered.
      PushGreedyFrame(ctx, savedCapture, savedStack, from, count, -1, startPos, k - 1);
      tried.SetLength(from);
      return 1;
    }
    const int pos = ctx.currentPos;
    if (pos != startPos) {
      const int stackLength = bs.Length();
      const int captureLength = ctx.captureStack.Length();
      const int k0 = k;
      Extend(body, extra, ctx, k);
      int insert = ctx.currentPos;
      if (TriedContains(tried, from, count, ctx.currentPos)) {
        bs.SetLength(stackLength);
        ctx.captureStack.SetLength(captureLength);
        ctx.currentPos = pos;
        k = k0;
        insert = -1;
      }
      PushGreedyFrame(ctx, savedCapture, savedStack, from, count, insert, startPos, k);
      tried.SetLength(from);
      return 1;
    }
    // The other way ends where the optional part began: give it all up.
    bs.SetLength(savedStack);
    ctx.captureStack.SetLength(savedCapture);
    ctx.currentPos = startPos;
  }
  tried.SetLength(from);
  if (!MatchFixedNext(body, ctx, min)) return 0;
  return BeginGreedyOptional(*this, ctx);
}

// ---- LazyRepeatElement

int LazyRepeatElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  if (!MatchFixed(body, ctx, min)) return 0;
  ctx.backtrackStack.Push(0);
  return 1;
}

int LazyRepeatElement::MatchNext(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  IntStack& bs = ctx.backtrackStack;
  const int pos0 = ctx.currentPos;
  int k = bs.Pop();
  if (k < extra && body->Match(ctx)) {
    // An empty first way is replaced by the next way that moves, if any.
    bool moved = ctx.currentPos != pos0;
    while (!moved && body->MatchNext(ctx)) moved = ctx.currentPos != pos0;
    if (moved) {
      bs.Push(pos0);
      bs.Push(k + 1);
      return 1;
    }
  }
  while (k > 0) {
    const int pos = bs.Pop();
    bool moved = false;
    while (body->MatchNext(ctx)) {
      if (ctx.currentPos != pos) {
        moved = true;
        break;
      }
    }
    if (moved) {
      bs.Push(pos);
      bs.Push(k);
      return 1;
    }
    --k;
  }
  if (!MatchFixedNext(body, ctx, min)) return 0;
  bs.Push(0);
  return 1;
}

// ---- PossessiveRepeatElement

int PossessiveRepeatElement::Match(MatchContext& ctx) const {
  if (ctx.StackExhausted()) return 0;
  const int pos = ctx.currentPos;
  const int stackLength = ctx.backtrackStack.Length();
  const int captureLength = ctx.captureStack.Length();
  if (!MatchFixed(body, ctx, min)) {
    ctx.backtrackStack.SetLength(stackLength);
    return 0;
  }
  int k = 0;
  Extend(body, extra, ctx, k);
  ctx.backtrackStack.SetLength(stackLength);
  ctx.backtrackStack.Push(pos);
  ctx.backtrackStack.Push(captureLength);
  return 1;
}

int PossessiveRepeatElement::MatchNext(MatchContext& ctx) const {
  const int captureLength = ctx.backtrackStack.Pop();
  ctx.currentPos = ctx.backtrackStack.Pop();
  ctx.captureStack.SetLength(captureLength);
  return 0;
}

}  // namespace engine
