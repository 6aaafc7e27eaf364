#include "toolkit/win32/skin_report.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {
constexpr int kCellPadding = 8;
constexpr size_t kMostDrawnChars = 1024;  // a cell shows one line; longer texts end in "..."
}  // namespace

LRESULT CALLBACK HeaderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* report = reinterpret_cast<SkinReport*>(data);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      report->PaintHeader(hwnd);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, HeaderProc, 2);
      report->header_ = nullptr;
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void SkinReport::OnCreated() {
  MakeInner(WC_LISTVIEWW, LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED | LVS_SINGLESEL | LVS_SHOWSELALWAYS);
  Native(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  Native(LVM_SETBKCOLOR, 0, theme::kPanelBack);
  Native(WM_SETFONT, reinterpret_cast<WPARAM>(theme::Font(L"", theme::kTextHeight)), FALSE);
  header_ = reinterpret_cast<HWND>(Native(LVM_GETHEADER, 0, 0));
  if (header_) SetWindowSubclass(header_, HeaderProc, 2, reinterpret_cast<DWORD_PTR>(this));
}

void SkinReport::Layout() {
  if (!inner) return;
  RECT r;
  GetClientRect(host, &r);
  MoveWindow(inner, 1, 1, std::max(0, static_cast<int>(r.right) - 2), std::max(0, static_cast<int>(r.bottom) - 2),
             TRUE);
}

void SkinReport::Paint(HDC dc, const RECT& client) {
  theme::Fill(dc, client, theme::kPanelBack);
  theme::Frame(dc, client, theme::kFieldBorder);
}

void SkinReport::SetRowHeight(int height) {
  if (height <= 0 || height == rowHeight_) return;
  rowHeight_ = height;
  // The list view asks its owner for the row height again when its font is set
  // (Wine) or when its size changes (Windows).
  Native(WM_SETFONT, reinterpret_cast<WPARAM>(theme::Font(L"", theme::kTextHeight)), FALSE);
  RECT r;
  GetWindowRect(inner, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(inner, nullptr, 0, 0, w, h + 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(inner, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinReport::SyncCount() {
  LVITEMW none = {};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  Native(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  Native(LVM_SETITEMCOUNT, RowCount(), LVSICF_NOSCROLL);
  InvalidateRect(inner, nullptr, FALSE);
}

SkinReport::Cell* SkinReport::CellAt(int row, int column) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) return nullptr;
  Row& r = rows_[row];
  if (static_cast<int>(r.size()) <= column) r.resize(column + 1);
  return &r[column];
}

void SkinReport::RedrawRow(int row) {
  int top = static_cast<int>(Native(LVM_GETTOPINDEX, 0, 0));
  int page = static_cast<int>(Native(LVM_GETCOUNTPERPAGE, 0, 0));
  if (row >= top && row <= top + page) Native(LVM_REDRAWITEMS, row, row);
}

void SkinReport::InsertColumn(int index, const std::wstring& title, int width, int minWidth,
                              const std::wstring& face, const std::wstring& headerFace) {
  if (index < 0 || index > ColumnCount()) index = ColumnCount();
  LVCOLUMNW lvc = {};
  lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  lvc.pszText = const_cast<wchar_t*>(title.c_str());
  lvc.cx = std::max(width, minWidth);
  lvc.iSubItem = index;
  Native(LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&lvc));
  Column c;
  c.title = title;
  c.minWidth = minWidth;
  c.face = face;
  c.headerFace = headerFace;
  columns_.insert(columns_.begin() + index, c);
  for (Row& r : rows_) {
    if (static_cast<int>(r.size()) > index) r.insert(r.begin() + index, Cell());
  }
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinReport::DeleteColumn(int index) {
  if (index == -1) {
    while (ColumnCount() > 0) DeleteColumn(ColumnCount() - 1);
    return;
  }
  if (index < 0 || index >= ColumnCount()) return;
  Native(LVM_DELETECOLUMN, index, 0);
  columns_.erase(columns_.begin() + index);
  for (Row& r : rows_) {
    if (static_cast<int>(r.size()) > index) r.erase(r.begin() + index);
  }
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinReport::SetColumnWidth(int index, int width) {
  if (index < 0 || index >= ColumnCount()) return;
  Native(LVM_SETCOLUMNWIDTH, index, std::max(width, 0));
}

void SkinReport::InsertRows(int at, int count, int rowHeight) {
  if (count <= 0) return;
  if (at < 0 || at > RowCount()) at = RowCount();
  SetRowHeight(rowHeight);
  rows_.insert(rows_.begin() + at, count, Row());
  SyncCount();
}

void SkinReport::DeleteRows(int index) {
  if (index == -1) {
    rows_.clear();
    rows_.shrink_to_fit();
  } else if (index >= 0 && index < RowCount()) {
    rows_.erase(rows_.begin() + index);
  } else {
    return;
  }
  SyncCount();
}

void SkinReport::SetCellText(int row, int column, const std::wstring& text) {
  Cell* c = CellAt(row, column);
  if (!c) return;
  c->text = text;
  RedrawRow(row);
}

void SkinReport::InsertElement(int column, int index, int kind) {
  for (int i = 0; i < ColumnCount(); ++i) {
    if (column != -1 && i != column) continue;
    std::vector<Element>& list = columns_[i].elements;
    int at = index < 0 || index > static_cast<int>(list.size()) ? static_cast<int>(list.size()) : index;
    Element e;
    e.kind = kind;
    list.insert(list.begin() + at, e);
  }
}

void SkinReport::SetBadgeBox(int column, int element, const RECT& box, const LabelSkin& skin,
                             const std::wstring& face) {
  if (column < 0 || column >= ColumnCount()) return;
  std::vector<Element>& list = columns_[column].elements;
  if (element >= static_cast<int>(list.size())) {
    Element e;
    e.kind = SKIN_ELEMENT_BUTTON;
    list.resize(element + 1, e);
  }
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    if (element != -1 && i != element) continue;
    list[i].box = box;
    list[i].skin = skin;
    list[i].face = face;
  }
  InvalidateRect(inner, nullptr, FALSE);
}

void SkinReport::SetBadge(int row, int column, int element, const std::wstring& text, uint32_t colour) {
  Cell* c = CellAt(row, column);
  if (!c) return;
  if (element < 0) element = 0;
  if (static_cast<int>(c->badges.size()) <= element) c->badges.resize(element + 1);
  c->badges[element] = ElementData{text, colour};
  RedrawRow(row);
}

bool SkinReport::Set(int number, intptr_t value) {
  if (number == SKIN_PROP_CURRENT) {
    int row = static_cast<int>(value);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    Native(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (row >= 0 && row < RowCount()) {
      state.state = LVIS_SELECTED | LVIS_FOCUSED;
      Native(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
      Native(LVM_ENSUREVISIBLE, row, FALSE);
    }
    return true;
  }
  return Control::Set(number, value);
}

bool SkinReport::Get(int number, intptr_t* value) {
  if (number == SKIN_PROP_CURRENT) {
    *value = Native(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return true;
  }
  return Control::Get(number, value);
}

void SkinReport::DrawRow(const DRAWITEMSTRUCT& dis) {
  HDC dc = dis.hDC;
  const RECT& row = dis.rcItem;
  int index = static_cast<int>(dis.itemID);
  bool selected = (dis.itemState & ODS_SELECTED) != 0;
  COLORREF back = selected ? theme::kSelectedRow : theme::kPanelBack;
  RECT line = row;
  theme::Fill(dc, row, back);
  line.top = line.bottom - 1;
  theme::Fill(dc, line, theme::kRowLine);
  if (index < 0 || index >= RowCount()) return;
  const Row& cells = rows_[index];
  int x = row.left;
  for (int col = 0; col < ColumnCount(); ++col) {
    int width = static_cast<int>(Native(LVM_GETCOLUMNWIDTH, col, 0));
    RECT cell = {x, row.top, x + width, row.bottom - 1};
    x += width;
    if (col >= static_cast<int>(cells.size())) continue;
    const Cell& c = cells[col];
    int saved = SaveDC(dc);
    IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    RECT text = cell;
    text.left += kCellPadding;
    text.right -= 4;
    theme::Text(dc, c.text.size() > kMostDrawnChars ? c.text.substr(0, kMostDrawnChars) : c.text, text,
                theme::Font(columns_[col].face, theme::kTextHeight), theme::kText,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_EXPANDTABS);
    const std::vector<Element>& elements = columns_[col].elements;
    for (size_t e = 0; e < c.badges.size() && e < elements.size(); ++e) {
      DrawElement(dc, elements[e], c.badges[e], cell.left, cell.top, back);
    }
    RestoreDC(dc, saved);
  }
}

void SkinReport::PaintHeader(HWND header) {
  theme::BufferedPaint paint(header);
  HDC dc = paint.dc();
  RECT all = paint.client();
  theme::Fill(dc, all, theme::kHeaderBack);
  RECT bottom = all;
  bottom.top = bottom.bottom - 1;
  theme::Fill(dc, bottom, theme::kHeaderLine);
  int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count && i < ColumnCount(); ++i) {
    RECT item;
    if (!SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
    RECT text = item;
    text.left += kCellPadding;
    text.bottom -= 1;
    theme::Text(dc, columns_[i].title, text, theme::Font(columns_[i].headerFace, 13, true), theme::kMutedText,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    RECT separator = {item.right - 1, item.top + 7, item.right, item.bottom - 7};
    theme::Fill(dc, separator, theme::kHeaderLine);
  }
}

LRESULT SkinReport::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (mis->CtlType != ODT_LISTVIEW) break;
      mis->itemHeight = rowHeight_;
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (dis->CtlType != ODT_LISTVIEW) break;
      DrawRow(*dis);
      return TRUE;
    }
    case WM_NOTIFY: {
      auto* nm = reinterpret_cast<NMHDR*>(lp);
      if (nm->hwndFrom != inner) break;
      if (nm->code == NM_CLICK || nm->code == NM_DBLCLK) {
        LVHITTESTINFO hit = {};
        hit.pt = reinterpret_cast<NMITEMACTIVATE*>(lp)->ptAction;
        Native(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.iItem >= 0 && hit.iItem < RowCount()) {
          Set(SKIN_PROP_CURRENT, hit.iItem);
          Raise(SKIN_EVENT_ROW_CLICKED, hit.iSubItem);
        }
        return 0;
      }
      break;
    }
  }
  return Control::OnMessage(msg, wp, lp);
}

bool SkinReport::OnInnerMessage(UINT msg, WPARAM, LPARAM lp, LRESULT*) {
  if (msg == WM_NOTIFY && header_ && reinterpret_cast<NMHDR*>(lp)->hwndFrom == header_) {
    auto* nm = reinterpret_cast<NMHEADERW*>(lp);
    // A column dragged narrower than its least width stops there.
    if ((nm->hdr.code == HDN_ITEMCHANGINGW || nm->hdr.code == HDN_ITEMCHANGINGA) && nm->pitem &&
        (nm->pitem->mask & HDI_WIDTH) && nm->iItem >= 0 && nm->iItem < ColumnCount()) {
      nm->pitem->cxy = std::max(nm->pitem->cxy, columns_[nm->iItem].minWidth);
    }
  }
  return false;
}

}  // namespace skinkit
