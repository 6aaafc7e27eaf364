// The scanner's one entry point is PatternScanner::Advance (and Prime to
// start); Scan is public only so that tests can watch single steps.
#include "engine/scanner.h"

namespace engine {

namespace {

int HexValue(char16_t u) {
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'A' && u <= u'F') return u - u'A' + 10;
  if (u >= u'a' && u <= u'f') return u - u'a' + 10;
  return -1;
}

bool IsPatternSpace(char16_t u) { return (u >= 9 && u <= 13) || u == u' '; }

char16_t MapCase(CaseMap map, char16_t u) {
  if (map == CaseMap::kLower && u >= u'A' && u <= u'Z') return static_cast<char16_t>(u + 32);
  if (map == CaseMap::kUpper && u >= u'a' && u <= u'z') return static_cast<char16_t>(u - 32);
  return u;
}

// Escapes that are metacharacters in every context.
bool IsSpecialEscapeLetter(char16_t e) {
  switch (e) {
    case u'A': case u'B': case u'D': case u'S': case u'W': case u'Z':
    case u'd': case u'g': case u'k': case u's': case u'w': case u'z':
      return true;
    default:
      return false;
  }
}

// The control-character escapes; 0 when e is not one of them.
char16_t ControlEscape(char16_t e) {
  switch (e) {
    case u'a': return 0x07;
    case u'e': return 0x1B;
    case u'f': return 0x0C;
    case u'n': return 0x0A;
    case u'r': return 0x0D;
    case u't': return 0x09;
    case u'v': return 0x0B;
    default: return 0;
  }
}

}  // namespace

void PatternScanner::Prime(const char16_t* text, int length, bool extendedSyntax) {
  pattern = text;
  patternLength = length < 0 ? 0 : length;
  for (Token& token : window) token = Token();
  position = 0;
  bracketDepth = 0;
  literalMode = 0;
  caseMap = CaseMap::kNone;
  extended = extendedSyntax;
  Advance();
  Advance();
  Advance();
}

void PatternScanner::Advance() {
  window[0] = window[1];
  window[1] = window[2];
  window[2] = window[3];
  while (Scan() == 0) {
  }
}

void PatternScanner::Produce(char16_t ch, int special, int length) {
  window[3].ch = ch;
  window[3].special = special;
  window[3].start = position;
  window[3].length = length;
  position += length;
}

void PatternScanner::ProduceEnd() {
  window[3].ch = 0;
  window[3].special = 1;
  window[3].start = position;
  window[3].length = 0;
}

int PatternScanner::Scan() {
  if (position >= patternLength) {
    ProduceEnd();
    return 1;
  }
  const char16_t u = pattern[position];
  if (literalMode) {
    if (u == u'\\' && UnitAt(position + 1) == u'E') {
      literalMode = 0;
      caseMap = CaseMap::kNone;
      position += 2;
      return 0;
    }
    Produce(MapCase(caseMap, u), 0, 1);
    return 1;
  }

  const bool inside = bracketDepth >= 1;
  // At scan time the window is already shifted: next holds the token produced
  // just before this one, current the one before that.
  const Token& previous = window[2];
  const Token& beforePrevious = window[1];

  if (IsPatternSpace(u)) {
    if (extended) {
      position++;
      return 0;
    }
    Produce(u, 0, 1);
    return 1;
  }
  switch (u) {
    case u'#':
      if (extended) {
        SkipLineComment();
        return 0;
      }
      Produce(u, 0, 1);
      return 1;
    case u'(':
      if (UnitAt(position + 1) == u'?' && UnitAt(position + 2) == u'#') {
        SkipParenComment();
        return 0;
      }
      Produce(u, inside ? 0 : 1, 1);
      return 1;
    case u'$': case u')': case u'*': case u'+': case u'.': case u'?':
    case u'{': case u'}': case u'|':
      Produce(u, inside ? 0 : 1, 1);
      return 1;
    case u'-':
      Produce(u, inside ? 1 : 0, 1);
      return 1;
    case u':':
      Produce(u, previous.IsSpecial(u'[') ? 1 : 0, 1);
      return 1;
    case u'[':
      if (bracketDepth == 0 || UnitAt(position + 1) == u':') {
        bracketDepth++;
        Produce(u, 1, 1);
      } else {
        Produce(u, 0, 1);
      }
      return 1;
    case u']':
      if (inside) {
        bracketDepth--;
        Produce(u, 1, 1);
      } else {
        Produce(u, 0, 1);
      }
      return 1;
    case u'^': {
      const bool special = bracketDepth == 0 || previous.IsSpecial(u'[') ||
                           (beforePrevious.IsSpecial(u'[') && previous.IsSpecial(u':'));
      Produce(u, special ? 1 : 0, 1);
      return 1;
    }
    case u'\\':
      return ScanEscape();
    default:
      Produce(u, 0, 1);
      return 1;
  }
}

int PatternScanner::ScanEscape() {
  if (position + 1 >= patternLength) {
    Produce(u'\\', 0, 1);
    return 1;
  }
  const char16_t e = pattern[position + 1];
  const bool inside = bracketDepth >= 1;
  if (e >= u'0' && e <= u'9') {
    // The digits follow as literals; the compiler reads them as a group number.
    Produce(u'\\', 1, 1);
    return 1;
  }
  if (IsSpecialEscapeLetter(e)) {
    Produce(e, 1, 2);
    return 1;
  }
  if (const char16_t control = ControlEscape(e)) {
    Produce(control, 0, 2);
    return 1;
  }
  switch (e) {
    case u'G':
      if (inside) {
        position += 2;
        return 0;
      }
      Produce(e, 1, 2);
      return 1;
    case u'b':
      Produce(inside ? u'\b' : e, inside ? 0 : 1, 2);
      return 1;
    case u'x':
      return UnitAt(position + 2) == u'{' ? ScanBracedHex() : ScanHexEscape(e, 2);
    case u'u':
      return UnitAt(position + 2) == u'{' ? ScanBracedHex() : ScanHexEscape(e, 4);
    case u'Q':
      literalMode = 1;
      position += 2;
      return 0;
    case u'L':
    case u'U':
      if (caseMap == CaseMap::kNone) caseMap = e == u'L' ? CaseMap::kLower : CaseMap::kUpper;
      literalMode = 1;
      position += 2;
      return 0;
    case u'E':
      literalMode = 0;
      caseMap = CaseMap::kNone;
      position += 2;
      return 0;
    default:
      Produce(e, 0, 2);
      return 1;
  }
}

// "\xHH" and "\uHHHH": a letter without digits stands for itself.
int PatternScanner::ScanHexEscape(char16_t letter, int maxDigits) {
  int value = 0;
  int digits = 0;
  while (digits < maxDigits) {
    const int d = HexValue(UnitAt(position + 2 + digits));
    if (d < 0) break;
    value = value * 16 + d;
    digits++;
  }
  Produce(digits == 0 ? letter : static_cast<char16_t>(value), 0, 2 + digits);
  return 1;
}

// "\x{...}" and "\u{...}": up to 8 digits, kept to 16 bits; the token runs to
// the first "}" after the digits, or to the end of the pattern.
int PatternScanner::ScanBracedHex() {
  uint32_t value = 0;
  int index = position + 3;
  for (int digits = 0; digits < 8; digits++) {
    const int d = HexValue(UnitAt(index));
    if (d < 0) break;
    value = (value * 16 + static_cast<uint32_t>(d)) & 0xFFFF;
    index++;
  }
  while (index < patternLength && pattern[index] != u'}') index++;
  const int end = index < patternLength ? index + 1 : patternLength;
  Produce(static_cast<char16_t>(value), 0, end - position);
  return 1;
}

void PatternScanner::SkipParenComment() {
  int index = position + 3;
  while (index < patternLength && pattern[index] != u')') index++;
  position = index < patternLength ? index + 1 : patternLength;
}

void PatternScanner::SkipLineComment() {
  int index = position + 1;
  while (index < patternLength && pattern[index] != u'\n' && pattern[index] != u'\r') index++;
  position = index;
}

}  // namespace engine
