// The element tree that the backtracking matcher walks.
//
// A compiled pattern is a tree (a DAG, since stock sets are shared) of small
// final classes derived from Element. Every kind has two operations:
//   Match(ctx)     tries the first way to match at ctx.currentPos;
//   MatchNext(ctx) pops the entries its last success pushed on
//                  ctx.backtrackStack and tries the next way.
// On failure either leaves currentPos, backtrackStack and captureStack as they
// were before the element's first Match. Elements hold no matching state: all
// of it lives in the MatchContext, so one element may be active many times at
// once (repetition, recursion) and the tree is read-only while matching.
//
// Ownership: the CompiledPattern owns every element through its `owned` list;
// every Element* here is a non-owning link.
//
// Depth: Match/MatchNext recurse through the composite kinds, roughly one
// native frame chain per nesting level and per open iteration of a repetition
// body that is itself composite. MatchContext carries a native stack guard
// that composite kinds check; when it trips the search is aborted.
#pragma once

#include <string>
#include <vector>

#include "engine/char_classes.h"

namespace engine {

struct MatchContext;

// Every element kind, once.
#define VINTREL_ELEMENT_KINDS(X) \
  X(StringElement)               \
  X(ListElement)                 \
  X(AlternativeElement)          \
  X(EmptyElement)                \
  X(BoundaryElement)             \
  X(SearchStartElement)          \
  X(RepeatElement)               \
  X(GreedyRepeatElement)         \
  X(LazyRepeatElement)           \
  X(PossessiveRepeatElement)     \
  X(GroupMarkerElement)          \
  X(BackrefElement)              \
  X(AssertElement)               \
  X(IndependentElement)          \
  X(ConditionalElement)          \
  X(RecursionElement)            \
  X(BracketElement)              \
  X(PosixClassElement)

class Element {
 public:
  virtual int Match(MatchContext& ctx) const = 0;
  virtual int MatchNext(MatchContext& ctx) const = 0;
  virtual ~Element() = default;
};

#define VINTREL_DECLARE_MATCH                       \
  int Match(MatchContext& ctx) const override;      \
  int MatchNext(MatchContext& ctx) const override

// ---- literals, sequences, anchors ------------------------------------------

// A run of literal code units; pushes nothing.
class StringElement final : public Element {
 public:
  StringElement() = default;
  StringElement(std::u16string text, int rightToLeft, int ignoreCase)
      : text(std::move(text)), rightToLeft(rightToLeft), ignoreCase(ignoreCase) {}
  VINTREL_DECLARE_MATCH;

  std::u16string text;  // c_str() gives the NUL-terminated copy
  int rightToLeft = 0;
  int ignoreCase = 0;   // folds a-z onto A-Z only
};

// Items matched in order (last to first when rightToLeft).
class ListElement final : public Element {
 public:
  ListElement() = default;
  ListElement(std::vector<Element*> items, int rightToLeft)
      : items(std::move(items)), rightToLeft(rightToLeft) {}
  VINTREL_DECLARE_MATCH;

  std::vector<Element*> items;
  int rightToLeft = 0;
};

// Alternatives tried in order; pushes the index of the one that matched.
class AlternativeElement final : public Element {
 public:
  AlternativeElement() = default;
  explicit AlternativeElement(std::vector<Element*> alternatives)
      : alternatives(std::move(alternatives)) {}
  VINTREL_DECLARE_MATCH;

  std::vector<Element*> alternatives;
};

// Always matches, consuming nothing, in one way.
class EmptyElement final : public Element {
 public:
  VINTREL_DECLARE_MATCH;
};

// BoundaryElement::kind values.
enum BoundaryKind : int {
  kTextStart = 0,        // "\A", "^"
  kTextEnd = 1,          // "\z", "$"
  kTextEndOrFinalLf = 2, // "\Z"
  kLineStart = 3,        // "^" with LINE_ANCHORS
  kLineEnd = 4,          // "$" with LINE_ANCHORS
  kWordBoundary = 7,     // "\b", "\B" (positive 0)
};

class BoundaryElement final : public Element {
 public:
  BoundaryElement() = default;
  BoundaryElement(int kind, int positive) : kind(kind), positive(positive) {}
  VINTREL_DECLARE_MATCH;

  int kind = kTextStart;
  int positive = 1;
};

// "\G": holds only at the position where the search started.
class SearchStartElement final : public Element {
 public:
  VINTREL_DECLARE_MATCH;
};

// ---- repetitions -------------------------------------------------------------

// Exactly `count` iterations ("{n}").
class RepeatElement final : public Element {
 public:
  RepeatElement() = default;
  RepeatElement(Element* body, int count) : body(body), count(count) {}
  VINTREL_DECLARE_MATCH;

  Element* body = nullptr;
  int count = 1;
};

constexpr int kUnboundedExtra = 2147483647;

// min mandatory iterations, then up to `extra` more, as many as possible first.
class GreedyRepeatElement final : public Element {
 public:
  GreedyRepeatElement() = default;
  GreedyRepeatElement(Element* body, int min, int extra) : body(body), min(min), extra(extra) {}
  VINTREL_DECLARE_MATCH;

  Element* body = nullptr;
  int min = 0;
  int extra = kUnboundedExtra;
};

// As few optional iterations as possible first.
class LazyRepeatElement final : public Element {
 public:
  LazyRepeatElement() = default;
  LazyRepeatElement(Element* body, int min, int extra) : body(body), min(min), extra(extra) {}
  VINTREL_DECLARE_MATCH;

  Element* body = nullptr;
  int min = 0;
  int extra = kUnboundedExtra;
};

// Greedy, then never gives anything back.
class PossessiveRepeatElement final : public Element {
 public:
  PossessiveRepeatElement() = default;
  PossessiveRepeatElement(Element* body, int min, int extra) : body(body), min(min), extra(extra) {}
  VINTREL_DECLARE_MATCH;

  Element* body = nullptr;
  int min = 0;
  int extra = kUnboundedExtra;
};

// ---- groups and friends -----------------------------------------------------

// One end of a capturing group. isEnd 0 is the end met first in the direction
// of matching (the ")" under RIGHT_TO_LEFT). groupNumber -1: not yet numbered.
class GroupMarkerElement final : public Element {
 public:
  GroupMarkerElement() = default;
  GroupMarkerElement(int groupNumber, int isEnd, std::u16string name = {})
      : groupNumber(groupNumber), isEnd(isEnd), name(std::move(name)) {}
  VINTREL_DECLARE_MATCH;

  int groupNumber = -1;
  int isEnd = 0;
  std::u16string name;  // opening marker of a named group only
};

// "\n", "\k<name>"; groupNumber negative when the name found no group.
class BackrefElement final : public Element {
 public:
  BackrefElement() = default;
  BackrefElement(int groupNumber, int rightToLeft, int ignoreCase, std::u16string name = {})
      : groupNumber(groupNumber), rightToLeft(rightToLeft), ignoreCase(ignoreCase),
        name(std::move(name)) {}
  VINTREL_DECLARE_MATCH;

  int groupNumber = -1;
  int rightToLeft = 0;
  int ignoreCase = 0;
  std::u16string name;  // compile time only
};

// Look-ahead or look-behind (the body's own direction decides which).
class AssertElement final : public Element {
 public:
  AssertElement() = default;
  AssertElement(Element* body, int positive) : body(body), positive(positive) {}
  VINTREL_DECLARE_MATCH;

  Element* body = nullptr;
  int positive = 1;
};

// Atomic group: only the body's first way to match.
class IndependentElement final : public Element {
 public:
  IndependentElement() = default;
  explicit IndependentElement(Element* body) : body(body) {}
  VINTREL_DECLARE_MATCH;

  Element* body = nullptr;
};

// "(?(cond)yes|no)": a group test when groupNumber >= 0, else `condition`.
class ConditionalElement final : public Element {
 public:
  ConditionalElement() = default;
  ConditionalElement(int groupNumber, Element* condition, Element* yes, Element* no,
                     std::u16string name = {})
      : groupNumber(groupNumber), name(std::move(name)), condition(condition), yes(yes), no(no) {}
  VINTREL_DECLARE_MATCH;

  int groupNumber = -1;
  std::u16string name;  // compile time only
  Element* condition = nullptr;
  Element* yes = nullptr;
  Element* no = nullptr;
};

// "(?R)", "(?1)", "(?R<name>)": runs target (a group's ListElement or the root).
class RecursionElement final : public Element {
 public:
  RecursionElement() = default;
  RecursionElement(Element* target, int groupNumber, std::u16string name = {})
      : target(target), groupNumber(groupNumber), name(std::move(name)) {}
  VINTREL_DECLARE_MATCH;

  Element* target = nullptr;  // none: matches the empty string
  int groupNumber = 0;
  std::u16string name;        // compile time only
};

// ---- character sets -----------------------------------------------------------

// "[...]", ".", "\d" and friends: tests one code unit, pushes nothing.
class BracketElement final : public Element {
 public:
  BracketElement() = default;
  BracketElement(int rightToLeft, int positive) : rightToLeft(rightToLeft), positive(positive) {}
  VINTREL_DECLARE_MATCH;

  // Admitted by ranges or chars alone (classes and positive not considered).
  bool contains(char16_t u) const;
  // Full membership of one unit, with classes and negation.
  bool Admits(char16_t u) const;

  std::vector<char16_t> ranges;   // pairs (low, high)
  std::vector<char16_t> chars;
  std::vector<Element*> classes;  // nested BracketElement / PosixClassElement
  int rightToLeft = 0;
  int positive = 1;
};

// "[:name:]"; classify empty when the name was not recognised.
class PosixClassElement final : public Element {
 public:
  PosixClassElement() = default;
  PosixClassElement(CharClassifier classify, int rightToLeft, int positive)
      : classify(classify), rightToLeft(rightToLeft), positive(positive) {}
  VINTREL_DECLARE_MATCH;

  bool Admits(char16_t u) const;

  CharClassifier classify = nullptr;
  int rightToLeft = 0;
  int positive = 1;
};

#undef VINTREL_DECLARE_MATCH

}  // namespace engine
