#include "engine/char_classes.h"

#include <cstring>

namespace engine {

bool IsUpperUnit(char16_t u) { return u >= u'A' && u <= u'Z'; }
bool IsLowerUnit(char16_t u) { return u >= u'a' && u <= u'z'; }
bool IsDigitUnit(char16_t u) { return u >= u'0' && u <= u'9'; }
bool IsAlphaUnit(char16_t u) { return IsUpperUnit(u) || IsLowerUnit(u); }
bool IsAlnumUnit(char16_t u) { return IsAlphaUnit(u) || IsDigitUnit(u); }
bool IsAsciiUnit(char16_t u) { return u < 128; }
bool IsCntrlUnit(char16_t u) { return u <= 0x1F || u == 0x7F; }
bool IsGraphUnit(char16_t u) { return u >= 0x21 && u <= 0x7E; }
bool IsPrintUnit(char16_t u) { return u >= 0x20 && u <= 0x7E; }
bool IsPunctUnit(char16_t u) { return IsGraphUnit(u) && !IsAlnumUnit(u); }
bool IsSpaceUnit(char16_t u) { return (u >= 0x09 && u <= 0x0D) || u == u' '; }
bool IsXdigitUnit(char16_t u) {
  return IsDigitUnit(u) || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
}
bool IsBlankUnit(char16_t u) { return u == u' ' || u == u'\t'; }

const PosixClass kPosixClasses[kPosixClassCount] = {
    {"alnum:", IsAlnumUnit}, {"alpha:", IsAlphaUnit}, {"ascii:", IsAsciiUnit},
    {"cntrl:", IsCntrlUnit}, {"digit:", IsDigitUnit}, {"graph:", IsGraphUnit},
    {"lower:", IsLowerUnit}, {"print:", IsPrintUnit}, {"punct:", IsPunctUnit},
    {"space:", IsSpaceUnit}, {"upper:", IsUpperUnit}, {"xdigit:", IsXdigitUnit},
    {"blank:", IsBlankUnit},
};

CharClassifier FindPosixClass(const char* text) {
  for (const PosixClass& c : kPosixClasses) {
    if (std::strncmp(text, c.name, std::strlen(c.name)) == 0) return c.classify;
  }
  return nullptr;
}

}  // namespace engine
