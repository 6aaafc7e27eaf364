// Character sets: one code unit tested, one unit consumed, nothing pushed.
#include <typeinfo>

#include "engine/element.h"
#include "engine/match_context.h"

namespace engine {

namespace {

bool NestedAdmits(const Element* nested, char16_t u) {
  if (typeid(*nested) == typeid(BracketElement))
    return static_cast<const BracketElement*>(nested)->Admits(u);
  if (typeid(*nested) == typeid(PosixClassElement))
    return static_cast<const PosixClassElement*>(nested)->Admits(u);
  return false;
}

// The unit a set tests at the current position, or -1 at the subject's edge.
inline int UnitUnderTest(const MatchContext& ctx, int rightToLeft) {
  const int i = rightToLeft ? ctx.currentPos - 1 : ctx.currentPos;
  if (i < 0 || i >= ctx.subjectLength) return -1;
  return ctx.subject[i];
}

}  // namespace

bool BracketElement::contains(char16_t u) const {
  for (size_t i = 0; i + 1 < ranges.size(); i += 2)
    if (ranges[i] <= u && u <= ranges[i + 1]) return true;
  for (char16_t c : chars)
    if (c == u) return true;
  return false;
}

bool BracketElement::Admits(char16_t u) const {
  bool member = contains(u);
  for (size_t i = 0; !member && i < classes.size(); ++i) member = NestedAdmits(classes[i], u);
  return member == (positive != 0);
}

int BracketElement::Match(MatchContext& ctx) const {
  const int u = UnitUnderTest(ctx, rightToLeft);
  if (u < 0 || !Admits(static_cast<char16_t>(u))) return 0;
  ctx.currentPos += rightToLeft ? -1 : 1;
  return 1;
}

int BracketElement::MatchNext(MatchContext& ctx) const {
  ctx.currentPos += rightToLeft ? 1 : -1;
  return 0;
}

bool PosixClassElement::Admits(char16_t u) const {
  return classify && classify(u) == (positive != 0);
}

int PosixClassElement::Match(MatchContext& ctx) const {
  const int u = UnitUnderTest(ctx, rightToLeft);
  if (u < 0 || !Admits(static_cast<char16_t>(u))) return 0;
  ctx.currentPos += rightToLeft ? -1 : 1;
  return 1;
}

int PosixClassElement::MatchNext(MatchContext& ctx) const {
  ctx.currentPos += rightToLeft ? 1 : -1;
  return 0;
}

}  // namespace engine
