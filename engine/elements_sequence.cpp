// Literal runs, sequences, alternatives, anchors and "\G".
#include "engine/element.h"
#include "engine/match_context.h"

namespace engine {

namespace {

inline char16_t FoldUpper(char16_t u) { return (u >= u'a' && u <= u'z') ? u - 32 : u; }

}  // namespace

// Shared with BackrefElement: the n units at `at` equal `text`.
bool SameUnits(const char16_t* text, const char16_t* at, int n, int ignoreCase) {
  if (ignoreCase) {
    for (int i = 0; i < n; ++i)
      if (FoldUpper(text[i]) != FoldUpper(at[i])) return false;
  } else {
    for (int i = 0; i < n; ++i)
      if (text[i] != at[i]) return false;
  }
  return true;
}

// ---- StringElement

int StringElement::Match(MatchContext& ctx) const {
  const int n = static_cast<int>(text.size());
  if (rightToLeft) {
    if (ctx.currentPos < n) return 0;
    if (!SameUnits(text.data(), ctx.subject + ctx.currentPos - n, n, ignoreCase)) return 0;
    ctx.currentPos -= n;
  } else {
    if (n > ctx.subjectLength - ctx.currentPos) return 0;
    if (!SameUnits(text.data(), ctx.subject + ctx.currentPos, n, ignoreCase)) return 0;
    ctx.currentPos += n;
  }
  return 1;
}

int StringElement::MatchNext(MatchContext& ctx) const {
  const int n = static_cast<int>(text.size());
  ctx.currentPos += rightToLeft ? n : -n;
  return 0;
}

// ---- ListElement

namespace {

// Matches items from walking index `from` on, backtracking into earlier ones.
int MatchItemsFrom(const ListElement& list, MatchContext& ctx, int from) {
  const int n = static_cast<int>(list.items.size());
  const bool rtl = list.rightToLeft != 0;
  auto item = [&](int i) { return list.items[rtl ? n - 1 - i : i]; };
  int i = from;
  while (i < n) {
    if (item(i)->Match(ctx)) {
      ++i;
      continue;
    }
    do {
      --i;
    } while (i >= 0 && !item(i)->MatchNext(ctx));
    if (i < 0) return 0;
    ++i;
  }
  return 1;
}

}  // namespace

int ListElement::Match(MatchContext& ctx) const {
  if (items.empty()) return 1;
  if (ctx.StackExhausted()) return 0;
  return MatchItemsFrom(*this, ctx, 0);
}

int ListElement::MatchNext(MatchContext& ctx) const {
  const int n = static_cast<int>(items.size());
  if (n == 0 || ctx.StackExhausted()) return 0;
  int i = n - 1;
  while (i >= 0 && !items[rightToLeft ? n - 1 - i : i]->MatchNext(ctx)) --i;
  if (i < 0) return 0;
  return MatchItemsFrom(*this, ctx, i + 1);
}

// ---- AlternativeElement

namespace {

int MatchAlternativesFrom(const AlternativeElement& alt, MatchContext& ctx, int from) {
  const int n = static_cast<int>(alt.alternatives.size());
  for (int i = from; i < n; ++i) {
    if (alt.alternatives[i]->Match(ctx)) {
      ctx.backtrackStack.Push(i);
      return 1;
    }
  }
  return 0;
}

}  // namespace

int AlternativeElement::Match(MatchContext& ctx) const {
  if (alternatives.empty()) return 1;
  if (ctx.StackExhausted()) return 0;
  return MatchAlternativesFrom(*this, ctx, 0);
}

int AlternativeElement::MatchNext(MatchContext& ctx) const {
  if (alternatives.empty() || ctx.StackExhausted()) return 0;
  const int i = ctx.backtrackStack.Pop();
  if (alternatives[i]->MatchNext(ctx)) {
    ctx.backtrackStack.Push(i);
    return 1;
  }
  return MatchAlternativesFrom(*this, ctx, i + 1);
}

// ---- EmptyElement

int EmptyElement::Match(MatchContext&) const { return 1; }
int EmptyElement::MatchNext(MatchContext&) const { return 0; }

// ---- BoundaryElement

namespace {

bool BoundaryHolds(int kind, const MatchContext& ctx) {
  const int pos = ctx.currentPos;
  const int length = ctx.subjectLength;
  const char16_t* s = ctx.subject;
  const char16_t prev = pos > 0 ? s[pos - 1] : 0;
  const char16_t next = pos < length ? s[pos] : 0;
  switch (kind) {
    case kTextStart:
      return pos <= 0;
    case kTextEnd:
      return pos >= length;
    case kTextEndOrFinalLf:
      return pos >= length || (length >= 1 && s[length - 1] == u'\n' && pos == length - 1) ||
             (length >= 2 && s[length - 2] == u'\r' && s[length - 1] == u'\n' &&
              pos == length - 2);
    case kLineStart:
      return pos <= 0 || prev == u'\n' || (prev == u'\r' && next != u'\n');
    case kLineEnd:
      return pos >= length || next == u'\r' || (next == u'\n' && prev != u'\r');
    case kWordBoundary:
      return IsWordUnit(prev) != IsWordUnit(next);
    default:
      return false;
  }
}

}  // namespace

int BoundaryElement::Match(MatchContext& ctx) const {
  return BoundaryHolds(kind, ctx) == (positive != 0);
}

int BoundaryElement::MatchNext(MatchContext&) const { return 0; }

// ---- SearchStartElement

int SearchStartElement::Match(MatchContext& ctx) const {
  return ctx.currentPos == ctx.searchStart;
}

int SearchStartElement::MatchNext(MatchContext&) const { return 0; }

}  // namespace engine
