#include "kit.h"

SkinKitApi KitTest::api;
HMODULE KitTest::dll = nullptr;
SkinHandle KitTest::mainWindow = 0;

namespace {

std::vector<Event> events;

intptr_t SKINKIT_CALL Record(SkinHandle control, int event, intptr_t a, intptr_t) {
  events.push_back(Event{control, event, a, GetFocus()});
  return 0;
}

struct Search {
  std::wstring prefix;
  HWND found;
};

BOOL CALLBACK FindByPrefix(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  if (KitTest::ClassOf(hwnd).rfind(s->prefix, 0) == 0) {
    s->found = hwnd;
    return FALSE;
  }
  EnumChildWindows(hwnd, FindByPrefix, lp);
  return s->found ? FALSE : TRUE;
}

}  // namespace

void KitTest::SetUpTestSuite() {
  if (dll) return;
  wchar_t folder[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  dll = LoadLibraryW((std::wstring(folder) + L"\\SkinKit.dll").c_str());
  ASSERT_NE(dll, nullptr) << "SkinKit.dll not found in the current folder";
#define KIT_RESOLVE(ret, name, params) \
  api.name = reinterpret_cast<decltype(api.name)>(reinterpret_cast<void*>(GetProcAddress(dll, #name)));
  SKINKIT_EXPORTS(KIT_RESOLVE)
#undef KIT_RESOLVE
  ASSERT_EQ(api.SkinKit_Startup(dll), 1);
}

void KitTest::SetUp() {
  ASSERT_NE(dll, nullptr);
  api.SkinKit_SetEventHandler(Record);
  // One main window for every test: destroying a shown top-level window costs
  // Wine about two seconds on a display without a window manager.
  if (!mainWindow) mainWindow = api.CreateControl_SkinWindow(0, -1, 50, 50, 1000, 673);
  window = mainWindow;
  ASSERT_NE(window, 0);
  ClearEvents();
}

void KitTest::TearDown() {
  api.SkinKit_SetEventHandler(nullptr);
  if (HWND host = Host(mainWindow)) {
    while (HWND child = GetWindow(host, GW_CHILD)) DestroyWindow(child);
  }
  Pump();
  ClearEvents();
}

std::vector<Event> KitTest::EventsOf(SkinHandle control) {
  std::vector<Event> out;
  for (const Event& e : events) {
    if (e.control == control) out.push_back(e);
  }
  return out;
}

void KitTest::ClearEvents() { events.clear(); }

std::wstring KitTest::ClassOf(HWND hwnd) {
  wchar_t name[128] = {};
  GetClassNameW(hwnd, name, 128);
  return name;
}

HWND KitTest::Host(SkinHandle control) {
  Search s{L"SkinKit." + std::to_wstring(control) + L".", nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindByPrefix, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND KitTest::Inner(SkinHandle control, const wchar_t* cls) {
  HWND host = Host(control);
  for (HWND child = host ? GetWindow(host, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::wstring name = ClassOf(child);
    for (auto& ch : name) ch = static_cast<wchar_t>(towlower(ch));
    std::wstring want = cls;
    for (auto& ch : want) ch = static_cast<wchar_t>(towlower(ch));
    if (name.find(want) != std::wstring::npos) return child;
  }
  return nullptr;
}

void KitTest::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void KitTest::Click(HWND hwnd, int x, int y) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void KitTest::SetText(SkinHandle c, int number, const char* text) {
  api.Control_SendMessage(c, SKIN_MSG_SET, number, reinterpret_cast<intptr_t>(text));
}

std::string KitTest::GetText(SkinHandle c, int number) {
  const char* text = reinterpret_cast<const char*>(api.Control_SendMessage(c, SKIN_MSG_GET, number, 0));
  return text ? text : "";
}

KitTest::Snapshot KitTest::Shoot(HWND hwnd) {
  Snapshot shot;
  RECT r;
  GetClientRect(hwnd, &r);
  shot.width = r.right;
  shot.height = r.bottom;
  HDC screen = GetDC(hwnd);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  SelectObject(dc, old);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = r.right;
  bi.bmiHeader.biHeight = -r.bottom;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  std::vector<DWORD> bgrx(static_cast<size_t>(r.right) * r.bottom);
  GetDIBits(dc, bitmap, 0, r.bottom, bgrx.data(), &bi, DIB_RGB_COLORS);
  for (DWORD p : bgrx) shot.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(hwnd, screen);
  return shot;
}

COLORREF KitTest::Snapshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  return pixels[static_cast<size_t>(y) * width + x];
}
