// ASCII character classification, independent of the system's locale.
//
// The thirteen POSIX class tests take a UTF-16 code unit; only "ascii" and
// "blank" ever hold for a unit above 127. kPosixClasses lists them in the
// order in which the set builder compares the names.
#pragma once

namespace engine {

using CharClassifier = bool (*)(char16_t);

bool IsAlnumUnit(char16_t u);
bool IsAlphaUnit(char16_t u);
bool IsAsciiUnit(char16_t u);
bool IsCntrlUnit(char16_t u);
bool IsDigitUnit(char16_t u);
bool IsGraphUnit(char16_t u);
bool IsLowerUnit(char16_t u);
bool IsPrintUnit(char16_t u);
bool IsPunctUnit(char16_t u);
bool IsSpaceUnit(char16_t u);
bool IsUpperUnit(char16_t u);
bool IsXdigitUnit(char16_t u);
bool IsBlankUnit(char16_t u);

// A-Z, a-z, 0-9 and "_": the units that make word boundaries.
inline bool IsWordUnit(char16_t u) {
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
         (u >= u'0' && u <= u'9') || u == u'_';
}

struct PosixClass {
  const char* name;  // with its closing ":", e.g. "alnum:"
  CharClassifier classify;
};

constexpr int kPosixClassCount = 13;
extern const PosixClass kPosixClasses[kPosixClassCount];

// The classifier whose name (with ":") begins text, or nullptr. Only as many
// characters as the name has are compared, so "alpha:xyz" finds "alpha".
CharClassifier FindPosixClass(const char* text);

}  // namespace engine
