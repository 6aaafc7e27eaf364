// The compiler's core: the build itself, alternation, sequences, pieces with
// their quantifiers, anchors and the stock elements. This file's entry point
// is CompiledPattern::Build; groups live in group_syntax.cpp and sets in
// set_builder.cpp.
#include <new>

#include "engine/compiled_pattern.h"
#include "engine/flags.h"

namespace engine {

namespace {

// Thrown from deep inside the parse, caught by Build alone.
struct NestingTooDeep {};

bool IsQuantifier(const Token& t) {
  return t.special && (t.ch == u'{' || t.ch == u'?' || t.ch == u'*' || t.ch == u'+');
}

bool EndsSequence(const Token& t) { return t.IsEnd() || t.IsSpecial(u'|') || t.IsSpecial(u')'); }

bool IsNarrowSpace(char c) { return c == ' ' || (c >= 9 && c <= 13); }

// Up to 6 decimal digits from text[i]; -1 when there is none.
int ReadDigits(const std::string& text, size_t& i) {
  int value = -1;
  for (int n = 0; n < 6 && i < text.size() && text[i] >= '0' && text[i] <= '9'; n++, i++) {
    value = (value < 0 ? 0 : value * 10) + (text[i] - '0');
  }
  return value;
}

}  // namespace

CompiledPattern::~CompiledPattern() = default;

std::unique_ptr<CompiledPattern> CompiledPattern::Build(const char16_t* pattern, int length,
                                                        uint32_t flags) {
  try {
    std::unique_ptr<CompiledPattern> compiled(new CompiledPattern());
    compiled->build(pattern, length, flags);
    compiled->startFilter = BuildStartFilter(compiled->root, compiled->flags);
    return compiled;
  } catch (const std::bad_alloc&) {
    return nullptr;
  } catch (const NestingTooDeep&) {
    return nullptr;
  }
}

MatchResult CompiledPattern::MatchAt(const char16_t* subject, int length, int start,
                                     bool* aborted) const {
  return RunMatchAt(root, flags, maxGroupNumber, &startFilter, subject, length, start, aborted);
}

void CompiledPattern::Adopt(Element* element) {
  try {
    owned.emplace_back(element);
  } catch (...) {
    delete element;
    throw;
  }
}

void CompiledPattern::EnterNesting() {
  if (++nestingDepth > kMaxNestingDepth) throw NestingTooDeep();
}

Element* CompiledPattern::build(const char16_t* pattern, int length, uint32_t buildFlags) {
  flags = buildFlags;
  maxGroupNumber = 0;
  namedGroupCount = 0;
  groupTable.clear();
  recursions.clear();
  namedGroups.clear();
  namedBackrefs.clear();
  namedConditions.clear();
  scanner.Prime(pattern, length, (buildFlags & EXTENDED) != 0);
  // An unmatched ")" at the top level ends the parse here.
  root = parseAlternation(buildFlags);
  if (groupTable.empty()) groupTable.resize(1);
  groupTable[0] = root;
  groupTable.resize(static_cast<size_t>(maxGroupNumber) + namedGroupCount + 1);
  resolveNames();
  return root;
}

// alternation := sequence ( "|" sequence )*
// All alternatives share this one flags variable, so "(?i)" reaches the later ones.
Element* CompiledPattern::parseAlternation(uint32_t flags) {
  if (scanner.Current().IsEnd()) return stockElement(0);
  Element* first = parseSequence(flags);
  if (!scanner.Current().IsSpecial(u'|')) return first;
  auto* alternative = Make<AlternativeElement>();
  alternative->alternatives.push_back(first);
  while (scanner.Current().IsSpecial(u'|')) {
    scanner.Advance();
    alternative->alternatives.push_back(parseSequence(flags));
  }
  return alternative;
}

// sequence := piece*   (up to "|", ")" or the end)
Element* CompiledPattern::parseSequence(uint32_t& flags) {
  if (EndsSequence(scanner.Current())) return stockElement(0);
  Element* piece = parsePiece(flags);
  if (EndsSequence(scanner.Current())) return piece;
  auto* list = Make<ListElement>();
  list->rightToLeft = (flags & RIGHT_TO_LEFT) ? 1 : 0;
  list->items.push_back(piece);
  while (!EndsSequence(scanner.Current())) list->items.push_back(parsePiece(flags));
  return list;
}

// piece := ( literal-run | atom ) quantifier?
// A literal directly before a quantifier is a run of its own: "abc*" is "ab", "c*".
Element* CompiledPattern::parsePiece(uint32_t& flags) {
  std::u16string& run = literalRun;
  run.clear();
  Element* atom = nullptr;
  while (atom == nullptr) {
    const Token& t = scanner.Current();
    if (!t.special) {
      if (IsQuantifier(scanner.Next())) {
        if (run.empty()) {
          run.push_back(t.ch);
          scanner.Advance();
        }
        break;
      }
      run.push_back(t.ch);
      scanner.Advance();
      continue;
    }
    if (EndsSequence(t) || !run.empty()) break;
    switch (t.ch) {
      case u'(':
        atom = parseGroup(flags);
        break;
      case u'[': case u'.': case u'd': case u'D': case u's': case u'S': case u'w': case u'W':
        atom = parseSet(flags);
        break;
      case u'^': case u'$': case u'A': case u'B': case u'G': case u'Z': case u'b': case u'z':
        atom = parseAnchor(flags);
        break;
      case u'\\': case u'k': case u'g':
        atom = parseBackref(flags);
        break;
      default:
        // A quantifier with nothing to repeat stands for itself.
        run.push_back(t.ch);
        scanner.Advance();
        break;
    }
  }
  if (atom == nullptr) {
    if (run.empty()) return stockElement(0);
    atom = Make<StringElement>(run, (flags & RIGHT_TO_LEFT) ? 1 : 0,
                               (flags & IGNORE_CASE) ? 1 : 0);
  }
  return parseQuantifier(atom);
}

// quantifier := ( "*" | "+" | "?" | "{" min [ "," [ max ] ] "}" ) ( "?" | "+" )?
Element* CompiledPattern::parseQuantifier(Element* atom) {
  const Token& t = scanner.Current();
  if (!IsQuantifier(t)) return atom;
  int min = 0;
  int max = kUnboundedExtra;
  if (t.ch == u'+') {
    min = 1;
  } else if (t.ch == u'?') {
    max = 1;
  } else if (t.ch == u'{') {
    scanner.Advance();
    std::string text;
    bool cut = false;  // a unit above 255 ends the text but not the braces
    while (!scanner.Current().IsEnd() && !scanner.Current().IsSpecial(u'}')) {
      const char16_t u = scanner.Current().ch;
      if (u > 255 || u == 0) cut = true;
      if (!cut) text.push_back(static_cast<char>(u));
      scanner.Advance();
    }
    size_t i = 0;
    while (i < text.size() && IsNarrowSpace(text[i])) i++;
    min = ReadDigits(text, i);
    if (min < 0) {
      min = max = 0;
    } else {
      max = min;
      while (i < text.size() && IsNarrowSpace(text[i])) i++;
      if (i < text.size() && text[i] == ',') {
        i++;
        while (i < text.size() && IsNarrowSpace(text[i])) i++;
        max = ReadDigits(text, i);
        if (max < 0) max = kUnboundedExtra;
      }
      if (max < min) max = min;
    }
  }
  scanner.Advance();  // "*", "+", "?" or the "}"

  if (max == 0) return stockElement(0);
  if (min == max) {
    if (scanner.Current().IsSpecial(u'?') || scanner.Current().IsSpecial(u'+')) scanner.Advance();
    return Make<RepeatElement>(atom, min);
  }
  const int extra = max - min;  // so "+" allows 2147483646 more
  if (scanner.Current().IsSpecial(u'?')) {
    scanner.Advance();
    return Make<LazyRepeatElement>(atom, min, extra);
  }
  if (scanner.Current().IsSpecial(u'+')) {
    scanner.Advance();
    return Make<PossessiveRepeatElement>(atom, min, extra);
  }
  return Make<GreedyRepeatElement>(atom, min, extra);
}

// anchor := "^" | "$" | "\A" | "\z" | "\Z" | "\b" | "\B" | "\G"
Element* CompiledPattern::parseAnchor(uint32_t& flags) {
  const char16_t t = scanner.Current().ch;
  scanner.Advance();
  const bool lines = (flags & LINE_ANCHORS) != 0;
  switch (t) {
    case u'^': return Make<BoundaryElement>(lines ? kLineStart : kTextStart, 1);
    case u'$': return Make<BoundaryElement>(lines ? kLineEnd : kTextEnd, 1);
    case u'A': return Make<BoundaryElement>(kTextStart, 1);
    case u'z': return Make<BoundaryElement>(kTextEnd, 1);
    case u'Z': return Make<BoundaryElement>(kTextEndOrFinalLf, 1);
    case u'b': return Make<BoundaryElement>(kWordBoundary, 1);
    case u'B': return Make<BoundaryElement>(kWordBoundary, 0);
    default:
      if (flags & GLOBAL) return Make<SearchStartElement>();
      return stockElement(0);
  }
}

Element* CompiledPattern::stockElement(int index) {
  if (stock[index] == nullptr) {
    stock[index] = index == 0 ? Make<EmptyElement>() : MakeStockSet(index);
  }
  return stock[index];
}

}  // namespace engine
