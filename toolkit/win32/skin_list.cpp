#include "toolkit/win32/skin_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {
constexpr int kTitleLeft = 22;  // the icon takes the space before it
constexpr int kIconLeft = 4;
constexpr int kIconSize = 16;
}  // namespace

void SkinList::OnCreated() {
  MakeInner(L"LISTBOX", LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL);
}

void SkinList::Layout() {
  if (!inner) return;
  RECT r;
  GetClientRect(host, &r);
  MoveWindow(inner, 1, 1, std::max(0, static_cast<int>(r.right) - 2), std::max(0, static_cast<int>(r.bottom) - 2),
             TRUE);
}

void SkinList::Paint(HDC dc, const RECT& client) {
  theme::Fill(dc, client, theme::kPanelBack);
  theme::Frame(dc, client, theme::kFieldBorder);
}

std::vector<int> SkinList::Addressed(int row) const {
  std::vector<int> out;
  if (row == -1) {
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) out.push_back(i);
  } else if (Valid(row)) {
    out.push_back(row);
  }
  return out;
}

void SkinList::DeleteItems(int index) {
  if (index == -1) {
    rows_.clear();
    SendMessageW(inner, LB_RESETCONTENT, 0, 0);
  } else if (Valid(index)) {
    rows_.erase(rows_.begin() + index);
    SendMessageW(inner, LB_DELETESTRING, index, 0);
  }
}

void SkinList::InsertItems(int at, int count, int rowHeight, uint32_t colour) {
  if (count <= 0) return;
  if (at < 0 || at > static_cast<int>(rows_.size())) at = static_cast<int>(rows_.size());
  Row row;
  row.height = std::max(1, std::min(rowHeight, 255));  // a list box row is at most 255 high
  row.colour = colour;
  rows_.insert(rows_.begin() + at, count, row);
  SendMessageW(inner, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < count; ++i) SendMessageW(inner, LB_INSERTSTRING, at + i, 0);
  SendMessageW(inner, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(inner, nullptr, TRUE);
}

void SkinList::SetTitle(int row, const std::wstring& title) {
  if (!Valid(row)) return;
  rows_[row].title = title;
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinList::SetIcon(int row, const void* png, int length) {
  if (!Valid(row)) return;
  rows_[row].icon = length > 0 ? std::shared_ptr<Image>(Image::Decode(png, length)) : nullptr;
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinList::InsertElement(int row, int index, int kind) {
  for (int r : Addressed(row)) {
    Row& x = rows_[r];
    int at = index < 0 || index > static_cast<int>(x.elements.size()) ? static_cast<int>(x.elements.size()) : index;
    Element e;
    e.kind = kind;
    x.elements.insert(x.elements.begin() + at, e);
    x.data.insert(x.data.begin() + at, ElementData());
  }
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinList::SetElementBox(int row, int element, const RECT& box, const std::wstring& face) {
  for (int r : Addressed(row)) {
    Row& x = rows_[r];
    if (element < 0 || element >= static_cast<int>(x.elements.size())) continue;
    x.elements[element].box = box;
    x.elements[element].face = face;
  }
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinList::SetElementData(int row, int element, const std::wstring& text, uint32_t colour) {
  for (int r : Addressed(row)) {
    Row& x = rows_[r];
    if (element < 0 || element >= static_cast<int>(x.data.size())) continue;
    x.data[element] = ElementData{text, colour};
  }
  InvalidateRect(inner, nullptr, FALSE);
}

bool SkinList::Set(int number, intptr_t value) {
  if (number == SKIN_PROP_CURRENT) {
    int row = static_cast<int>(value);
    SendMessageW(inner, LB_SETCURSEL, Valid(row) ? row : -1, 0);
    return true;
  }
  return Control::Set(number, value);
}

bool SkinList::Get(int number, intptr_t* value) {
  if (number == SKIN_PROP_CURRENT) {
    LRESULT cur = SendMessageW(inner, LB_GETCURSEL, 0, 0);
    *value = cur == LB_ERR ? -1 : cur;
    return true;
  }
  return Control::Get(number, value);
}

void SkinList::DrawRow(const DRAWITEMSTRUCT& dis) {
  RECT r = dis.rcItem;
  HDC dc = dis.hDC;
  int index = static_cast<int>(dis.itemID);
  bool selected = (dis.itemState & ODS_SELECTED) != 0;
  COLORREF back = selected ? theme::kSelectedRow : theme::kPanelBack;
  theme::Fill(dc, r, back);
  if (!Valid(index)) return;
  const Row& row = rows_[index];
  int height = r.bottom - r.top;
  if (row.icon) {
    RECT icon = {r.left + kIconLeft, r.top + (height - kIconSize) / 2, r.left + kIconLeft + kIconSize,
                 r.top + (height - kIconSize) / 2 + kIconSize};
    row.icon->Draw(dc, icon);
  }
  // A text element that starts the title at the title's place colours that
  // part of the title; the rest of the title follows it on the same line.
  std::wstring rest = row.title;
  RECT titleBox = {r.left + kTitleLeft, r.top, r.right - 4, r.bottom};
  HFONT titleFont = theme::Font(L"", theme::kTextHeight);
  for (size_t i = 0; i < row.elements.size(); ++i) {
    const Element& e = row.elements[i];
    const ElementData& d = row.data[i];
    if (d.text.empty()) continue;
    DrawElement(dc, e, d, r.left, r.top, back);
    if (e.kind == SKIN_ELEMENT_TEXT && e.box.left == kTitleLeft && rest.compare(0, d.text.size(), d.text) == 0) {
      HDC measure = dc;
      HGDIOBJ old = SelectObject(measure, theme::Font(e.face, theme::kTextHeight));
      SIZE size;
      GetTextExtentPoint32W(measure, d.text.c_str(), static_cast<int>(d.text.size()), &size);
      SelectObject(measure, old);
      rest.erase(0, d.text.size());
      titleBox.left += size.cx;
      titleBox.top = r.top + e.box.top;
      titleBox.bottom = r.top + e.box.bottom;
    }
  }
  theme::Text(dc, rest, titleBox, titleFont, theme::FromArgb(row.colour, back, theme::kText),
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

LRESULT SkinList::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      int index = static_cast<int>(mis->itemID);
      mis->itemHeight = Valid(index) ? rows_[index].height : 30;
      return TRUE;
    }
    case WM_DRAWITEM:
      DrawRow(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
      return TRUE;
  }
  return Control::OnMessage(msg, wp, lp);
}

bool SkinList::OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      return false;
    case WM_LBUTTONUP: {
      *result = DefSubclassProc(inner, msg, wp, lp);
      if (!pressed_) return true;
      pressed_ = false;
      LRESULT hit = SendMessageW(inner, LB_ITEMFROMPOINT, 0, lp);
      int row = LOWORD(hit);
      if (HIWORD(hit) == 0 && Valid(row)) {
        SendMessageW(inner, LB_SETCURSEL, row, 0);
        Raise(SKIN_EVENT_ITEM_CHOSEN, row);
      }
      return true;
    }
    case WM_KEYDOWN:
      if (wp == VK_RETURN) {
        LRESULT cur = SendMessageW(inner, LB_GETCURSEL, 0, 0);
        if (cur != LB_ERR) Raise(SKIN_EVENT_ITEM_CHOSEN, cur);
        *result = 0;
        return true;
      }
      return false;
    case WM_KILLFOCUS:
      *result = DefSubclassProc(inner, msg, wp, lp);
      Raise(SKIN_EVENT_FOCUS_LOST);
      return true;
  }
  return false;
}

}  // namespace skinkit
