#include "toolkit/win32/skin_menu.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "toolkit/win32/control.h"
#include "toolkit/win32/element.h"
#include "toolkit/win32/text.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {

constexpr int kTextLeft = 16;

struct Item {
  int handle;
  std::wstring title;
  std::string titleAnsi;
  uint32_t colour;
  int width, height;
  bool separator;
};

struct Menu {
  HMENU hmenu = nullptr;
  SkinMenuProc callback = nullptr;
  MenuSkin skin;
  std::wstring face;
  std::vector<Item> items;  // in menu order
};

std::map<int, Menu> menus;
int nextMenu = 1;
int nextItem = 1;

Menu* FindMenu(int menu) {
  auto it = menus.find(menu);
  return it == menus.end() ? nullptr : &it->second;
}

const Item* FindItem(int handle, const Menu** owner = nullptr) {
  for (auto& m : menus) {
    for (const Item& i : m.second.items) {
      if (i.handle == handle) {
        if (owner) *owner = &m.second;
        return &i;
      }
    }
  }
  return nullptr;
}

// Pop-up menus need an owner window for their drawing messages; the main
// window keeps the keyboard focus where it is.
HWND Owner() {
  if (HWND main = MainWindowHost()) return main;
  static HWND hidden = nullptr;
  if (!hidden) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = HostProc;
    wc.hInstance = Module();
    wc.lpszClassName = L"SkinKit.MenuOwner";
    RegisterClassExW(&wc);
    hidden = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                             Module(), nullptr);
  }
  return hidden;
}

}  // namespace

int MenuCreate(const void* skin, const void* font, int, SkinMenuProc callback) {
  Menu m;
  m.hmenu = CreatePopupMenu();
  if (!m.hmenu) return 0;
  m.callback = callback;
  m.skin = ReadMenuSkin(skin);
  m.face = FaceOfFontRecord(font);
  MENUINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = CreateSolidBrush(theme::FromArgb(m.skin.background, RGB(255, 255, 255), RGB(255, 255, 255)));
  SetMenuInfo(m.hmenu, &info);
  int handle = nextMenu++;
  menus[handle] = m;
  return handle;
}

int MenuInsertItem(int menu, int index, const char* title, uint32_t colour, int width, int height, int separator) {
  Menu* m = FindMenu(menu);
  if (!m) return 0;
  Item item{nextItem++, Wide(title), title ? title : "", colour, width, height, separator != 0};
  int at = index < 0 || index > static_cast<int>(m->items.size()) ? static_cast<int>(m->items.size()) : index;
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | MIIM_STATE;
  mii.fType = MFT_OWNERDRAW | (item.separator ? MFT_SEPARATOR : 0);
  mii.wID = static_cast<UINT>(item.handle);
  mii.dwItemData = static_cast<ULONG_PTR>(item.handle);
  mii.fState = MFS_ENABLED;
  if (!InsertMenuItemW(m->hmenu, at, TRUE, &mii)) return 0;
  m->items.insert(m->items.begin() + at, item);
  return item.handle;
}

void MenuSetItemDisabled(int menu, int item, int disabled) {
  Menu* m = FindMenu(menu);
  if (!m) return;
  EnableMenuItem(m->hmenu, static_cast<UINT>(item), MF_BYCOMMAND | (disabled ? MF_GRAYED : MF_ENABLED));
}

void MenuPopUp(int menu, int x, int y) {
  Menu* m = FindMenu(menu);
  if (!m) return;
  HWND owner = Owner();
  SkinMenuProc callback = m->callback;
  UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
      m->hmenu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (chosen != 0 && callback && FindMenu(menu)) callback(menu, SKIN_MENU_CHOSEN, static_cast<int>(chosen), 0, 0, 0);
}

const char* MenuItemTitle(int menu, int item) {
  Menu* m = FindMenu(menu);
  if (!m) return "";
  for (const Item& i : m->items) {
    if (i.handle == item) return i.titleAnsi.c_str();
  }
  return "";
}

void MenuDestroy(int menu) {
  Menu* m = FindMenu(menu);
  if (!m) return;
  MENUINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  GetMenuInfo(m->hmenu, &info);
  DestroyMenu(m->hmenu);
  if (info.hbrBack) DeleteObject(info.hbrBack);
  menus.erase(menu);
}

bool MenuMeasure(MEASUREITEMSTRUCT* mis) {
  const Menu* m = nullptr;
  const Item* item = FindItem(static_cast<int>(mis->itemData), &m);
  if (!item) return false;
  if (item->separator) {
    mis->itemWidth = std::max(item->width, 20);
    mis->itemHeight = std::max(item->height, 1) + 8;
    return true;
  }
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, theme::Font(m->face, theme::kTextHeight));
  SIZE size = {};
  GetTextExtentPoint32W(dc, item->title.c_str(), static_cast<int>(item->title.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  mis->itemWidth = std::max<int>(item->width, size.cx + 2 * kTextLeft);
  mis->itemHeight = std::max(item->height, 20);
  return true;
}

bool MenuDraw(const DRAWITEMSTRUCT* dis) {
  const Menu* m = nullptr;
  const Item* item = FindItem(static_cast<int>(dis->itemData), &m);
  if (!item) return false;
  HDC dc = dis->hDC;
  RECT r = dis->rcItem;
  const COLORREF white = RGB(255, 255, 255);
  COLORREF back = theme::FromArgb(m->skin.background, white, white);
  if (item->separator) {
    theme::Fill(dc, r, back);
    RECT line = {r.left + 10, (r.top + r.bottom) / 2, r.right - 10, (r.top + r.bottom) / 2 + 1};
    theme::Fill(dc, line, theme::FromArgb(item->colour, back, theme::kHeaderLine));
    return true;
  }
  bool disabled = (dis->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  bool hot = (dis->itemState & ODS_SELECTED) != 0 && !disabled;
  COLORREF fill = hot ? theme::FromArgb(m->skin.highlight, back, theme::kHoverBack) : back;
  theme::Fill(dc, r, fill);
  COLORREF text = theme::FromArgb(item->colour, fill, theme::kText);
  if (hot) text = theme::FromArgb(m->skin.highlightText, fill, text);
  if (disabled) text = theme::Mix(fill, text, 35);
  RECT t = r;
  t.left += kTextLeft;
  theme::Text(dc, item->title, t, theme::Font(m->face, theme::kTextHeight), text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  return true;
}

}  // namespace skinkit
