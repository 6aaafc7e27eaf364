// Keystrokes sent through platform::SendKey, as the edit menu sends them, edit
// the focused box and the clipboard.
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "platform/platform.h"

namespace toolkit::headless::testing {
namespace {

constexpr int kCtrl = 0x11, kDelete = 0x2E, kBackspace = 0x08;

// A press and release, with Ctrl held around it when asked.
void Stroke(int key, bool ctrl) {
  if (ctrl) platform::SendKey(kCtrl, false);
  platform::SendKey(key, false);
  platform::SendKey(key, true);
  if (ctrl) platform::SendKey(kCtrl, true);
}

struct KeyCase {
  const char* name;
  bool rich;
  const char* text;
  int start, length;     // the selection before, in box positions
  const char* clipboard;
  int key;
  bool ctrl;
  const char* textAfter;
  const char* clipboardAfter;
  int caretAfter, lengthAfter;
  bool changed;
};

// Rich subject "ab" CR LF "cd": a0 b1 break2 c3 d4.
const KeyCase kKeyCases[] = {
    {"cut takes the break with it", true, "ab\r\ncd", 1, 2, "old", 'X', true, "acd", "b\r\n", 1, 0, true},
    {"copy hands the break out as CR LF", true, "ab\r\ncd", 1, 2, "old", 'C', true, "ab\r\ncd", "b\r\n", 1, 2, false},
    {"copy without a selection keeps the clipboard", true, "ab\r\ncd", 1, 0, "old", 'C', true, "ab\r\ncd", "old", 1, 0, false},
    {"cut without a selection does nothing", true, "ab\r\ncd", 1, 0, "old", 'X', true, "ab\r\ncd", "old", 1, 0, false},
    {"paste inserts at the caret", true, "ab\r\ncd", 1, 0, "x\ny", 'V', true, "ax\r\nyb\r\ncd", "x\ny", 4, 0, true},
    {"paste replaces the selection", true, "ab\r\ncd", 0, 5, "z", 'V', true, "z", "z", 1, 0, true},
    {"paste of an empty clipboard does nothing", true, "ab", 0, 2, "", 'V', true, "ab", "", 0, 2, false},
    {"select all", true, "ab\r\ncd", 3, 0, "", 'A', true, "ab\r\ncd", "", 0, 5, false},
    {"delete removes the selection", true, "ab\r\ncd", 1, 3, "", kDelete, false, "ad", "", 1, 0, true},
    {"delete without a selection takes the next break", true, "ab\r\ncd", 2, 0, "", kDelete, false, "abcd", "", 2, 0, true},
    {"delete at the end does nothing", true, "ab", 2, 0, "", kDelete, false, "ab", "", 2, 0, false},
    {"backspace takes the character before", true, "ab\r\ncd", 3, 0, "", kBackspace, false, "abcd", "", 2, 0, true},
    {"backspace at the start does nothing", true, "ab", 0, 0, "", kBackspace, false, "ab", "", 0, 0, false},
    {"a letter without Ctrl types nothing", true, "ab", 0, 2, "q", 'V', false, "ab", "q", 0, 2, false},
    {"one-line box pastes the first line only", false, "ab", 2, 0, "x\r\ny", 'V', true, "abx", "x\r\ny", 3, 0, true},
    {"one-line box cut", false, "abc", 0, 2, "", 'X', true, "c", "ab", 0, 0, true},
};

using KeystrokesTest = HeadlessTest;

TEST_F(KeystrokesTest, EditKeysActOnTheFocusedBox) {
  for (const KeyCase& c : kKeyCases) {
    SCOPED_TRACE(c.name);
    SkinHandle box = c.rich ? subject : pattern;
    SetText(box, c.text);
    ASSERT_TRUE(SelectText(box, c.start, c.length));
    platform::posix::SetClipboardText(c.clipboard);
    ClearEvents();
    Stroke(c.key, c.ctrl);
    EXPECT_EQ(BoxText(box), c.textAfter);
    EXPECT_EQ(platform::ClipboardText(), c.clipboardAfter);
    EXPECT_EQ(Caret(box), c.caretAfter);
    EXPECT_EQ(SelectionLength(box), c.lengthAfter);
    EXPECT_EQ(CountEvents(box, SKIN_EVENT_CHANGED), c.changed ? 1 : 0);
  }
}

TEST_F(KeystrokesTest, KeysReachOnlyTheFocusedControl) {
  SetText(pattern, "pp");
  SetText(subject, "ss");
  ASSERT_TRUE(SelectText(pattern, 0, 2));
  ASSERT_TRUE(SelectText(subject, 0, 2));  // the subject box now holds the focus
  Stroke(kDelete, false);
  EXPECT_EQ(BoxText(subject), "");
  EXPECT_EQ(BoxText(pattern), "pp");
  // A focused list box takes no edit keys.
  kit.Control_SetFocus(list);
  SetText(pattern, "pp");
  Stroke(kDelete, false);
  EXPECT_EQ(BoxText(pattern), "pp");
}

TEST_F(KeystrokesTest, KeysAreLostOnceTheWindowIsGone) {
  SetText(subject, "ss");
  ASSERT_TRUE(SelectText(subject, 0, 2));
  kit.Control_Destroy(window);
  Stroke(kDelete, false);
  EXPECT_EQ(BoxText(subject), "ss");
}

TEST_F(KeystrokesTest, ReleasingCtrlEndsTheShortcut) {
  SetText(subject, "ab");
  ASSERT_TRUE(SelectText(subject, 0, 1));
  platform::posix::SetClipboardText("old");
  Stroke('C', true);
  ASSERT_EQ(platform::ClipboardText(), "a");
  ASSERT_TRUE(SelectText(subject, 1, 1));
  Stroke('C', false);
  EXPECT_EQ(platform::ClipboardText(), "a");
}

TEST_F(KeystrokesTest, ResettingThePlatformAndTheKitReconnectsTheKeys) {
  platform::posix::ResetForTest();
  ResetHeadlessKit();
  SkinHandle main = kit.CreateControl_SkinWindow(0, -1, 0, 0, 100, 100);
  SkinHandle box = kit.CreateControl_SkinRichEdit(main, -1, 0, 0, 50, 50);
  SetText(box, "ab");
  ASSERT_TRUE(SelectText(box, 0, 1));
  Stroke(kDelete, false);
  EXPECT_EQ(BoxText(box), "b");
}

}  // namespace
}  // namespace toolkit::headless::testing
