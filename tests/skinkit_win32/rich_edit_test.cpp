#include "kit.h"

#include <richedit.h>

namespace {

class RichEditTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    rich = api.CreateControl_SkinRichEdit(window, -1, 10, 10, 400, 200);
    ASSERT_NE(rich, 0);
    box = Inner(rich, L"rich");
    ASSERT_NE(box, nullptr);
    ClearEvents();
  }
  CHARFORMAT2W FormatAt(int pos) {
    CHARRANGE r = {pos, pos + 1};
    SendMessageW(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
  }
  static CHARFORMAT2W Highlight(COLORREF back) {
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BACKCOLOR | CFM_COLOR;
    cf.crBackColor = back;
    return cf;
  }
  SkinHandle rich = 0;
  HWND box = nullptr;
};

struct RoundTrip {
  const char* in;
  const char* out;
};

TEST_F(RichEditTest, TextGoesOutWithCrLfWhateverItCameInAs) {
  const RoundTrip cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"a\r\nb\r\nc", "a\r\nb\r\nc"},
      {"中\r\n文", "中\r\n文"},
      {"末尾\r\n", "末尾\r\n"},
      {"\r\n\r\n", "\r\n\r\n"},
      {"x\ny", "x\r\ny"},
      {"x\ry", "x\r\ny"},
  };
  for (const RoundTrip& c : cases) {
    SetText(rich, SKIN_PROP_RICH_TEXT, c.in);
    EXPECT_EQ(GetText(rich, SKIN_PROP_RICH_TEXT), c.out) << c.in;
  }
}

struct Stretch {
  const char* text;
  int caret, length;
  const wchar_t* selected;
};

TEST_F(RichEditTest, CaretAndSelectionAreBoxPositions) {
  // One position per line break and per two-byte character.
  const Stretch cases[] = {
      {"a\r\nb\r\nc", 2, 1, L"b"},
      {"a\r\nb\r\nc", 4, 1, L"c"},
      {"中\r\n文abc", 2, 2, L"文a"},
      {"xa\r\nby", 1, 3, L"a\rb"},
      {"abc", 0, 0, L""},
  };
  for (const Stretch& c : cases) {
    SetText(rich, SKIN_PROP_RICH_TEXT, c.text);
    api.RichEdit_SetCaret(rich, c.caret);
    api.RichEdit_SetSelectionLength(rich, c.length);
    EXPECT_EQ(api.RichEdit_GetCaret(rich), c.caret) << c.text;
    EXPECT_EQ(api.RichEdit_GetSelectionLength(rich), c.length) << c.text;
    wchar_t selected[64] = {};
    SendMessageW(box, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(selected));
    EXPECT_STREQ(selected, c.selected) << c.text;
  }
}

TEST_F(RichEditTest, WritingTheTextPutsTheCaretAtTheStart) {
  SetText(rich, SKIN_PROP_RICH_TEXT, "hello");
  api.RichEdit_SetCaret(rich, 3);
  api.RichEdit_SetSelectionLength(rich, 2);
  SetText(rich, SKIN_PROP_RICH_TEXT, "world");
  EXPECT_EQ(api.RichEdit_GetCaret(rich), 0);
  EXPECT_EQ(api.RichEdit_GetSelectionLength(rich), 0);
}

TEST_F(RichEditTest, SelectionFormatReadsBackOnlyOnTheSelection) {
  SetText(rich, SKIN_PROP_RICH_TEXT, "ab\r\ncd");
  CHARFORMAT2W green = Highlight(0x0051FF4D);
  api.RichEdit_SetCaret(rich, 3);
  api.RichEdit_SetSelectionLength(rich, 2);
  api.RichEdit_SetSelectionFormat(rich, &green);
  CHARFORMAT2W inside = FormatAt(3);
  EXPECT_TRUE(inside.dwMask & CFM_BACKCOLOR);
  EXPECT_FALSE(inside.dwEffects & CFE_AUTOBACKCOLOR);
  EXPECT_EQ(inside.crBackColor, 0x0051FF4Du);
  EXPECT_EQ(FormatAt(4).crBackColor, 0x0051FF4Du);
  CHARFORMAT2W before = FormatAt(1);
  EXPECT_TRUE((before.dwEffects & CFE_AUTOBACKCOLOR) || before.crBackColor != 0x0051FF4Du);
}

TEST_F(RichEditTest, RewritingTheTextRemovesEveryHighlight) {
  SetText(rich, SKIN_PROP_RICH_TEXT, "abcdef");
  CHARFORMAT2W red = Highlight(0x004D4DFF);
  api.RichEdit_SetCaret(rich, 0);
  api.RichEdit_SetSelectionLength(rich, 6);
  api.RichEdit_SetSelectionFormat(rich, &red);
  SetText(rich, SKIN_PROP_RICH_TEXT, "abcdef");
  for (int pos : {0, 3, 5}) {
    CHARFORMAT2W cf = FormatAt(pos);
    EXPECT_TRUE((cf.dwEffects & CFE_AUTOBACKCOLOR) || cf.crBackColor != 0x004D4DFFu) << pos;
  }
}

TEST_F(RichEditTest, ProgramSetTextRaisesOneChangeEachTime) {
  SetText(rich, SKIN_PROP_RICH_TEXT, "same");
  SetText(rich, SKIN_PROP_RICH_TEXT, "same");
  std::vector<Event> got = EventsOf(rich);
  ASSERT_EQ(got.size(), 2u);
  for (const Event& e : got) EXPECT_EQ(e.event, SKIN_EVENT_CHANGED);
}

TEST_F(RichEditTest, SelectingFormattingAndScrollingRaiseNoChange) {
  SetText(rich, SKIN_PROP_RICH_TEXT, "one\r\ntwo\r\nthree");
  ClearEvents();
  CHARFORMAT2W green = Highlight(0x0051FF4D);
  api.RichEdit_SetCaret(rich, 4);
  api.RichEdit_SetSelectionLength(rich, 3);
  api.RichEdit_SetSelectionFormat(rich, &green);
  api.RichEdit_EnsureVisible(rich, 8);
  Pump();
  EXPECT_TRUE(EventsOf(rich).empty());
}

TEST_F(RichEditTest, TypingRaisesChange) {
  SetFocus(box);
  SendMessageW(box, WM_CHAR, L'x', 0);
  std::vector<Event> got = EventsOf(rich);
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.back().event, SKIN_EVENT_CHANGED);
  EXPECT_EQ(GetText(rich, SKIN_PROP_RICH_TEXT), "x");
}

TEST_F(RichEditTest, RightClickComesAfterTheBoxTookTheFocus) {
  SetFocus(Host(window));
  SendMessageW(box, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  SendMessageW(box, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  std::vector<Event> got = EventsOf(rich);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].event, SKIN_EVENT_RIGHT_CLICK);
  EXPECT_EQ(got[0].focus, box);
}

TEST_F(RichEditTest, DefaultFormatRoundTrips) {
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE;
  cf.yHeight = 360;
  cf.crTextColor = RGB(0x12, 0x34, 0x56);
  wcscpy(cf.szFaceName, L"Tahoma");
  api.Control_SendMessage(rich, SKIN_MSG_SET, SKIN_PROP_DEFAULT_FORMAT, reinterpret_cast<intptr_t>(&cf));
  auto* back = reinterpret_cast<const CHARFORMAT2W*>(
      api.Control_SendMessage(rich, SKIN_MSG_GET, SKIN_PROP_DEFAULT_FORMAT, 0));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->yHeight, 360);
  EXPECT_EQ(back->crTextColor, RGB(0x12, 0x34, 0x56));
  EXPECT_STREQ(back->szFaceName, L"Tahoma");
  // Text written afterwards takes it.
  SetText(rich, SKIN_PROP_RICH_TEXT, "abc");
  EXPECT_EQ(FormatAt(1).yHeight, 360);
}

TEST_F(RichEditTest, LineWrapBreaksLongLinesAndUndoes) {
  SetText(rich, SKIN_PROP_RICH_TEXT, std::string(300, 'w').c_str());
  EXPECT_EQ(api.Control_SendMessage(rich, SKIN_MSG_GET, SKIN_PROP_LINE_WRAP, 0), 0);
  EXPECT_EQ(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 1);
  api.Control_SendMessage(rich, SKIN_MSG_SET, SKIN_PROP_LINE_WRAP, 1);
  EXPECT_EQ(api.Control_SendMessage(rich, SKIN_MSG_GET, SKIN_PROP_LINE_WRAP, 0), 1);
  EXPECT_GT(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 1);
  api.Control_SendMessage(rich, SKIN_MSG_SET, SKIN_PROP_LINE_WRAP, 0);
  EXPECT_EQ(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(RichEditTest, EnsureVisibleScrollsToThePositionAndBack) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line\r\n";
  SetText(rich, SKIN_PROP_RICH_TEXT, text.c_str());
  const int line150 = 150 * 5;  // five box positions per line
  api.RichEdit_EnsureVisible(rich, line150);
  Pump();
  LRESULT first = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
  EXPECT_GT(first, 100);
  EXPECT_LE(first, 150);
  api.RichEdit_EnsureVisible(rich, 0);
  Pump();
  EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

}  // namespace
