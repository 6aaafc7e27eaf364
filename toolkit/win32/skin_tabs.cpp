#include "toolkit/win32/skin_tabs.h"

#include "toolkit/win32/text.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_LBUTTONDOWN) SetFocus(hwnd);  // a click on the bare page closes pop-up lists
  return DefWindowProcW(hwnd, msg, wp, lp);
}

const wchar_t* PageClass() {
  static const wchar_t kName[] = L"SkinKit.Page";
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PageProc;
    wc.hInstance = Module();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(theme::kPanelBack);
    wc.lpszClassName = kName;
    registered = RegisterClassExW(&wc) != 0;
  }
  return kName;
}

}  // namespace

HWND SkinTabs::MakePage(const std::wstring& title) {
  RECT r;
  GetClientRect(host, &r);
  return CreateWindowExW(0, PageClass(), title.c_str(), WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 1, 1,
                         r.right - 2, r.bottom - 2, host, nullptr, Module(), nullptr);
}

void SkinTabs::InsertPage(int index, const std::wstring& title) {
  if (index >= 0 && index < static_cast<int>(pages_.size()) && !pages_[index].titled) {
    // A page that controls asked for before it was inserted.
    SetWindowTextW(pages_[index].hwnd, title.c_str());
    pages_[index].titled = true;
    return;
  }
  if (index < 0 || index > static_cast<int>(pages_.size())) index = static_cast<int>(pages_.size());
  pages_.insert(pages_.begin() + index, Page{MakePage(title), true});
  if (current_ >= index) ++current_;
  if (current_ < 0) Show(0);
}

HWND SkinTabs::ContainerFor(int page) {
  if (page < 0) page = 0;
  while (static_cast<int>(pages_.size()) <= page) pages_.push_back(Page{MakePage(L""), false});
  if (current_ < 0) Show(0);
  return pages_[page].hwnd;
}

void SkinTabs::Show(int page) {
  if (page < 0 || page >= static_cast<int>(pages_.size())) return;
  current_ = page;
  for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
    ShowWindow(pages_[i].hwnd, i == page ? SW_SHOWNA : SW_HIDE);
  }
}

bool SkinTabs::Set(int number, intptr_t value) {
  if (number == SKIN_PROP_CURRENT) {
    Show(static_cast<int>(value));
    return true;
  }
  return Control::Set(number, value);
}

bool SkinTabs::Get(int number, intptr_t* value) {
  if (number == SKIN_PROP_CURRENT) {
    *value = current_;
    return true;
  }
  return Control::Get(number, value);
}

void SkinTabs::Layout() {
  RECT r;
  GetClientRect(host, &r);
  for (const Page& p : pages_) MoveWindow(p.hwnd, 1, 1, r.right - 2, r.bottom - 2, TRUE);
}

void SkinTabs::Paint(HDC dc, const RECT& client) {
  theme::Fill(dc, client, theme::kPanelBack);
  theme::Frame(dc, client, theme::kPanelBorder);
}

}  // namespace skinkit
