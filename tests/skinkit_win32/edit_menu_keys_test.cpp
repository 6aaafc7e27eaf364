// The edit menu works by sending keystrokes to the focused box (Ctrl+X, Ctrl+C,
// Delete, Ctrl+V, Ctrl+A); each text box must do the work itself. Every case
// runs twice: as window messages with the key state set, and through
// keybd_event and the message queue, as the workbench sends them.
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "kit.h"

namespace {

struct Key {
  int vk;
  bool ctrl;
  bool alt = false;
};

const Key kCtrlA{'A', true}, kCtrlC{'C', true}, kCtrlX{'X', true}, kCtrlV{'V', true}, kCtrlZ{'Z', true};
const Key kDelete{VK_DELETE, false}, kPlainA{'A', false};

void PutOnClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
  std::memcpy(GlobalLock(memory), text, std::strlen(text) + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void SetKeyDown(int vk, bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[vk] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

// Posted like the keyboard would, translated into characters by the pump
// under the given key state.
void SendAsMessages(HWND box, const Key& key) {
  SetKeyDown(VK_CONTROL, key.ctrl);
  SetKeyDown(VK_MENU, key.alt);
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key.vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(box, key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key.vk, scan | 1 | (key.alt ? 1 << 29 : 0));
  PostMessageW(box, key.alt ? WM_SYSKEYUP : WM_KEYUP, key.vk, scan | 1 | 0xC0000000 | (key.alt ? 1 << 29 : 0));
  KitTest::Pump();
  SetKeyDown(VK_CONTROL, false);
  SetKeyDown(VK_MENU, false);
}

void SendAsKeystrokes(HWND, const Key& key) {
  if (key.ctrl) keybd_event(VK_CONTROL, 0, 0, 0);
  if (key.alt) keybd_event(VK_MENU, 0, 0, 0);
  keybd_event(static_cast<BYTE>(key.vk), 0, 0, 0);
  keybd_event(static_cast<BYTE>(key.vk), 0, KEYEVENTF_KEYUP, 0);
  if (key.alt) keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  if (key.ctrl) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  for (int round = 0; round < 50 && GetQueueStatus(QS_ALLINPUT) != 0; ++round) {
    KitTest::Pump();
    Sleep(2);
  }
  KitTest::Pump();
}

struct Route {
  const char* name;
  void (*send)(HWND box, const Key& key);
};
const Route kRoutes[] = {{"messages", SendAsMessages}, {"keybd_event", SendAsKeystrokes}};

struct KeyCase {
  const char* name;
  std::vector<Key> keys;
  int selectFrom, selectTo;  // within "hello world"
  const char* text;          // afterwards
  const char* clipboard;     // afterwards; "PASTE" was there before
  int changes;               // CHANGED events raised
};

const KeyCase kKeyCases[] = {
    {"copy", {kCtrlC}, 0, 5, "hello world", "hello", 0},
    {"cut", {kCtrlX}, 0, 5, " world", "hello", 1},
    {"paste over the selection", {kCtrlV}, 6, 11, "hello PASTE", "PASTE", 1},
    {"paste at the caret", {kCtrlV}, 5, 5, "helloPASTE world", "PASTE", 1},
    {"delete the selection", {kDelete}, 0, 6, "world", "PASTE", 1},
    {"delete at the caret", {kDelete}, 5, 5, "helloworld", "PASTE", 1},
    {"undo a cut", {kCtrlX, kCtrlZ}, 0, 5, "hello world", "hello", 2},
    {"select all then copy", {kCtrlA, kCtrlC}, 2, 3, "hello world", "hello world", 0},
    {"select all from the caret then delete", {kCtrlA, kDelete}, 4, 4, "", "PASTE", 1},
    {"select all then paste", {kCtrlA, kCtrlV}, 0, 0, "PASTE", "PASTE", 1},
    {"A without Ctrl types", {kPlainA}, 0, 5, "a world", "PASTE", 1},
};

enum class Box { Edit, RichEdit };

void PrintTo(Box box, std::ostream* out) { *out << (box == Box::Edit ? "Edit" : "RichEdit"); }

class EditMenuKeys : public KitTest, public ::testing::WithParamInterface<Box> {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    if (GetParam() == Box::Edit) {
      control = api.CreateControl_SkinEdit(window, -1, 10, 10, 536, 32);
      textNumber = SKIN_PROP_EDIT_TEXT;
    } else {
      control = api.CreateControl_SkinRichEdit(window, -1, 10, 60, 536, 300);
      textNumber = SKIN_PROP_RICH_TEXT;
    }
    ASSERT_NE(control, 0);
    box = GetWindow(Host(control), GW_CHILD);
    ASSERT_NE(box, nullptr);
    ShowWindow(Host(window), SW_SHOWNORMAL);
    SetForegroundWindow(Host(window));
    Pump();
  }

  void Start(int from, int to) {
    SetText(control, textNumber, "hello world");
    SendMessageW(box, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(box, EM_SETSEL, from, to);
    PutOnClipboard("PASTE");
    SetFocus(box);
    Pump();
    ClearEvents();
  }

  int Changes() {
    int n = 0;
    for (const Event& e : EventsOf(control)) n += e.event == SKIN_EVENT_CHANGED;
    return n;
  }

  SkinHandle control = 0;
  int textNumber = 0;
  HWND box = nullptr;
};

TEST_P(EditMenuKeys, EachMenuKeyDoesItsEdit) {
  for (const Route& route : kRoutes) {
    for (const KeyCase& c : kKeyCases) {
      SCOPED_TRACE(std::string(route.name) + ": " + c.name);
      Start(c.selectFrom, c.selectTo);
      for (const Key& key : c.keys) route.send(box, key);
      EXPECT_EQ(GetFocus(), box);
      EXPECT_EQ(GetText(control, textNumber), c.text);
      EXPECT_EQ(ClipboardText(), c.clipboard);
      EXPECT_EQ(Changes(), c.changes);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Boxes, EditMenuKeys, ::testing::Values(Box::Edit, Box::RichEdit),
                         [](const auto& info) { return info.param == Box::Edit ? "Edit" : "RichEdit"; });

class EditSelectAll : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    edit = api.CreateControl_SkinEdit(window, -1, 10, 10, 536, 32);
    ASSERT_NE(edit, 0);
    box = Inner(edit, L"edit");
    ASSERT_NE(box, nullptr);
    SetFocus(box);
  }
  SkinHandle edit = 0;
  HWND box = nullptr;
};

TEST_F(EditSelectAll, CtrlASelectsEveryCharacterWhereverTheCaretWas) {
  struct Case {
    const char* text;
    int from, to;
    int length;
  } cases[] = {{"", 0, 0, 0}, {"abc", 3, 3, 3}, {"中文\\d+", 1, 1, 5}, {"数字：[0-9]", 6, 2, 8}};
  for (const Case& c : cases) {
    SetText(edit, SKIN_PROP_EDIT_TEXT, c.text);
    SendMessageW(box, EM_SETSEL, c.from, c.to);
    ClearEvents();
    SendAsMessages(box, kCtrlA);
    EXPECT_EQ(api.Edit_GetSelectionLength(edit), c.length) << c.text;
    EXPECT_EQ(GetText(edit, SKIN_PROP_EDIT_TEXT), c.text) << "Ctrl+A must not type";
    EXPECT_TRUE(EventsOf(edit).empty()) << c.text;
  }
}

TEST_F(EditSelectAll, CtrlAltAIsNotSelectAll) {
  SetText(edit, SKIN_PROP_EDIT_TEXT, "hello");
  SendMessageW(box, EM_SETSEL, 1, 2);
  SendAsMessages(box, Key{'A', true, true});
  EXPECT_EQ(api.Edit_GetSelectionLength(edit), 1);
}

}  // namespace
