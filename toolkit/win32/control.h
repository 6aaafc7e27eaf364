// Every SkinKit control is a Control: a host window of its own class
// "SkinKit.<handle>.<ClassName>" that the workbench places, plus, for most
// kinds, one native window inside it (the inner window) that does the work.
//
// One static window procedure serves every host: it maps the HWND to its
// object and forwards the message. Objects die with their host (WM_NCDESTROY)
// but are freed only when no window message of the toolkit is running any
// more, so a handler that destroys the window it was called from is safe.
// Handles count from 1 and are never reused; a stale handle finds nothing.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/skinkit.h"

namespace skinkit {

enum class Kind { Window, Tabs, Picture, Label, Button, Edit, List, Report, RichEdit };

struct CreateArgs {
  SkinHandle parent;
  int page;
  int x, y, width, height;
};

class Control {
 public:
  Control(Kind kind, const wchar_t* className) : kind(kind), className_(className) {}
  virtual ~Control() = default;

  // Makes the host (in the parent's container for the page) and the inner window.
  bool Create(const CreateArgs& args);

  // Property numbers of skinkit.h; false: not a property of this kind.
  virtual bool Set(int number, intptr_t value);
  virtual bool Get(int number, intptr_t* value);

  // The window that children on page `page` are made in.
  virtual HWND ContainerFor(int page) { (void)page; return host; }
  virtual HWND FocusWindow() const { return inner ? inner : host; }
  // The colour that transparent children paint behind themselves.
  virtual COLORREF Background() const;
  // Called when a child's place or visibility changed.
  virtual void ChildrenChanged() {}

  // Forwards an event to the workbench's handler.
  intptr_t Raise(int event, intptr_t a = 0, intptr_t b = 0);
  COLORREF ParentBackground() const;
  // Keeps a text read valid until the next one of this control.
  const char* HandOut(const std::wstring& text);
  // The toolkit's own messages to the inner window go straight to its class
  // procedure: under Wine every message through the subclass costs three
  // window-property look-ups in the server, and the subclass only watches
  // input, focus and paint.
  LRESULT Native(UINT msg, WPARAM wp, LPARAM lp);

  SkinHandle handle = 0;
  const Kind kind;
  Control* parent = nullptr;
  HWND host = nullptr;
  HWND inner = nullptr;

 protected:
  virtual DWORD HostStyle() const { return WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS; }
  virtual DWORD HostExStyle() const { return 0; }
  virtual UINT ClassStyle() const { return CS_DBLCLKS; }
  // Makes the inner window, once the host exists.
  virtual void OnCreated() {}
  virtual void Layout() {}
  virtual void Paint(HDC dc, const RECT& client);
  // Everything the host receives; the default paints, lays out and defers.
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Makes a native child that fills the host and belongs to this control.
  HWND MakeInner(const wchar_t* cls, DWORD style, DWORD exStyle = 0);

 private:
  friend LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK InnerProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  // Messages of the inner window before it handles them; true: handled.
  virtual bool OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

  const wchar_t* className_;
  std::string handedOut_;
  WNDPROC innerProc_ = nullptr;
};

// The toolkit's global state.
HINSTANCE Module();
void SetModule(HINSTANCE module);
bool Started();
bool Startup();
void SetEventHandler(SkinEventProc handler);

Control* Find(SkinHandle handle);
Control* FromWindow(HWND hwnd);
// The first living main window (made with parent 0), or null.
HWND MainWindowHost();

LRESULT CALLBACK HostProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK InnerProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// Owner-drawn menus: the host procedure routes their measure and draw here.
bool MenuMeasure(MEASUREITEMSTRUCT* mis);
bool MenuDraw(const DRAWITEMSTRUCT* dis);

}  // namespace skinkit
