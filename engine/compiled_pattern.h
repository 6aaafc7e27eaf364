// The compiled pattern: the element tree, its group tables, and the compiler
// that builds them.
//
// Build runs a recursive-descent parser over the scanner's tokens. The grammar
// is spread over three files that call each other: compiler.cpp (alternation,
// sequences, pieces with quantifiers, anchors, stock elements), set_builder.cpp
// (bracket expressions, ".", class escapes, POSIX classes, case folding) and
// group_syntax.cpp (everything that opens with "(", back-references, and the
// numbering and name resolution after the parse).
//
// Invariants:
// - Every element is owned by `owned` alone, in creation order; every other
//   Element* (tree links, tables, stock) is a non-owning link. Stock elements
//   are shared by every construct that asks for them.
// - After Build nothing is written: one compiled pattern serves any number of
//   searches, each with its own MatchContext.
// - No pattern is rejected. Build returns nullptr only when memory runs out or
//   groups and sets nest deeper than kMaxNestingDepth, which keeps the parser's
//   own recursion inside the native stack.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/element.h"
#include "engine/match_context.h"
#include "engine/scanner.h"
#include "engine/start_filter.h"

namespace engine {

// Keeps the bulky, rarely taken parse steps out of the frames of the
// recursive ones.
#if defined(_MSC_VER)
#define VINTREL_NOINLINE __declspec(noinline)
#else
#define VINTREL_NOINLINE __attribute__((noinline))
#endif

// Groups, look-arounds and bracket expressions open inside one another. The
// parse costs per level, measured at this depth with a painted thread stack:
// at most 400 bytes (x86-64, -O2), 340 (i686 mingw, run under Wine) and
// 1250 under ASan, the conditional "(?(" being the dearest. 2000 levels thus
// take at most 2.5 MB (ASan) of an 8 MB Linux main thread and under 1 MB of a
// 16 MB Windows stack, leaving room for the caller and for the matcher's own
// stack budget.
constexpr int kMaxNestingDepth = 2000;

// The stock elements: 0 the EmptyElement, 1 to 16 the shared "." and class
// escape sets (the second eight for right-to-left patterns).
constexpr int kStockCount = 17;

class CompiledPattern {
 public:
  // nullptr when memory runs out or the nesting limit is reached.
  static std::unique_ptr<CompiledPattern> Build(const char16_t* pattern, int length,
                                                uint32_t flags);

  // Searches from start; see RunMatchAt. *aborted reports the matcher's stack guard.
  MatchResult MatchAt(const char16_t* subject, int length, int start,
                      bool* aborted = nullptr) const;

  // The number of the first named group called name (ASCII letters without
  // case), or -1.
  int FindGroupNumber(std::u16string_view name) const;

  CompiledPattern(const CompiledPattern&) = delete;
  CompiledPattern& operator=(const CompiledPattern&) = delete;
  ~CompiledPattern();

  Element* root = nullptr;
  uint32_t flags = 0;
  // While parsing: plain groups so far. After the build: the highest number.
  int maxGroupNumber = 0;
  int namedGroupCount = 0;
  int groupTableSize = 0;
  std::vector<std::unique_ptr<Element>> owned;
  // [0] root; [1..P] plain groups; then named groups in order of their "(".
  std::vector<Element*> groupTable;
  std::vector<RecursionElement*> recursions;
  std::vector<ListElement*> namedGroups;
  std::vector<BackrefElement*> namedBackrefs;
  std::vector<ConditionalElement*> namedConditions;
  PatternScanner scanner;
  Element* stock[kStockCount] = {};
  StartFilter startFilter;

 private:
  CompiledPattern() = default;

  // Every element is made here and owned by `owned` at once. No owning local
  // lives in the parse functions, which keeps their recursive frames small.
  template <typename T, typename... Args>
  T* Make(Args&&... args) {
    T* element = new T(std::forward<Args>(args)...);
    Adopt(element);
    return element;
  }
  void Adopt(Element* element);

  // compiler.cpp
  Element* build(const char16_t* pattern, int length, uint32_t buildFlags);
  Element* parseAlternation(uint32_t flags);
  Element* parseSequence(uint32_t& flags);
  Element* parsePiece(uint32_t& flags);
  VINTREL_NOINLINE Element* parseQuantifier(Element* atom);
  VINTREL_NOINLINE Element* parseAnchor(uint32_t& flags);
  Element* stockElement(int index);
  void EnterNesting();
  void LeaveNesting() { nestingDepth--; }

  // set_builder.cpp
  Element* parseSet(uint32_t flags);
  VINTREL_NOINLINE Element* parsePosixClass(uint32_t flags);
  Element* parseBracketExpression(uint32_t flags);
  VINTREL_NOINLINE void parseSetMember(BracketElement* set);
  VINTREL_NOINLINE Element* MakeStockSet(int index);

  // group_syntax.cpp
  Element* parseGroup(uint32_t& flags);
  Element* parseCapturingGroup(uint32_t flags);
  Element* parseGroupExtension(uint32_t& flags);
  Element* parseLookAround(uint32_t flags);
  VINTREL_NOINLINE ListElement* MakeGroupList(int number, int rightToLeft, Element* body);
  VINTREL_NOINLINE Element* MakeWrapper(Element* body, int positive);
  VINTREL_NOINLINE Element* parseBackref(uint32_t& flags);
  Element* parseNamedGroup(uint32_t flags);
  VINTREL_NOINLINE ListElement* StartNamedGroup(int rightToLeft);
  VINTREL_NOINLINE Element* parseInlineOptions(uint32_t& flags);
  Element* parseConditional(uint32_t flags);
  VINTREL_NOINLINE void FinishTextCondition(ConditionalElement* conditional, Element* body, int from);
  VINTREL_NOINLINE Element* parseRecursion();
  VINTREL_NOINLINE Element* parseNumberedRecursion();
  std::u16string ReadName(char16_t terminator);
  std::string ReadNarrowUpTo(char16_t stop);
  void SkipWhiteSpaceTokens();
  void SkipUnit(char16_t c);
  void resolveNames();

  int nestingDepth = 0;
  // parsePiece's literal run. One buffer serves every level: a run is always
  // empty when parsePiece descends into an atom.
  std::u16string literalRun;
};

}  // namespace engine
