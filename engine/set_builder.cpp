// The set builder: ".", the class escapes, POSIX classes and bracket
// expressions, all made into BracketElement and PosixClassElement. Its entry
// point is CompiledPattern::parseSet; the stock sets are made here for
// stockElement. Case-insensitive sets get the other case of their ASCII
// letters added now, so matching never folds.
#include <iterator>

#include "engine/compiled_pattern.h"
#include "engine/flags.h"

namespace engine {

namespace {

char16_t ToLower(char16_t u) { return (u >= u'A' && u <= u'Z') ? char16_t(u + 32) : u; }
char16_t ToUpper(char16_t u) { return (u >= u'a' && u <= u'z') ? char16_t(u - 32) : u; }

const char16_t kSpaces[] = {u' ', u'\t', u'\r', u'\n'};
// Only right-to-left "\s" takes FF and VT as well.
const char16_t kSpacesRightToLeft[] = {u' ', u'\t', u'\r', u'\n', u'\f', u'\v'};

// Adds the other case of every ASCII letter the set admits by ranges or chars.
VINTREL_NOINLINE void FoldCase(BracketElement& set) {
  const size_t rangeEnds = set.ranges.size();
  for (size_t i = 0; i + 1 < rangeEnds; i += 2) {
    const char16_t low = set.ranges[i];
    const char16_t high = set.ranges[i + 1];
    auto addUnlessInside = [&](char16_t a, char16_t b) {
      if (a >= low && b <= high) return;
      set.ranges.push_back(a);
      set.ranges.push_back(b);
    };
    if (low <= u'Z' && high >= u'A') {
      addUnlessInside(ToLower(low > u'A' ? low : u'A'), ToLower(high < u'Z' ? high : u'Z'));
    }
    if (low <= u'z' && high >= u'a') {
      addUnlessInside(ToUpper(low > u'a' ? low : u'a'), ToUpper(high < u'z' ? high : u'z'));
    }
  }
  const size_t charCount = set.chars.size();
  for (size_t i = 0; i < charCount; i++) {
    const char16_t u = set.chars[i];
    if (u >= u'A' && u <= u'Z' && !set.contains(ToLower(u))) set.chars.push_back(ToLower(u));
    if (u >= u'a' && u <= u'z' && !set.contains(ToUpper(u))) set.chars.push_back(ToUpper(u));
  }
}

bool IsClassEscape(const Token& t) {
  if (!t.special) return false;
  switch (t.ch) {
    case u'd': case u'D': case u's': case u'S': case u'w': case u'W':
      return true;
    default:
      return false;
  }
}

}  // namespace

// set := "." | "\d" | "\D" | "\s" | "\S" | "\w" | "\W" | "[" ( posix-class | bracket-body )
Element* CompiledPattern::parseSet(uint32_t flags) {
  const char16_t t = scanner.Current().ch;
  scanner.Advance();
  const int shift = (flags & RIGHT_TO_LEFT) ? 8 : 0;
  switch (t) {
    case u'.': return stockElement(((flags & DOT_ALL) ? 1 : 2) + shift);
    case u'w': return stockElement(3 + shift);
    case u'W': return stockElement(4 + shift);
    case u's': return stockElement(5 + shift);
    case u'S': return stockElement(6 + shift);
    case u'd': return stockElement(7 + shift);
    case u'D': return stockElement(8 + shift);
    case u'[': break;
    default: return stockElement(0);
  }
  EnterNesting();
  Element* set = nullptr;
  if (scanner.Current().IsSpecial(u':')) set = parsePosixClass(flags);
  if (set == nullptr) set = parseBracketExpression(flags);
  LeaveNesting();
  return set;
}

// posix-class := ":" [ "^" ] name ":" ... "]"
// nullptr (with the scanner put back at the ":") when the name is unknown.
Element* CompiledPattern::parsePosixClass(uint32_t flags) {
  const PatternScanner saved = scanner;
  // Only ":^xdigit:" (9 characters) can decide; the rest up to "]" is ignored,
  // so an unknown name is given up early instead of scanning on to the "]"
  // (which made nested "[:" quadratic).
  constexpr size_t kDecidingLength = 9;
  std::string text;
  bool cut = false;  // a unit above 255 ends the name
  do {
    const char16_t u = scanner.Current().ch;
    if (u > 255) cut = true;
    if (!cut && text.size() < kDecidingLength) text.push_back(static_cast<char>(u));
    scanner.Advance();
  } while (text.size() < kDecidingLength && !cut && scanner.Current().ch != 0 &&
           !scanner.Current().IsSpecial(u']'));

  auto* posix = Make<PosixClassElement>(nullptr, (flags & RIGHT_TO_LEFT) ? 1 : 0, 1);
  size_t i = 1;  // past the ":"
  if (i < text.size() && text[i] == '^') {
    posix->positive = 0;
    i++;
  }
  posix->classify = FindPosixClass(text.c_str() + i);
  if (posix->classify == nullptr) {
    // "[:foo:]" is the set of ":", "f", "o"; the element made above stays unlinked.
    scanner = saved;
    return nullptr;
  }
  while (scanner.Current().ch != 0 && !scanner.Current().IsSpecial(u']')) scanner.Advance();
  scanner.Advance();
  return posix;
}

// bracket-body := [ "^" ] ( class-escape | "[" posix-class | unit "-" unit | unit )* "]"
Element* CompiledPattern::parseBracketExpression(uint32_t flags) {
  int positive = 1;
  if (scanner.Current().IsSpecial(u'^')) {
    scanner.Advance();
    positive = 0;
  }
  auto* set = Make<BracketElement>((flags & RIGHT_TO_LEFT) ? 1 : 0, positive);
  while (!scanner.Current().IsEnd() && !scanner.Current().IsSpecial(u']')) {
    const Token& t = scanner.Current();
    if (IsClassEscape(t) || (t.IsSpecial(u'[') && scanner.Next().IsSpecial(u':'))) {
      set->classes.push_back(parseSet(flags));
      continue;
    }
    parseSetMember(set);
  }
  scanner.Advance();  // the "]"; nothing at the end of the pattern
  if (flags & IGNORE_CASE) FoldCase(*set);
  return set;
}

// member := unit "-" literal | unit   (a unit of any kind; "-" alone is "-")
void CompiledPattern::parseSetMember(BracketElement* set) {
  const char16_t u = scanner.Current().ch;
  if (scanner.Next().IsSpecial(u'-') && !scanner.AfterNext().special) {
    set->ranges.push_back(u);
    set->ranges.push_back(scanner.AfterNext().ch);
    scanner.Advance();
    scanner.Advance();
    scanner.Advance();
  } else {
    set->chars.push_back(u);
    scanner.Advance();
  }
}

Element* CompiledPattern::MakeStockSet(int index) {
  const int rightToLeft = index > 8 ? 1 : 0;
  const int kind = index > 8 ? index - 8 : index;
  auto* set = Make<BracketElement>(rightToLeft, 1);
  switch (kind) {
    case 1:  // "." with DOT_ALL: nothing excluded
      set->positive = 0;
      break;
    case 2:  // "." without it: all but LF
      set->positive = 0;
      set->chars.push_back(u'\n');
      break;
    case 3:
    case 4:
      set->positive = kind == 3 ? 1 : 0;
      set->ranges = {u'A', u'Z', u'a', u'z', u'0', u'9'};
      set->chars.push_back(u'_');
      break;
    case 5:
    case 6:
      set->positive = kind == 5 ? 1 : 0;
      if (rightToLeft) {
        set->chars.assign(std::begin(kSpacesRightToLeft), std::end(kSpacesRightToLeft));
      } else {
        set->chars.assign(std::begin(kSpaces), std::end(kSpaces));
      }
      break;
    default:  // 7 "\d", 8 "\D"
      set->positive = kind == 7 ? 1 : 0;
      set->ranges = {u'0', u'9'};
      break;
  }
  return set;
}

}  // namespace engine
