#include "kit.h"

namespace {

class EditTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    edit = api.CreateControl_SkinEdit(window, -1, 10, 10, 536, 32);
    ASSERT_NE(edit, 0);
    box = Inner(edit, L"edit");
    ASSERT_NE(box, nullptr);
    ClearEvents();
  }
  SkinHandle edit = 0;
  HWND box = nullptr;
};

TEST_F(EditTest, TextRoundTripsInGbk) {
  for (const char* text : {"", "abc", "中文\\d+", "数字：[0-9]"}) {
    SetText(edit, SKIN_PROP_EDIT_TEXT, text);
    EXPECT_EQ(GetText(edit, SKIN_PROP_EDIT_TEXT), text);
  }
  SetText(edit, SKIN_PROP_EDIT_TEXT, "中文");
  EXPECT_EQ(GetWindowTextLengthW(box), 2);  // two characters, not four bytes
}

TEST_F(EditTest, ProgramSetTextRaisesOneChangeEvenWhenEqual) {
  SetText(edit, SKIN_PROP_EDIT_TEXT, "a");
  SetText(edit, SKIN_PROP_EDIT_TEXT, "a");
  SetText(edit, SKIN_PROP_EDIT_TEXT, "");
  std::vector<Event> got = EventsOf(edit);
  ASSERT_EQ(got.size(), 3u);
  for (const Event& e : got) EXPECT_EQ(e.event, SKIN_EVENT_CHANGED);
}

TEST_F(EditTest, TypingRaisesChange) {
  SetFocus(box);
  SendMessageW(box, WM_CHAR, L'q', 0);
  std::vector<Event> got = EventsOf(edit);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].event, SKIN_EVENT_CHANGED);
  EXPECT_EQ(GetText(edit, SKIN_PROP_EDIT_TEXT), "q");
}

TEST_F(EditTest, SelectionLengthCountsCharacters) {
  SetText(edit, SKIN_PROP_EDIT_TEXT, "中文ab");
  struct Case { int from, to, length; } cases[] = {{0, 0, 0}, {0, 2, 2}, {1, 4, 3}, {4, 1, 3}};
  for (const Case& c : cases) {
    SendMessageW(box, EM_SETSEL, c.from, c.to);
    EXPECT_EQ(api.Edit_GetSelectionLength(edit), c.length) << c.from << ".." << c.to;
  }
}

TEST_F(EditTest, RightClickComesAfterTheBoxTookTheFocus) {
  SetFocus(Host(window));
  SendMessageW(box, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
  SendMessageW(box, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
  std::vector<Event> got = EventsOf(edit);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].event, SKIN_EVENT_RIGHT_CLICK);
  EXPECT_EQ(got[0].focus, box);
}

TEST_F(EditTest, TextStopsShortOfAShownClearButton) {
  SkinHandle clear = api.CreateControl_SkinButton(edit, -1, 502, 0, 32, 28);
  ASSERT_NE(clear, 0);
  EXPECT_EQ(GetParent(Host(clear)), Host(edit));
  RECT r;
  GetWindowRect(box, &r);
  MapWindowPoints(nullptr, Host(edit), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_LE(r.right, 502);
  api.Control_SendMessage(clear, SKIN_MSG_SET, SKIN_PROP_VISIBLE, 0);
  GetWindowRect(box, &r);
  MapWindowPoints(nullptr, Host(edit), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_GT(r.right, 502);
}

}  // namespace
