// The pattern scanner: UTF-16 pattern code units in, tokens out.
//
// Every token says whether it is a metacharacter in its context (special) or a
// plain code unit (literal); escapes arrive decoded, white space and comments
// (with EXTENDED) and "(?#...)" never arrive. The scanner never fails: every
// sequence of code units yields tokens, and after the end it yields the end
// token forever.
//
// It keeps a window of four tokens: previous, current, next, after-next. The
// compiler reads current and looks ahead at next and after-next; the scanner's
// own context rules look back at the two tokens produced before the one being
// scanned (at scan time they sit in the next and current slots).
//
// The whole state is a plain value: copying it aside and back undoes any amount
// of scanning ahead (the set builder does this for POSIX class names).
#pragma once

#include <cstdint>

namespace engine {

struct Token {
  char16_t ch = 0;   // the code unit it stands for, after escape decoding
  int special = 0;   // 1 for a metacharacter, 0 for a literal code unit
  int start = 0;     // index of its first pattern code unit
  int length = 0;    // pattern code units it covers

  // Position and length take no part: "a" at 0 equals "a" at 5.
  bool operator==(const Token& other) const { return ch == other.ch && special == other.special; }
  bool operator!=(const Token& other) const { return !(*this == other); }

  bool IsSpecial(char16_t c) const { return special != 0 && ch == c; }
  bool IsEnd() const { return special != 0 && ch == 0; }
};

enum class CaseMap { kNone, kLower, kUpper };

class PatternScanner {
 public:
  // Clears the window and the modes and fills the window with the first three
  // tokens. `extended` skips white space and "#" comments. The pattern must stay
  // alive while scanning.
  void Prime(const char16_t* pattern, int length, bool extended);

  // Produces one token into the after-next slot (returns 1) or consumes code
  // units without producing one (returns 0).
  int Scan();
  // Shifts the window by one and scans until a token arrives.
  void Advance();

  const Token& Previous() const { return window[0]; }
  const Token& Current() const { return window[1]; }
  const Token& Next() const { return window[2]; }
  const Token& AfterNext() const { return window[3]; }

  const char16_t* Pattern() const { return pattern; }
  int PatternLength() const { return patternLength; }
  int Position() const { return position; }
  int BracketDepth() const { return bracketDepth; }
  int LiteralMode() const { return literalMode; }
  CaseMap ActiveCaseMap() const { return caseMap; }

 private:
  char16_t UnitAt(int index) const { return index < patternLength ? pattern[index] : u'\0'; }
  void Produce(char16_t ch, int special, int length);
  void ProduceEnd();
  int ScanEscape();
  int ScanHexEscape(char16_t letter, int maxDigits);
  int ScanBracedHex();
  void SkipParenComment();
  void SkipLineComment();

  const char16_t* pattern = nullptr;
  int patternLength = 0;
  Token window[4];  // previous, current, next, after-next
  int position = 0;
  int bracketDepth = 0;
  int literalMode = 0;
  CaseMap caseMap = CaseMap::kNone;
  bool extended = false;
};

}  // namespace engine
