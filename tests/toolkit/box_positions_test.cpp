// The rich-text box's positions, texts and stretch formats, and the edit box's
// text, as the match run and the row clicks rely on them.
#include <cstring>
#include <string>

#include "headless_fixture.h"

namespace toolkit::headless::testing {
namespace {

// The position count of a box: the caret set past the end lands on it.
int PositionCount(const SkinKitApi& kit, SkinHandle rich) {
  kit.RichEdit_SetCaret(rich, 1 << 30);
  return kit.RichEdit_GetCaret(rich);
}

// A CHARFORMAT2W that sets a background colour, as a highlight does.
std::string Highlight(uint32_t colorref) {
  std::string record(116, '\0');
  uint32_t size = 116, mask = 0xE4000000;
  std::memcpy(&record[0], &size, 4);
  std::memcpy(&record[4], &mask, 4);
  std::memcpy(&record[96], &colorref, 4);
  return record;
}

using BoxPositionsTest = HeadlessTest;

TEST_F(BoxPositionsTest, EveryLineBreakIsOnePositionAndComesBackAsCrLf) {
  struct Case {
    const char* written;
    const char* handedOut;
    int positions;
  };
  const Case cases[] = {
      {"abc", "abc", 3},
      {"a\r\nb", "a\r\nb", 3},
      {"a\nb", "a\r\nb", 3},
      {"a\rb", "a\r\nb", 3},
      {"\r\n\r\n", "\r\n\r\n", 2},
      {"\n\r", "\r\n\r\n", 2},
      {"\r\r\n", "\r\n\r\n", 2},
      {"\xD6\xD0\r\n\xCE\xC4", "\xD6\xD0\r\n\xCE\xC4", 3},  // 中 CR LF 文: one position per character
      {"", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    SetText(subject, c.written);
    EXPECT_EQ(GetText(subject), c.handedOut);
    EXPECT_EQ(BoxText(subject), c.handedOut);
    EXPECT_EQ(PositionCount(kit, subject), c.positions);
  }
}

TEST_F(BoxPositionsTest, HighlightsLandOnBoxPositionsPastLineBreaks) {
  // Subject a CR LF b CR LF c: b at box position 2, c at 4.
  SetText(subject, "a\r\nb\r\nc");
  std::string green = Highlight(0x0051FF4D), red = Highlight(0x004D4DFF);
  kit.RichEdit_SetCaret(subject, 2);
  kit.RichEdit_SetSelectionLength(subject, 1);
  kit.RichEdit_SetSelectionFormat(subject, green.data());
  kit.RichEdit_SetCaret(subject, 4);
  kit.RichEdit_SetSelectionLength(subject, 1);
  kit.RichEdit_SetSelectionFormat(subject, red.data());
  const int64_t expected[] = {-1, -1, 0x0051FF4D, -1, 0x004D4DFF};
  for (int position = 0; position < 5; ++position) {
    EXPECT_EQ(BackColourAt(subject, position), expected[position]) << position;
  }
  EXPECT_EQ(FormatAt(subject, 2), green);
  EXPECT_EQ(FormatAt(subject, 5), "");
  EXPECT_EQ(Caret(subject), 4);
  EXPECT_EQ(kit.RichEdit_GetSelectionLength(subject), 1);
}

TEST_F(BoxPositionsTest, AFormatWithoutABackgroundBitGivesNoBackgroundColour) {
  SetText(subject, "ab");
  std::string plain = Highlight(0x00112233);
  uint32_t mask = 0xE0000000;
  std::memcpy(&plain[4], &mask, 4);
  kit.RichEdit_SetCaret(subject, 0);
  kit.RichEdit_SetSelectionLength(subject, 2);
  kit.RichEdit_SetSelectionFormat(subject, plain.data());
  EXPECT_EQ(FormatAt(subject, 1), plain);
  EXPECT_EQ(BackColourAt(subject, 1), -1);
}

TEST_F(BoxPositionsTest, WritingTheWholeTextResetsFormatsAndCaretAndAlwaysRaisesChanged) {
  SetText(subject, "abc");
  std::string green = Highlight(0x0051FF4D);
  kit.RichEdit_SetCaret(subject, 1);
  kit.RichEdit_SetSelectionLength(subject, 2);
  kit.RichEdit_SetSelectionFormat(subject, green.data());
  ClearEvents();
  SetText(subject, "abc");  // the same text again
  EXPECT_EQ(CountEvents(subject, SKIN_EVENT_CHANGED), 1);
  EXPECT_EQ(BackColourAt(subject, 1), -1);
  EXPECT_EQ(kit.RichEdit_GetCaret(subject), 0);
  EXPECT_EQ(kit.RichEdit_GetSelectionLength(subject), 0);
}

TEST_F(BoxPositionsTest, ChangedArrivesWithTheNewTextInPlace) {
  std::string seen;
  handlerHook = [&](SkinHandle control, int event, intptr_t, intptr_t) {
    if (control == subject && event == SKIN_EVENT_CHANGED) seen = GetText(subject);
  };
  SetText(subject, "x\ny");
  EXPECT_EQ(seen, "x\r\ny");
}

TEST_F(BoxPositionsTest, AHandlerMayRewriteTheBoxFromItsOwnChangeEvent) {
  // The subject box's handler writes the saved text back; the nested change stops it.
  int changes = 0;
  handlerHook = [&](SkinHandle control, int event, intptr_t, intptr_t) {
    if (control != subject || event != SKIN_EVENT_CHANGED) return;
    ++changes;
    if (GetText(subject) != "saved") SetText(subject, "saved");
  };
  ASSERT_TRUE(TypeText(subject, "typed"));
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(BoxText(subject), "saved");
}

TEST_F(BoxPositionsTest, SelectionIsClampedToTheText) {
  SetText(subject, "a\r\nbc");  // positions 0..4
  struct Case {
    int caret, length, start, selected;
  };
  const Case cases[] = {
      {1, 2, 1, 2},   // the break and b
      {-3, 2, 0, 2},  // before the start
      {3, 10, 3, 1},  // past the end
      {9, 0, 4, 0},   // caret past the end
      {3, -2, 1, 2},  // a negative length extends backwards
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.caret << "," << c.length);
    kit.RichEdit_SetCaret(subject, c.caret);
    kit.RichEdit_SetSelectionLength(subject, c.length);
    EXPECT_EQ(kit.RichEdit_GetCaret(subject), c.start);
    EXPECT_EQ(kit.RichEdit_GetSelectionLength(subject), c.selected);
  }
}

TEST_F(BoxPositionsTest, TypingReplacesTheSelectionAndContinuesTheStretchBefore) {
  SetText(subject, "ab\r\ncd");
  std::string red = Highlight(0x004D4DFF);
  kit.RichEdit_SetCaret(subject, 0);
  kit.RichEdit_SetSelectionLength(subject, 2);
  kit.RichEdit_SetSelectionFormat(subject, red.data());
  ASSERT_TRUE(SelectText(subject, 2, 2));  // the break and c
  ClearEvents();
  ASSERT_TRUE(TypeText(subject, "X\nY"));
  EXPECT_EQ(BoxText(subject), "abX\r\nYd");
  EXPECT_EQ(Caret(subject), 5);
  EXPECT_EQ(CountEvents(subject, SKIN_EVENT_CHANGED), 1);
  EXPECT_EQ(BackColourAt(subject, 2), 0x004D4DFF);  // X follows the red b
  EXPECT_EQ(BackColourAt(subject, 4), 0x004D4DFF);
  EXPECT_EQ(BackColourAt(subject, 5), -1);  // d kept its own
  EXPECT_EQ(Focused(), subject);
}

TEST_F(BoxPositionsTest, TypingNothingIntoAnEmptySelectionIsNoEdit) {
  SetText(subject, "ab");
  ClearEvents();
  ASSERT_TRUE(TypeText(subject, ""));
  EXPECT_EQ(CountEvents(subject, SKIN_EVENT_CHANGED), 0);
}

TEST_F(BoxPositionsTest, TheEditBoxKeepsWrittenBreaksButTypesOnlyTheFirstLine) {
  SetText(pattern, "a\r\nb");
  EXPECT_EQ(GetText(pattern), "a\r\nb");
  ASSERT_TRUE(SelectText(pattern, 0, 100));
  EXPECT_EQ(kit.Edit_GetSelectionLength(pattern), 4);
  ASSERT_TRUE(TypeText(pattern, "x\r\ny"));
  EXPECT_EQ(GetText(pattern), "x");
}

TEST_F(BoxPositionsTest, TextReadsOfOneBoxDoNotDisturbAnother) {
  SetText(subject, "one");
  SetText(pattern, "two");
  const char* first = reinterpret_cast<const char*>(Get(subject, SKIN_PROP_RICH_TEXT));
  const char* second = reinterpret_cast<const char*>(Get(pattern, SKIN_PROP_EDIT_TEXT));
  EXPECT_STREQ(first, "one");
  EXPECT_STREQ(second, "two");
}

TEST_F(BoxPositionsTest, DefaultFormatAndLineWrapAreKept) {
  std::string record = Highlight(0);
  EXPECT_EQ(Get(subject, SKIN_PROP_DEFAULT_FORMAT), 0);
  Set(subject, SKIN_PROP_DEFAULT_FORMAT, reinterpret_cast<intptr_t>(record.data()));
  record[4] = 0x7F;  // the box holds its own copy
  const char* kept = reinterpret_cast<const char*>(Get(subject, SKIN_PROP_DEFAULT_FORMAT));
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(std::string(kept, 116), Highlight(0));
  Set(subject, SKIN_PROP_LINE_WRAP, 1);
  EXPECT_EQ(Get(subject, SKIN_PROP_LINE_WRAP), 1);
  EXPECT_TRUE(State(subject).lineWrap);
}

TEST_F(BoxPositionsTest, ABoxTextPropertySentToTheOtherKindOfBoxChangesNothing) {
  SetText(pattern, "p");
  SetText(subject, "s");
  ClearEvents();
  Set(pattern, SKIN_PROP_RICH_TEXT, reinterpret_cast<intptr_t>("wrong"));
  Set(subject, SKIN_PROP_EDIT_TEXT, reinterpret_cast<intptr_t>("wrong"));
  EXPECT_EQ(BoxText(pattern), "p");
  EXPECT_EQ(BoxText(subject), "s");
  EXPECT_TRUE(Events().empty());
}

}  // namespace
}  // namespace toolkit::headless::testing
