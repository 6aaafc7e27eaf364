// Start-position filter: which positions of the subject can begin a match,
// plus two more facts about the tree that let the matcher skip work whose
// outcome is certain.
//
// This file's one entry point is BuildStartFilter, called once at the end of a
// build. The driver consults the filter to skip start positions at which the
// plain algorithm would certainly fail, so every result stays exactly what the
// unfiltered search gives. When the analysis is unsure it leaves the filter
// disabled and every position is tried.
#pragma once

#include <cstdint>
#include <vector>

namespace engine {

class Element;

struct StartFilter {
  // false: no knowledge, try every position.
  bool enabled = false;
  // The pattern can only match at position 0 (it begins with "\A" or "^"
  // without LINE_ANCHORS); other positions are not tried.
  bool anchoredAtStart = false;
  // One bit per code unit: a match can begin with it. Meaningless unless
  // enabled and not anchoredAtStart. Never true for the empty match: a
  // pattern that can match the empty string is left unfiltered.
  std::vector<uint64_t> firstUnits;

  bool MayStartWith(char16_t u) const {
    return (firstUnits[u >> 6] >> (u & 63)) & 1u;
  }

  // Greedy repetitions of a one-unit body (a set or a literal) whose next
  // item in their sequence can never begin with a unit the body consumes.
  // Once their longest end has been reported every shorter end makes that
  // item fail, so on backtracking they give up at once. Sorted by address.
  std::vector<const Element*> giveUpAfterLongest;

  bool GivesUpAfterLongest(const Element* e) const;

  // Membership of the units below 256 for the left-to-right sets that are
  // repetition bodies, so that the repetition loops test bits. Sorted by set.
  struct SetTable {
    const Element* set;
    uint64_t members[4];
    bool Admits(char16_t u) const { return (members[u >> 6] >> (u & 63)) & 1u; }
  };
  std::vector<SetTable> setTables;

  const SetTable* FindSetTable(const Element* set) const;
};

StartFilter BuildStartFilter(const Element* root, uint32_t flags);

}  // namespace engine
