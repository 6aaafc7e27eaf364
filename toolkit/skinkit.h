/* The SkinKit toolkit's C interface, as the workbench calls it.

   SkinKit.dll exports every function of SKINKIT_EXPORTS under its own name; the
   loader (skinkit_loader.h) resolves them by name into one SkinKitApi table, and
   the headless toolkit fills the same table with in-memory functions, so the
   workbench runs unchanged on both.

   Model:
   - Every control is a SkinHandle (0 = none). Controls are made by
     CreateControl_<class>(parent, page, x, y, width, height); parent 0 makes the
     main window. For a control on a tab page, parent is the SkinTabs control
     and page its page index; otherwise page is -1.
   - Left, top, width and height belong to the control's host window:
     Control_SetRect / Control_GetRect. Everything else is a numbered property
     of SkinProperty, set with Control_SendMessage(c, SKIN_MSG_SET, number,
     value) and read with Control_SendMessage(c, SKIN_MSG_GET, number, 0).
   - Texts are NUL-terminated bytes in the ANSI code page (GBK). A text value is
     passed as a pointer cast to intptr_t. A text read returns a pointer to a
     buffer owned by the control, valid until the next text read of that
     control. The rich-text box hands its text out with CR LF line breaks and
     counts one position per line break (box positions).
   - A control whose text the program sets raises SKIN_EVENT_CHANGED as typing
     does. All events of all controls reach the one SkinEventProc.
   - Colours given here are ARGB (0xAARRGGBB); the rich-text box's character
     formats are CHARFORMAT2W records (116 bytes) passed by pointer.
*/
#ifndef VINTREL_TOOLKIT_SKINKIT_H
#define VINTREL_TOOLKIT_SKINKIT_H

#include <stdint.h>

#ifdef _WIN32
#define SKINKIT_CALL __cdecl
#else
#define SKINKIT_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef intptr_t SkinHandle;

/* Messages of Control_SendMessage. */
enum { SKIN_MSG_SET = 10241, SKIN_MSG_GET = 10242 };

/* Property numbers. */
enum SkinProperty {
  SKIN_PROP_VISIBLE = 0,          /* every control: 1 shown, 0 hidden */
  SKIN_PROP_CURRENT = 8,          /* list box: current item; report: current row; tabs: page; -1 none */
  SKIN_PROP_TEXT_COLOUR = 10,     /* button, label: text colour (ARGB) */
  SKIN_PROP_FACE = 11,            /* button, label: font face name (text) */
  SKIN_PROP_TITLE = 12,           /* label, button, window caption: title (text) */
  SKIN_PROP_DEFAULT_FORMAT = 13,  /* rich-text box: default character format (CHARFORMAT2W*) */
  SKIN_PROP_LINE_WRAP = 19,       /* rich-text box: 1 wraps long lines */
  SKIN_PROP_RICH_TEXT = 28,       /* rich-text box: the whole text (text, CR LF) */
  SKIN_PROP_EDIT_TEXT = 30        /* edit box: the whole text (text) */
};

/* Events, with the meaning of their two arguments. */
enum SkinEvent {
  SKIN_EVENT_CHANGED = 1,     /* edit box, rich-text box: the text changed */
  SKIN_EVENT_CLICKED = 2,     /* button, label: clicked */
  SKIN_EVENT_PRESSED = 3,     /* button: the mouse button went down on it */
  SKIN_EVENT_HOVER = 4,       /* button: a = 1 the pointer entered, 0 it left */
  SKIN_EVENT_RIGHT_CLICK = 5, /* edit box, rich-text box: right-clicked (focus already given) */
  SKIN_EVENT_ITEM_CHOSEN = 6, /* list box: the user made row a the current item */
  SKIN_EVENT_FOCUS_LOST = 7,  /* list box: lost the keyboard focus */
  SKIN_EVENT_ROW_CLICKED = 8, /* report list: a row was clicked in column a (the row is current) */
  SKIN_EVENT_DESTROYED = 9    /* main window: destroyed; the message loop ends */
};

/* Element kinds of Control_InsertElement. */
enum { SKIN_ELEMENT_TEXT = 1, SKIN_ELEMENT_BUTTON = 2 };

/* Menu callback message: an item was chosen. */
enum { SKIN_MENU_CHOSEN = 650 };

typedef intptr_t(SKINKIT_CALL *SkinEventProc)(SkinHandle control, int event, intptr_t a, intptr_t b);
typedef int(SKINKIT_CALL *SkinMenuProc)(int menu, int message, int item, int, int, int);

/* X(return type, name, parameter list) for every export. */
#define SKINKIT_EXPORTS(X)                                                                   \
  /* Start-up: non-zero when the toolkit is ready. module: the DLL's own handle. */          \
  X(int, SkinKit_Startup, (void *module))                                                    \
  X(void, SkinKit_SetEventHandler, (SkinEventProc handler))                                  \
  /* Controls. */                                                                            \
  X(SkinHandle, CreateControl_SkinWindow, (SkinHandle parent, int page, int x, int y, int w, int h))   \
  X(SkinHandle, CreateControl_SkinTabs, (SkinHandle parent, int page, int x, int y, int w, int h))     \
  X(SkinHandle, CreateControl_SkinPicture, (SkinHandle parent, int page, int x, int y, int w, int h))  \
  X(SkinHandle, CreateControl_SkinLabel, (SkinHandle parent, int page, int x, int y, int w, int h))    \
  X(SkinHandle, CreateControl_SkinButton, (SkinHandle parent, int page, int x, int y, int w, int h))   \
  X(SkinHandle, CreateControl_SkinEdit, (SkinHandle parent, int page, int x, int y, int w, int h))     \
  X(SkinHandle, CreateControl_SkinList, (SkinHandle parent, int page, int x, int y, int w, int h))     \
  X(SkinHandle, CreateControl_SkinReport, (SkinHandle parent, int page, int x, int y, int w, int h))   \
  X(SkinHandle, CreateControl_SkinRichEdit, (SkinHandle parent, int page, int x, int y, int w, int h)) \
  X(void, Control_SetRect, (SkinHandle c, int x, int y, int w, int h))                       \
  X(void, Control_GetRect, (SkinHandle c, int *x, int *y, int *w, int *h))                   \
  X(intptr_t, Control_SendMessage, (SkinHandle c, int message, int number, intptr_t value))  \
  /* The control whose host window (or inner native window) is hwnd; 0 if none. */          \
  X(SkinHandle, Control_FromWindow, (void *hwnd))                                            \
  X(void, Control_SetFocus, (SkinHandle c))                                                  \
  /* Destroying the main window ends the message loop (SKIN_EVENT_DESTROYED). */            \
  X(void, Control_Destroy, (SkinHandle c))                                                   \
  /* Tabs and picture. */                                                                    \
  X(void, Tabs_InsertPage, (SkinHandle tabs, int index, const char *title))                  \
  X(void, Picture_SetImage, (SkinHandle picture, const void *png, int length))               \
  /* List box rows. index -1: all rows; colour 0: the toolkit's default text colour. */     \
  X(void, List_DeleteItems, (SkinHandle list, int index))                                    \
  X(void, List_InsertItems, (SkinHandle list, int at, int count, int rowHeight, uint32_t colour)) \
  X(void, List_SetItemTitle, (SkinHandle list, int row, const char *title))                  \
  /* PNG bytes; length 0 removes the icon. */                                                \
  X(void, List_SetItemIcon, (SkinHandle list, int row, const void *png, int length))         \
  /* Elements: per row of a list box (where = row, -1 every row) or per column of a report. */ \
  X(void, Control_InsertElement, (SkinHandle c, int where, int index, int kind))             \
  X(void, Control_SetTextElementAttributes, (SkinHandle c, int row, int element, int x, int y, int w, int h, const char *face)) \
  X(void, Control_SetTextElementData, (SkinHandle c, int row, int element, const char *text, uint32_t colour)) \
  X(void, Control_SetButtonElementAttributes, (SkinHandle c, int column, int element, int x, int y, int w, int h, const void *skin, int skinLength, const void *font)) \
  /* A cell's badge: text and colour; an empty text hides it. */                            \
  X(void, Control_SetButtonElementData, (SkinHandle c, int row, int column, int element, const char *text, uint32_t colour)) \
  /* Menus. */                                                                               \
  X(int, Menu_Create, (int, int, const void *skin, const void *font, int, int opacity, SkinMenuProc callback, int)) \
  X(int, Menu_InsertItem, (int menu, int index, const char *title, uint32_t colour, int width, int height, int separator)) \
  X(void, Menu_SetItemDisabled, (int menu, int item, int disabled))                          \
  X(void, Menu_PopUp, (int menu, int, int x, int y))                                         \
  X(const char *, Menu_GetItemTitle, (int menu, int item))                                   \
  X(void, Menu_Destroy, (int menu))                                                          \
  /* Text boxes; positions are box positions. */                                            \
  X(int, Edit_GetSelectionLength, (SkinHandle edit))                                         \
  X(int, RichEdit_GetSelectionLength, (SkinHandle rich))                                     \
  X(int, RichEdit_GetCaret, (SkinHandle rich))                                               \
  /* An empty selection at pos. */                                                           \
  X(void, RichEdit_SetCaret, (SkinHandle rich, int pos))                                     \
  /* Extends the selection from the caret. */                                                \
  X(void, RichEdit_SetSelectionLength, (SkinHandle rich, int length))                        \
  X(void, RichEdit_EnsureVisible, (SkinHandle rich, int pos))                                \
  X(void, RichEdit_SetSelectionFormat, (SkinHandle rich, const void *charFormat2W))          \
  /* Report list. index -1: all columns / rows. */                                           \
  X(void, Report_InsertColumn, (SkinHandle report, int index, const char *title, int width, int minWidth, const void *font, const void *headerFont)) \
  X(void, Report_DeleteColumn, (SkinHandle report, int index))                               \
  X(void, Report_SetColumnAttributes, (SkinHandle report, int index, int width))             \
  X(void, Report_InsertRows, (SkinHandle report, int at, int count, int rowHeight))          \
  X(void, Report_DeleteRows, (SkinHandle report, int index))                                 \
  X(void, Report_SetCellText, (SkinHandle report, int row, int column, const char *text))

typedef struct SkinKitApi {
#define SKINKIT_API_FIELD(ret, name, params) ret(SKINKIT_CALL *name) params;
  SKINKIT_EXPORTS(SKINKIT_API_FIELD)
#undef SKINKIT_API_FIELD
} SkinKitApi;

#ifdef __cplusplus
}
#endif

#endif
