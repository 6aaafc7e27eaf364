// Hand-built element trees for matcher tests: an arena that owns the
// elements, one short maker per kind, and drivers that run a tree the way the
// search driver does or step one element through all of its ways to match.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/element.h"
#include "engine/match_context.h"

namespace engine::testing {

class ElementArena {
 public:
  template <typename T, typename... Args>
  T* Make(Args&&... args) {
    auto owned = std::make_unique<T>(std::forward<Args>(args)...);
    T* raw = owned.get();
    elements_.push_back(std::move(owned));
    return raw;
  }

  Element* Str(std::u16string text, int rtl = 0, int icase = 0) {
    return Make<StringElement>(std::move(text), rtl, icase);
  }
  Element* Seq(std::vector<Element*> items, int rtl = 0) {
    return Make<ListElement>(std::move(items), rtl);
  }
  Element* Alt(std::vector<Element*> alternatives) {
    return Make<AlternativeElement>(std::move(alternatives));
  }
  Element* Empty() { return Make<EmptyElement>(); }
  Element* Bound(int kind, int positive = 1) { return Make<BoundaryElement>(kind, positive); }
  Element* Star(Element* body, int min = 0, int extra = kUnboundedExtra) {
    return Make<GreedyRepeatElement>(body, min, extra);
  }
  Element* Lazy(Element* body, int min = 0, int extra = kUnboundedExtra) {
    return Make<LazyRepeatElement>(body, min, extra);
  }
  Element* Possessive(Element* body, int min = 0, int extra = kUnboundedExtra) {
    return Make<PossessiveRepeatElement>(body, min, extra);
  }
  Element* Times(Element* body, int count) { return Make<RepeatElement>(body, count); }
  // A capturing group: marker, body, marker (markers swapped right to left).
  ListElement* Group(int n, Element* body, int rtl = 0) {
    return Make<ListElement>(
        std::vector<Element*>{Make<GroupMarkerElement>(n, rtl ? 1 : 0), body,
                              Make<GroupMarkerElement>(n, rtl ? 0 : 1)},
        rtl);
  }
  Element* Ref(int n, int rtl = 0, int icase = 0) {
    return Make<BackrefElement>(n, rtl, icase);
  }
  // A set of single units and (low, high) ranges given as "a-z" texts.
  BracketElement* Set(std::u16string chars, std::u16string ranges = {}, int positive = 1,
                      int rtl = 0) {
    auto* set = Make<BracketElement>(rtl, positive);
    set->chars.assign(chars.begin(), chars.end());
    for (size_t i = 0; i + 3 <= ranges.size(); i += 3) {
      set->ranges.push_back(ranges[i]);
      set->ranges.push_back(ranges[i + 2]);
    }
    return set;
  }

 private:
  std::vector<std::unique_ptr<Element>> elements_;
};

// Spans of a search: empty when nothing matched, else start0, end0, start1, ...
inline std::vector<int> Search(const Element* root, const std::u16string& subject, int start = 0,
                               uint32_t flags = 0, int maxGroup = 0) {
  MatchResult r = RunMatchAt(root, flags, maxGroup, nullptr, subject.data(),
                             static_cast<int>(subject.size()), start);
  if (r.empty()) return {};
  return std::vector<int>(r.begin() + 2, r.end());
}

// Every end position one element reports at `start`, in order: Match, then
// MatchNext until it fails. Also checks the failure contract: once the
// element has no more ways, position and both stacks are as before.
struct Ways {
  std::vector<int> ends;
  bool restored = false;
};

inline Ways AllWays(const Element* e, const std::u16string& subject, int start,
                    int maxGroup = 0) {
  MatchContext ctx;
  ctx.stackBase = static_cast<const char*>(__builtin_frame_address(0));
  ctx.subject = subject.data();
  ctx.subjectLength = static_cast<int>(subject.size());
  ctx.currentPos = ctx.searchStart = start;
  ctx.captureIndex.GrowTo(maxGroup + 1, -1);
  ctx.captureIndex[0] = 0;
  for (int v : {0, start, -1, -1}) ctx.captureStack.Push(v);
  Ways ways;
  for (int ok = e->Match(ctx); ok; ok = e->MatchNext(ctx)) {
    ways.ends.push_back(ctx.currentPos);
    if (ways.ends.size() > 1000) break;  // a runaway is a failure, not a hang
  }
  ways.restored = ctx.currentPos == start && ctx.backtrackStack.Length() == 0 &&
                  ctx.captureStack.Length() == 4;
  return ways;
}

using Spans = std::vector<int>;
const Spans kNoMatch = {};
using TreeMaker = std::function<Element*(ElementArena&)>;

// One row of a search table: tree, subject, start, flags -> spans.
struct SearchCase {
  const char* name;
  TreeMaker tree;
  std::u16string subject;
  int start;
  uint32_t flags;
  int maxGroup;
  Spans expected;
};

// One row of a table of ways: tree, subject, start -> every end in order.
struct WaysCase {
  const char* name;
  TreeMaker tree;
  std::u16string subject;
  int start;
  std::vector<int> ends;
};

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

}  // namespace engine::testing
