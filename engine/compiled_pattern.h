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

// Groups, look-arounds and bracket expressions open inside one another.
// Measured cost per level of "(" is about 0.5 KB of native stack (1.3 KB
// under ASan); 2000 levels stay under 3 MB, so an 8 MB Linux main thread, an
// ASan build and a 16 MB Windows thread all keep room for the caller and for
// the tree walks that follow the build.
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

  template <typename T, typename... Args>
  T* Make(Args&&... args) {
    auto element = std::make_unique<T>(std::forward<Args>(args)...);
    T* link = element.get();
    owned.push_back(std::move(element));
    return link;
  }

  // compiler.cpp
  Element* build(const char16_t* pattern, int length, uint32_t buildFlags);
  Element* parseAlternation(uint32_t flags);
  Element* parseSequence(uint32_t& flags);
  Element* parsePiece(uint32_t& flags);
  Element* parseQuantifier(Element* atom);
  Element* parseAnchor(uint32_t& flags);
  Element* stockElement(int index);
  void EnterNesting();
  void LeaveNesting() { nestingDepth--; }

  // set_builder.cpp
  Element* parseSet(uint32_t flags);
  Element* parsePosixClass(uint32_t flags);
  Element* parseBracketExpression(uint32_t flags);
  Element* MakeStockSet(int index);

  // group_syntax.cpp
  Element* parseGroup(uint32_t& flags);
  Element* parseBackref(uint32_t& flags);
  Element* parseNamedGroup(uint32_t flags);
  Element* parseInlineOptions(uint32_t& flags);
  Element* parseConditional(uint32_t flags);
  Element* parseRecursion();
  Element* parseNumberedRecursion();
  std::u16string ReadName(char16_t terminator);
  std::string ReadNarrowUpTo(char16_t stop);
  void SkipWhiteSpaceTokens();
  void SkipSpecial(char16_t c);
  void resolveNames();
  int LookUpNamedGroup(const std::u16string& name) const;

  int nestingDepth = 0;
};

}  // namespace engine
