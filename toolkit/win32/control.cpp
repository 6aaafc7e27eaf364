#include "toolkit/win32/control.h"

#include <commctrl.h>

#include <unordered_map>
#include <vector>

#include "toolkit/win32/text.h"
#include "toolkit/win32/theme.h"

namespace skinkit {

namespace {

HINSTANCE module = nullptr;
SkinEventProc eventHandler = nullptr;
std::vector<Control*> controls(1, nullptr);  // by handle; 0 is none
std::unordered_map<HWND, Control*> windows;
// Objects whose windows are gone, freed when no toolkit message runs.
std::vector<Control*> graveyard;
int messageDepth = 0;

struct DepthGuard {
  DepthGuard() { ++messageDepth; }
  ~DepthGuard() {
    if (--messageDepth == 0 && !graveyard.empty()) {
      std::vector<Control*> dead;
      dead.swap(graveyard);
      for (Control* c : dead) delete c;
    }
  }
};

void Forget(Control* c) {
  if (c->inner) windows.erase(c->inner);
  windows.erase(c->host);
  if (c->handle > 0 && c->handle < static_cast<SkinHandle>(controls.size())) controls[c->handle] = nullptr;
  for (Control* other : controls) {
    if (other && other->parent == c) other->parent = nullptr;
  }
  graveyard.push_back(c);
}

}  // namespace

HINSTANCE Module() { return module; }
void SetModule(HINSTANCE m) { module = m; }
void SetEventHandler(SkinEventProc handler) { eventHandler = handler; }

Control* Find(SkinHandle handle) {
  if (handle <= 0 || handle >= static_cast<SkinHandle>(controls.size())) return nullptr;
  return controls[handle];
}

Control* FromWindow(HWND hwnd) {
  auto it = windows.find(hwnd);
  return it == windows.end() ? nullptr : it->second;
}

HWND MainWindowHost() {
  for (Control* c : controls) {
    if (c && c->kind == Kind::Window && !c->parent && c->host) return c->host;
  }
  return nullptr;
}

bool Control::Create(const CreateArgs& args) {
  if (args.parent != 0) {
    parent = Find(args.parent);
    if (!parent) return false;
  }
  HWND container = parent ? parent->ContainerFor(args.page) : nullptr;
  if (parent && !container) return false;

  handle = static_cast<SkinHandle>(controls.size());
  wchar_t name[64];
  wsprintfW(name, L"SkinKit.%d.%s", static_cast<int>(handle), className_);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = ClassStyle();
  wc.lpfnWndProc = HostProc;
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  if (!RegisterClassExW(&wc)) return false;
  controls.push_back(this);

  DWORD style = HostStyle();
  if (!parent) style &= ~WS_CHILD;
  host = CreateWindowExW(HostExStyle(), name, L"", style, args.x, args.y, args.width, args.height, container,
                         nullptr, module, this);
  if (!host) {
    controls.back() = nullptr;
    return false;
  }
  OnCreated();
  Layout();
  if (parent) parent->ChildrenChanged();
  return true;
}

HWND Control::MakeInner(const wchar_t* cls, DWORD style, DWORD exStyle) {
  RECT r;
  GetClientRect(host, &r);
  inner = CreateWindowExW(exStyle, cls, L"", style | WS_CHILD | WS_VISIBLE, 0, 0, r.right, r.bottom, host, nullptr,
                          module, nullptr);
  if (inner) {
    windows[inner] = this;
    innerProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(inner, GWLP_WNDPROC));
    SetWindowSubclass(inner, InnerProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  return inner;
}

LRESULT Control::Native(UINT msg, WPARAM wp, LPARAM lp) {
  if (!inner) return 0;
  if (!innerProc_) return SendMessageW(inner, msg, wp, lp);
  return CallWindowProcW(innerProc_, inner, msg, wp, lp);
}

bool Control::Set(int number, intptr_t value) {
  if (number != SKIN_PROP_VISIBLE) return false;
  ShowWindow(host, value ? SW_SHOWNA : SW_HIDE);
  if (parent) parent->ChildrenChanged();
  return true;
}

bool Control::Get(int number, intptr_t* value) {
  if (number != SKIN_PROP_VISIBLE) return false;
  *value = (GetWindowLongW(host, GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
  return true;
}

COLORREF Control::Background() const { return theme::kPanelBack; }

COLORREF Control::ParentBackground() const { return parent ? parent->Background() : theme::kWindowBack; }

intptr_t Control::Raise(int event, intptr_t a, intptr_t b) {
  return eventHandler ? eventHandler(handle, event, a, b) : 0;
}

const char* Control::HandOut(const std::wstring& text) {
  handedOut_ = Ansi(text);
  return handedOut_.c_str();
}

void Control::Paint(HDC dc, const RECT& client) { theme::Fill(dc, client, ParentBackground()); }

LRESULT Control::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      theme::BufferedPaint paint(host);
      Paint(paint.dc(), paint.client());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(host, &client);
      Paint(reinterpret_cast<HDC>(wp), client);
      return 0;
    }
    case WM_SIZE:
      Layout();
      return 0;
  }
  return DefWindowProcW(host, msg, wp, lp);
}

bool Control::OnInnerMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DepthGuard guard;
  if (msg == WM_NCCREATE) {
    auto* c = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (c) {
      c->host = hwnd;
      windows[hwnd] = c;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (msg == WM_MEASUREITEM && reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->CtlType == ODT_MENU) {
    return MenuMeasure(reinterpret_cast<MEASUREITEMSTRUCT*>(lp)) ? TRUE : FALSE;
  }
  if (msg == WM_DRAWITEM && reinterpret_cast<DRAWITEMSTRUCT*>(lp)->CtlType == ODT_MENU) {
    return MenuDraw(reinterpret_cast<DRAWITEMSTRUCT*>(lp)) ? TRUE : FALSE;
  }
  Control* c = FromWindow(hwnd);
  if (!c || c->host != hwnd) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    LRESULT r = DefWindowProcW(hwnd, msg, wp, lp);
    Forget(c);
    return r;
  }
  return c->OnMessage(msg, wp, lp);
}

LRESULT CALLBACK InnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  DepthGuard guard;
  auto* c = reinterpret_cast<Control*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, InnerProc, 1);
    windows.erase(hwnd);
    if (c->inner == hwnd) c->inner = nullptr;
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (c->OnInnerMessage(msg, wp, lp, &result)) return result;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace skinkit
