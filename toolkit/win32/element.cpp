#include "toolkit/win32/element.h"

#include <cstring>

#include "toolkit/skinkit.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {

constexpr char kMark[8] = {'S', 'k', 'i', 'n', 'K', 'i', 't', 0};

uint32_t U32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

bool Marked(const void* block, int length) {
  return block && length >= 8 && std::memcmp(block, kMark, 8) == 0;
}

}  // namespace

LabelSkin ReadLabelSkin(const void* block, int length) {
  LabelSkin skin;
  if (!Marked(block, length) || length < 19) return skin;
  const auto* p = static_cast<const unsigned char*>(block);
  if (p[8] != 1 || p[9] != 1) return skin;
  skin.present = true;
  skin.fill = U32(p + 10);
  skin.border = U32(p + 14);
  skin.radius = p[18];
  return skin;
}

MenuSkin ReadMenuSkin(const void* block) {
  MenuSkin skin;
  if (!Marked(block, 12)) return skin;
  const auto* p = static_cast<const unsigned char*>(block);
  uint32_t size = U32(p + 8);
  if (size < 28) return skin;
  skin.background = U32(p + 12);
  skin.highlight = U32(p + 16);
  skin.border = U32(p + 20);
  skin.highlightText = U32(p + 24);
  return skin;
}

void DrawElement(HDC dc, const Element& e, const ElementData& d, int left, int top, COLORREF back) {
  if (d.text.empty()) return;
  RECT r = e.box;
  OffsetRect(&r, left, top);
  if (r.right <= r.left || r.bottom <= r.top) return;
  COLORREF under = back;
  if (e.kind == SKIN_ELEMENT_BUTTON && e.skin.present) {
    under = theme::FromArgb(e.skin.fill, back, back);
    theme::RoundBox(dc, r, e.skin.radius, under, theme::FromArgb(e.skin.border, back, under));
  }
  UINT align = e.kind == SKIN_ELEMENT_BUTTON ? DT_CENTER : DT_LEFT;
  theme::Text(dc, d.text, r, theme::Font(e.face, e.kind == SKIN_ELEMENT_BUTTON ? 13 : theme::kTextHeight),
              theme::FromArgb(d.colour, under, theme::kText), align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace skinkit
