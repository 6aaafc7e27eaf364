// Selections and formats that the box records and puts in later must read
// back exactly as if each call had gone to the native box at once. The
// reference is a second box driven by raw messages.
#include "kit.h"

#include <richedit.h>

#include <cstring>

namespace {

class RichEditBatchTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    rich = api.CreateControl_SkinRichEdit(window, -1, 10, 10, 400, 200);
    ref = api.CreateControl_SkinRichEdit(window, -1, 10, 220, 400, 200);
    ASSERT_NE(rich, 0);
    ASSERT_NE(ref, 0);
    box = Inner(rich, L"rich");
    refBox = Inner(ref, L"rich");
    ASSERT_NE(box, nullptr);
    ASSERT_NE(refBox, nullptr);
  }
  void Write(const char* text) {
    SetText(rich, SKIN_PROP_RICH_TEXT, text);
    SetText(ref, SKIN_PROP_RICH_TEXT, text);
  }
  // One highlight through the exports (recorded) and through raw messages.
  void Highlight(int caret, int length, const CHARFORMAT2W& cf) {
    api.RichEdit_SetCaret(rich, caret);
    api.RichEdit_SetSelectionLength(rich, length);
    api.RichEdit_SetSelectionFormat(rich, &cf);
    CHARRANGE r = {caret, caret + length};
    SendMessageW(refBox, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMAT2W copy = cf;
    SendMessageW(refBox, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&copy));
  }
  static CHARFORMAT2W FormatAt(HWND hwnd, int pos) {
    CHARRANGE r = {pos, pos + 1};
    SendMessageW(hwnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    SendMessageW(hwnd, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
  }
  void ExpectSameFormats(int from, int to) {
    for (int pos = from; pos < to; ++pos) {
      CHARFORMAT2W got = FormatAt(box, pos), want = FormatAt(refBox, pos);
      EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0)
          << "at " << pos << ": back " << std::hex << got.crBackColor << " / " << want.crBackColor << ", mask "
          << got.dwMask << " / " << want.dwMask << ", effects " << got.dwEffects << " / " << want.dwEffects;
    }
  }
  // The workbench's highlight: face, size and black text as the default has them, and a background.
  CHARFORMAT2W Back(COLORREF colour) {
    CHARFORMAT2W base = {};
    base.cbSize = sizeof base;
    SendMessageW(refBox, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&base));
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BACKCOLOR | CFM_FACE | CFM_SIZE | CFM_COLOR;
    cf.crBackColor = colour;
    cf.crTextColor = base.crTextColor;
    cf.dwEffects = base.dwEffects & CFE_AUTOCOLOR;
    cf.yHeight = base.yHeight;
    std::memcpy(cf.szFaceName, base.szFaceName, sizeof cf.szFaceName);
    return cf;
  }
  SkinHandle rich = 0, ref = 0;
  HWND box = nullptr, refBox = nullptr;
};

constexpr COLORREF kGreen = 0x0051FF4D, kRed = 0x004D4DFF;

TEST_F(RichEditBatchTest, RecordedHighlightsReadBackExactlyAfterTheMessageLoop) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "item " + std::to_string(10000 + i) + " x\r\n";
  Write(text.c_str());
  const int line = 13;  // box positions per line
  for (int i = 0; i < 40; ++i) Highlight(i * line + 5, 5, Back(i % 2 ? kRed : kGreen));
  Pump();
  ExpectSameFormats(0, 40 * line);
}

TEST_F(RichEditBatchTest, OverlappingAndSpanningStretchesKeepTheLastFormat) {
  Write("abcdef\r\nghijkl\r\n中文字");
  Highlight(2, 6, Back(kGreen));   // over a line break
  Highlight(4, 2, Back(kRed));     // inside the first
  Highlight(14, 10, Back(kRed));   // beyond the end
  Highlight(1, 0, Back(kGreen));   // empty: only the style of what is typed next
  Pump();
  ExpectSameFormats(0, 17);
}

TEST_F(RichEditBatchTest, FormatsBeyondTheBackgroundAreKeptExactlyToo) {
  Write("one two three");
  CHARFORMAT2W bold = {};
  bold.cbSize = sizeof bold;
  bold.dwMask = CFM_BOLD | CFM_BACKCOLOR;
  bold.dwEffects = CFE_BOLD;
  bold.crBackColor = kRed;
  Highlight(4, 3, bold);
  Highlight(0, 3, Back(kGreen));
  Pump();
  ExpectSameFormats(0, 13);
}

TEST_F(RichEditBatchTest, AReadInTheMiddleOfABatchSeesTheFormatsSoFar) {
  Write("aaaa\r\nbbbb\r\ncccc");
  Highlight(0, 4, Back(kGreen));
  // A raw message reaches the box before the message loop runs.
  ExpectSameFormats(0, 14);
  Highlight(5, 4, Back(kRed));
  Highlight(10, 4, Back(kGreen));
  ExpectSameFormats(0, 14);
  Pump();
  ExpectSameFormats(0, 14);
}

struct Place {
  int caret, length;
};

TEST_F(RichEditBatchTest, CaretAndSelectionReadAsTheNativeBoxWouldHaveThem) {
  const Place cases[] = {{0, 0}, {3, 2}, {8, 1}, {9, 0}, {9, 5}, {7, 40}, {50, 3}, {-4, 2}};
  for (const Place& c : cases) {
    Write("abc\r\ndefg");
    Highlight(1, 1, Back(kGreen));  // starts a batch in the tested box
    api.RichEdit_SetCaret(rich, c.caret);
    api.RichEdit_SetSelectionLength(rich, c.length);
    api.RichEdit_SetCaret(ref, c.caret);
    Pump();
    api.RichEdit_SetSelectionLength(ref, c.length);
    // Read while the tested box's batch is open, then again after it.
    CHARRANGE want = {};
    SendMessageW(refBox, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&want));
    EXPECT_EQ(api.RichEdit_GetCaret(rich), want.cpMin) << c.caret << "+" << c.length;
    EXPECT_EQ(api.RichEdit_GetSelectionLength(rich), want.cpMax - want.cpMin) << c.caret << "+" << c.length;
    Pump();
    CHARRANGE got = {};
    SendMessageW(box, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.cpMin, want.cpMin) << c.caret << "+" << c.length;
    EXPECT_EQ(got.cpMax, want.cpMax) << c.caret << "+" << c.length;
  }
}

TEST_F(RichEditBatchTest, TypingAfterABatchGoesToTheKeptCaret) {
  Write("hello world");
  Highlight(6, 5, Back(kGreen));
  api.RichEdit_SetCaret(rich, 5);
  SetFocus(box);
  SendMessageW(box, WM_CHAR, L'!', 0);
  EXPECT_EQ(GetText(rich, SKIN_PROP_RICH_TEXT), "hello! world");
  std::vector<Event> got = EventsOf(rich);
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.back().event, SKIN_EVENT_CHANGED);
  CHARFORMAT2W w = FormatAt(box, 7);
  EXPECT_FALSE(w.dwEffects & CFE_AUTOBACKCOLOR);
  EXPECT_EQ(w.crBackColor, kGreen);
}

TEST_F(RichEditBatchTest, TheSameTextAgainStillResetsFormatsAndRaisesChange) {
  Write("abcdef");
  Highlight(0, 6, Back(kRed));
  Pump();  // the highlight is in the box now
  ClearEvents();
  SetText(rich, SKIN_PROP_RICH_TEXT, "abcdef");
  SetText(ref, SKIN_PROP_RICH_TEXT, "abcdef");
  ASSERT_EQ(EventsOf(rich).size(), 1u);
  EXPECT_EQ(EventsOf(rich)[0].event, SKIN_EVENT_CHANGED);
  EXPECT_EQ(api.RichEdit_GetCaret(rich), 0);
  ExpectSameFormats(0, 6);
  // And once more, now over text that has no formats of its own.
  SetText(rich, SKIN_PROP_RICH_TEXT, "abcdef");
  EXPECT_EQ(EventsOf(rich).size(), 2u);
  ExpectSameFormats(0, 6);
}

}  // namespace
