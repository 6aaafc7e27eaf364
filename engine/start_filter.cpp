// Which code units can begin a match, found by walking the tree once.
//
// For each element we compute the units its first consumed unit can be and
// whether it can match without consuming. Anything whose first unit cannot be
// known that way (back-references, recursion, right-to-left parts) gives up
// and leaves the filter disabled. Zero-width tests (anchors, look-around,
// markers) are treated as "may pass without consuming", which only ever makes
// the set larger, never smaller.
#include "engine/start_filter.h"

#include <algorithm>
#include <typeinfo>
#include <unordered_set>

#include "engine/element.h"
#include "engine/flags.h"

namespace engine {

namespace {

// Past this tree depth the analysis gives up rather than recurse further.
constexpr int kMaxAnalysisDepth = 256;

constexpr int kUnitWords = 65536 / 64;

struct FirstUnits {
  bool known = true;     // false: any unit may come first
  bool nullable = false; // may match without consuming
};

class Analyzer {
 public:
  explicit Analyzer(std::vector<uint64_t>& bits) : bits_(bits) {}

  FirstUnits Visit(const Element* e, int depth) {
    FirstUnits unknown{false, true};
    if (!e || depth > kMaxAnalysisDepth) return unknown;
    const std::type_info& t = typeid(*e);
    if (t == typeid(StringElement)) return VisitString(static_cast<const StringElement&>(*e));
    if (t == typeid(BracketElement)) {
      auto& b = static_cast<const BracketElement&>(*e);
      if (b.rightToLeft) return unknown;
      for (int u = 0; u < 65536; ++u)
        if (b.Admits(static_cast<char16_t>(u))) Add(static_cast<char16_t>(u));
      return {true, false};
    }
    if (t == typeid(PosixClassElement)) {
      auto& p = static_cast<const PosixClassElement&>(*e);
      if (p.rightToLeft) return unknown;
      for (int u = 0; u < 65536; ++u)
        if (p.Admits(static_cast<char16_t>(u))) Add(static_cast<char16_t>(u));
      return {true, false};
    }
    if (t == typeid(ListElement)) {
      auto& l = static_cast<const ListElement&>(*e);
      if (l.rightToLeft) return unknown;
      for (const Element* item : l.items) {
        FirstUnits f = Visit(item, depth + 1);
        if (!f.known) return unknown;
        if (!f.nullable) return {true, false};
      }
      return {true, true};
    }
    if (t == typeid(AlternativeElement)) {
      auto& a = static_cast<const AlternativeElement&>(*e);
      FirstUnits all{true, a.alternatives.empty()};
      for (const Element* alt : a.alternatives) {
        FirstUnits f = Visit(alt, depth + 1);
        if (!f.known) return unknown;
        all.nullable = all.nullable || f.nullable;
      }
      return all;
    }
    if (t == typeid(RepeatElement))
      return Visit(static_cast<const RepeatElement&>(*e).body, depth + 1);
    if (t == typeid(GreedyRepeatElement)) {
      auto& r = static_cast<const GreedyRepeatElement&>(*e);
      return Optional(Visit(r.body, depth + 1), r.min);
    }
    if (t == typeid(LazyRepeatElement)) {
      auto& r = static_cast<const LazyRepeatElement&>(*e);
      return Optional(Visit(r.body, depth + 1), r.min);
    }
    if (t == typeid(PossessiveRepeatElement)) {
      auto& r = static_cast<const PossessiveRepeatElement&>(*e);
      return Optional(Visit(r.body, depth + 1), r.min);
    }
    if (t == typeid(IndependentElement))
      return Visit(static_cast<const IndependentElement&>(*e).body, depth + 1);
    if (t == typeid(ConditionalElement)) {
      auto& c = static_cast<const ConditionalElement&>(*e);
      FirstUnits both{true, false};
      for (const Element* branch : {c.yes, c.no}) {
        if (!branch) {
          both.nullable = true;
          continue;
        }
        FirstUnits f = Visit(branch, depth + 1);
        if (!f.known) return unknown;
        both.nullable = both.nullable || f.nullable;
      }
      return both;
    }
    if (t == typeid(EmptyElement) || t == typeid(BoundaryElement) ||
        t == typeid(SearchStartElement) || t == typeid(GroupMarkerElement) ||
        t == typeid(AssertElement))
      return {true, true};
    return unknown;  // back-references, recursion
  }

 private:
  FirstUnits VisitString(const StringElement& s) {
    if (s.rightToLeft) return {false, true};
    if (s.text.empty()) return {true, true};
    const char16_t u = s.text[0];
    Add(u);
    if (s.ignoreCase) {
      if (u >= u'a' && u <= u'z') Add(u - 32);
      if (u >= u'A' && u <= u'Z') Add(u + 32);
    }
    return {true, false};
  }

  static FirstUnits Optional(FirstUnits body, int min) {
    if (min == 0) body.nullable = true;
    return body;
  }

  void Add(char16_t u) { bits_[u >> 6] |= uint64_t{1} << (u & 63); }

  std::vector<uint64_t>& bits_;
};

// Whether every match must begin with "\A" (or "^" without LINE_ANCHORS),
// reached through nothing but group markers.
bool AnchoredAtTextStart(const Element* e, int depth) {
  if (!e || depth > kMaxAnalysisDepth) return false;
  const std::type_info& t = typeid(*e);
  if (t == typeid(BoundaryElement)) {
    auto& b = static_cast<const BoundaryElement&>(*e);
    return b.kind == kTextStart && b.positive;
  }
  if (t == typeid(ListElement)) {
    auto& l = static_cast<const ListElement&>(*e);
    if (l.rightToLeft) return false;
    for (const Element* item : l.items) {
      if (item && typeid(*item) == typeid(GroupMarkerElement)) continue;
      return AnchoredAtTextStart(item, depth + 1);
    }
    return false;
  }
  if (t == typeid(AlternativeElement)) {
    auto& a = static_cast<const AlternativeElement&>(*e);
    if (a.alternatives.empty()) return false;
    for (const Element* alt : a.alternatives)
      if (!AnchoredAtTextStart(alt, depth + 1)) return false;
    return true;
  }
  return false;
}

FirstUnits FirstOf(const Element* e, std::vector<uint64_t>& bits) {
  bits.assign(kUnitWords, 0);
  return Analyzer(bits).Visit(e, 0);
}

bool IsForwardOneUnitLeaf(const Element* e) {
  const std::type_info& t = typeid(*e);
  if (t == typeid(BracketElement)) return !static_cast<const BracketElement*>(e)->rightToLeft;
  if (t == typeid(PosixClassElement)) return !static_cast<const PosixClassElement*>(e)->rightToLeft;
  if (t == typeid(StringElement)) {
    auto* s = static_cast<const StringElement*>(e);
    return !s->rightToLeft && !s->text.empty();
  }
  return false;
}

// Walks the whole tree once, collecting the repetition facts.
class RepetitionScan {
 public:
  explicit RepetitionScan(StartFilter& filter) : filter_(filter) {}

  void Walk(const Element* e, int depth) {
    if (!e || depth > kMaxWalkDepth || !seen_.insert(e).second) return;
    const std::type_info& t = typeid(*e);
    if (t == typeid(ListElement)) {
      auto& l = static_cast<const ListElement&>(*e);
      for (size_t i = 0; i < l.items.size(); ++i) {
        if (!l.rightToLeft && i + 1 < l.items.size()) CheckGiveUp(l.items[i], l.items[i + 1]);
        Walk(l.items[i], depth + 1);
      }
    } else if (t == typeid(AlternativeElement)) {
      for (const Element* alt : static_cast<const AlternativeElement&>(*e).alternatives)
        Walk(alt, depth + 1);
    } else if (t == typeid(GreedyRepeatElement)) {
      AddSetTable(static_cast<const GreedyRepeatElement&>(*e).body);
      Walk(static_cast<const GreedyRepeatElement&>(*e).body, depth + 1);
    } else if (t == typeid(PossessiveRepeatElement)) {
      AddSetTable(static_cast<const PossessiveRepeatElement&>(*e).body);
      Walk(static_cast<const PossessiveRepeatElement&>(*e).body, depth + 1);
    } else if (t == typeid(LazyRepeatElement)) {
      Walk(static_cast<const LazyRepeatElement&>(*e).body, depth + 1);
    } else if (t == typeid(RepeatElement)) {
      Walk(static_cast<const RepeatElement&>(*e).body, depth + 1);
    } else if (t == typeid(AssertElement)) {
      Walk(static_cast<const AssertElement&>(*e).body, depth + 1);
    } else if (t == typeid(IndependentElement)) {
      Walk(static_cast<const IndependentElement&>(*e).body, depth + 1);
    } else if (t == typeid(ConditionalElement)) {
      auto& c = static_cast<const ConditionalElement&>(*e);
      Walk(c.condition, depth + 1);
      Walk(c.yes, depth + 1);
      Walk(c.no, depth + 1);
    }
  }

  void Finish() {
    std::sort(filter_.giveUpAfterLongest.begin(), filter_.giveUpAfterLongest.end());
    std::sort(filter_.setTables.begin(), filter_.setTables.end(),
              [](const StartFilter::SetTable& a, const StartFilter::SetTable& b) {
                return a.set < b.set;
              });
  }

 private:
  // Deeper trees are only partly scanned, which merely skips shortcuts.
  static constexpr int kMaxWalkDepth = 4096;

  void CheckGiveUp(const Element* item, const Element* next) {
    if (!item || !next || typeid(*item) != typeid(GreedyRepeatElement)) return;
    const Element* body = static_cast<const GreedyRepeatElement*>(item)->body;
    if (!body || !IsForwardOneUnitLeaf(body)) return;
    FirstUnits b = FirstOf(body, bodyBits_);
    FirstUnits n = FirstOf(next, nextBits_);
    if (!b.known || b.nullable || !n.known || n.nullable) return;
    for (int w = 0; w < kUnitWords; ++w)
      if (bodyBits_[w] & nextBits_[w]) return;
    filter_.giveUpAfterLongest.push_back(item);
  }

  void AddSetTable(const Element* body) {
    if (!body || typeid(*body) != typeid(BracketElement)) return;
    auto* set = static_cast<const BracketElement*>(body);
    if (set->rightToLeft || !tabled_.insert(set).second) return;
    StartFilter::SetTable table{set, {0, 0, 0, 0}};
    for (int u = 0; u < 256; ++u)
      if (set->Admits(static_cast<char16_t>(u))) table.members[u >> 6] |= uint64_t{1} << (u & 63);
    filter_.setTables.push_back(table);
  }

  StartFilter& filter_;
  std::unordered_set<const Element*> seen_;
  std::unordered_set<const Element*> tabled_;
  std::vector<uint64_t> bodyBits_;
  std::vector<uint64_t> nextBits_;
};

}  // namespace

bool StartFilter::GivesUpAfterLongest(const Element* e) const {
  return !giveUpAfterLongest.empty() &&
         std::binary_search(giveUpAfterLongest.begin(), giveUpAfterLongest.end(), e);
}

const StartFilter::SetTable* StartFilter::FindSetTable(const Element* set) const {
  auto it = std::lower_bound(setTables.begin(), setTables.end(), set,
                             [](const SetTable& t, const Element* s) { return t.set < s; });
  return it != setTables.end() && it->set == set ? &*it : nullptr;
}

StartFilter BuildStartFilter(const Element* root, uint32_t flags) {
  StartFilter filter;
  if (!root) return filter;
  RepetitionScan scan(filter);
  scan.Walk(root, 0);
  scan.Finish();
  if (flags & RIGHT_TO_LEFT) return filter;
  if (AnchoredAtTextStart(root, 0)) {
    filter.enabled = true;
    filter.anchoredAtStart = true;
    return filter;
  }
  filter.firstUnits.assign(kUnitWords, 0);
  Analyzer analyzer(filter.firstUnits);
  FirstUnits first = analyzer.Visit(root, 0);
  if (!first.known || first.nullable) {
    filter.firstUnits.clear();
    return filter;
  }
  filter.enabled = true;
  return filter;
}

}  // namespace engine
