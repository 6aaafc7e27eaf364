// SkinKit.dll's one external interface: every function of SKINKIT_EXPORTS,
// cdecl and undecorated. Each one finds its control by handle and hands over
// to the control's class; a handle of the wrong kind or a stale one does
// nothing and reads as 0.
#include <windows.h>
#include <commctrl.h>

#include "toolkit/skinkit.h"
#include "toolkit/win32/control.h"
#include "toolkit/win32/png_image.h"
#include "toolkit/win32/skin_button.h"
#include "toolkit/win32/skin_edit.h"
#include "toolkit/win32/skin_label.h"
#include "toolkit/win32/skin_list.h"
#include "toolkit/win32/skin_menu.h"
#include "toolkit/win32/skin_picture.h"
#include "toolkit/win32/skin_report.h"
#include "toolkit/win32/skin_rich_edit.h"
#include "toolkit/win32/skin_tabs.h"
#include "toolkit/win32/skin_window.h"
#include "toolkit/win32/text.h"

using namespace skinkit;

extern "C" {
#define SKINKIT_DECLARE_EXPORT(ret, name, params) __declspec(dllexport) ret SKINKIT_CALL name params;
SKINKIT_EXPORTS(SKINKIT_DECLARE_EXPORT)
#undef SKINKIT_DECLARE_EXPORT
}

namespace {

template <class T>
T* As(SkinHandle handle, Kind kind) {
  Control* c = Find(handle);
  return c && c->kind == kind ? static_cast<T*>(c) : nullptr;
}

template <class T>
SkinHandle Make(SkinHandle parent, int page, int x, int y, int w, int h) {
  if (!Started() && !Startup()) return 0;
  T* c = new T;
  if (!c->Create(CreateArgs{parent, page, x, y, w, h})) {
    // A host that was made is destroyed with its object; otherwise free it here.
    if (c->host) DestroyWindow(c->host);
    else delete c;
    return 0;
  }
  return c->handle;
}

RECT Box(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

}  // namespace

namespace skinkit {

bool started = false;

bool Started() { return started; }

bool Startup() {
  if (started) return true;
  if (!Module()) {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&Startup), &self);
    SetModule(self);
  }
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  if (!LoadRichEdit()) return false;
  StartImaging();  // pictures are optional: without WIC they just do not show
  started = true;
  return true;
}

}  // namespace skinkit

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    SetModule(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

int SKINKIT_CALL SkinKit_Startup(void* module) {
  if (module) SetModule(static_cast<HINSTANCE>(module));
  return Startup() ? 1 : 0;
}

void SKINKIT_CALL SkinKit_SetEventHandler(SkinEventProc handler) { SetEventHandler(handler); }

SkinHandle SKINKIT_CALL CreateControl_SkinWindow(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinWindow>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinTabs(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinTabs>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinPicture(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinPicture>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinLabel(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinLabel>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinButton(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinButton>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinEdit(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinEdit>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinList(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinList>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinReport(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinReport>(parent, page, x, y, w, h);
}
SkinHandle SKINKIT_CALL CreateControl_SkinRichEdit(SkinHandle parent, int page, int x, int y, int w, int h) {
  return Make<SkinRichEdit>(parent, page, x, y, w, h);
}

void SKINKIT_CALL Control_SetRect(SkinHandle c, int x, int y, int w, int h) {
  Control* control = Find(c);
  if (!control) return;
  MoveWindow(control->host, x, y, w, h, TRUE);
  if (control->parent) control->parent->ChildrenChanged();
}

void SKINKIT_CALL Control_GetRect(SkinHandle c, int* x, int* y, int* w, int* h) {
  RECT r = {0, 0, 0, 0};
  if (Control* control = Find(c)) {
    GetWindowRect(control->host, &r);
    if (HWND container = GetParent(control->host)) MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&r), 2);
  }
  if (x) *x = r.left;
  if (y) *y = r.top;
  if (w) *w = r.right - r.left;
  if (h) *h = r.bottom - r.top;
}

intptr_t SKINKIT_CALL Control_SendMessage(SkinHandle c, int message, int number, intptr_t value) {
  Control* control = Find(c);
  if (!control) return 0;
  if (message == SKIN_MSG_SET) {
    control->Set(number, value);
    return 0;
  }
  if (message == SKIN_MSG_GET) {
    intptr_t out = 0;
    return control->Get(number, &out) ? out : 0;
  }
  return 0;
}

SkinHandle SKINKIT_CALL Control_FromWindow(void* hwnd) {
  Control* c = FromWindow(static_cast<HWND>(hwnd));
  return c ? c->handle : 0;
}

void SKINKIT_CALL Control_SetFocus(SkinHandle c) {
  if (Control* control = Find(c)) SetFocus(control->FocusWindow());
}

void SKINKIT_CALL Control_Destroy(SkinHandle c) {
  if (Control* control = Find(c)) DestroyWindow(control->host);
}

void SKINKIT_CALL Tabs_InsertPage(SkinHandle tabs, int index, const char* title) {
  if (auto* t = As<SkinTabs>(tabs, Kind::Tabs)) t->InsertPage(index, Wide(title));
}

void SKINKIT_CALL Picture_SetImage(SkinHandle picture, const void* png, int length) {
  if (auto* p = As<SkinPicture>(picture, Kind::Picture)) p->SetImage(png, length);
}

void SKINKIT_CALL List_DeleteItems(SkinHandle list, int index) {
  if (auto* l = As<SkinList>(list, Kind::List)) l->DeleteItems(index);
}

void SKINKIT_CALL List_InsertItems(SkinHandle list, int at, int count, int rowHeight, uint32_t colour) {
  if (auto* l = As<SkinList>(list, Kind::List)) l->InsertItems(at, count, rowHeight, colour);
}

void SKINKIT_CALL List_SetItemTitle(SkinHandle list, int row, const char* title) {
  if (auto* l = As<SkinList>(list, Kind::List)) l->SetTitle(row, Wide(title));
}

void SKINKIT_CALL List_SetItemIcon(SkinHandle list, int row, const void* png, int length) {
  if (auto* l = As<SkinList>(list, Kind::List)) l->SetIcon(row, png, length);
}

void SKINKIT_CALL Control_InsertElement(SkinHandle c, int where, int index, int kind) {
  if (kind != SKIN_ELEMENT_TEXT && kind != SKIN_ELEMENT_BUTTON) return;
  if (auto* l = As<SkinList>(c, Kind::List)) l->InsertElement(where, index, kind);
  if (auto* r = As<SkinReport>(c, Kind::Report)) r->InsertElement(where, index, kind);
}

void SKINKIT_CALL Control_SetTextElementAttributes(SkinHandle c, int row, int element, int x, int y, int w, int h,
                                                   const char* face) {
  if (auto* l = As<SkinList>(c, Kind::List)) l->SetElementBox(row, element, Box(x, y, w, h), Wide(face));
}

void SKINKIT_CALL Control_SetTextElementData(SkinHandle c, int row, int element, const char* text, uint32_t colour) {
  if (auto* l = As<SkinList>(c, Kind::List)) l->SetElementData(row, element, Wide(text), colour);
}

void SKINKIT_CALL Control_SetButtonElementAttributes(SkinHandle c, int column, int element, int x, int y, int w,
                                                     int h, const void* skin, int skinLength, const void* font) {
  if (auto* r = As<SkinReport>(c, Kind::Report)) {
    r->SetBadgeBox(column, element, Box(x, y, w, h), ReadLabelSkin(skin, skinLength), FaceOfFontRecord(font));
  }
}

void SKINKIT_CALL Control_SetButtonElementData(SkinHandle c, int row, int column, int element, const char* text,
                                               uint32_t colour) {
  if (auto* r = As<SkinReport>(c, Kind::Report)) r->SetBadge(row, column, element, Wide(text), colour);
}

int SKINKIT_CALL Menu_Create(int, int, const void* skin, const void* font, int, int opacity, SkinMenuProc callback,
                             int) {
  if (!Started() && !Startup()) return 0;
  return MenuCreate(skin, font, opacity, callback);
}

int SKINKIT_CALL Menu_InsertItem(int menu, int index, const char* title, uint32_t colour, int width, int height,
                                 int separator) {
  return MenuInsertItem(menu, index, title, colour, width, height, separator);
}

void SKINKIT_CALL Menu_SetItemDisabled(int menu, int item, int disabled) { MenuSetItemDisabled(menu, item, disabled); }

void SKINKIT_CALL Menu_PopUp(int menu, int, int x, int y) { MenuPopUp(menu, x, y); }

const char* SKINKIT_CALL Menu_GetItemTitle(int menu, int item) { return MenuItemTitle(menu, item); }

void SKINKIT_CALL Menu_Destroy(int menu) { MenuDestroy(menu); }

int SKINKIT_CALL Edit_GetSelectionLength(SkinHandle edit) {
  auto* e = As<SkinEdit>(edit, Kind::Edit);
  return e ? e->SelectionLength() : 0;
}

int SKINKIT_CALL RichEdit_GetSelectionLength(SkinHandle rich) {
  auto* r = As<SkinRichEdit>(rich, Kind::RichEdit);
  return r ? r->SelectionLength() : 0;
}

int SKINKIT_CALL RichEdit_GetCaret(SkinHandle rich) {
  auto* r = As<SkinRichEdit>(rich, Kind::RichEdit);
  return r ? r->Caret() : 0;
}

void SKINKIT_CALL RichEdit_SetCaret(SkinHandle rich, int pos) {
  if (auto* r = As<SkinRichEdit>(rich, Kind::RichEdit)) r->SetCaret(pos);
}

void SKINKIT_CALL RichEdit_SetSelectionLength(SkinHandle rich, int length) {
  if (auto* r = As<SkinRichEdit>(rich, Kind::RichEdit)) r->SetSelectionLength(length);
}

void SKINKIT_CALL RichEdit_EnsureVisible(SkinHandle rich, int pos) {
  if (auto* r = As<SkinRichEdit>(rich, Kind::RichEdit)) r->EnsureVisible(pos);
}

void SKINKIT_CALL RichEdit_SetSelectionFormat(SkinHandle rich, const void* charFormat2W) {
  if (auto* r = As<SkinRichEdit>(rich, Kind::RichEdit)) r->SetSelectionFormat(charFormat2W);
}

void SKINKIT_CALL Report_InsertColumn(SkinHandle report, int index, const char* title, int width, int minWidth,
                                      const void* font, const void* headerFont) {
  if (auto* r = As<SkinReport>(report, Kind::Report)) {
    r->InsertColumn(index, Wide(title), width, minWidth, FaceOfFontRecord(font), FaceOfFontRecord(headerFont));
  }
}

void SKINKIT_CALL Report_DeleteColumn(SkinHandle report, int index) {
  if (auto* r = As<SkinReport>(report, Kind::Report)) r->DeleteColumn(index);
}

void SKINKIT_CALL Report_SetColumnAttributes(SkinHandle report, int index, int width) {
  if (auto* r = As<SkinReport>(report, Kind::Report)) r->SetColumnWidth(index, width);
}

void SKINKIT_CALL Report_InsertRows(SkinHandle report, int at, int count, int rowHeight) {
  if (auto* r = As<SkinReport>(report, Kind::Report)) r->InsertRows(at, count, rowHeight);
}

void SKINKIT_CALL Report_DeleteRows(SkinHandle report, int index) {
  if (auto* r = As<SkinReport>(report, Kind::Report)) r->DeleteRows(index);
}

void SKINKIT_CALL Report_SetCellText(SkinHandle report, int row, int column, const char* text) {
  if (auto* r = As<SkinReport>(report, Kind::Report)) r->SetCellText(row, column, Wide(text));
}
