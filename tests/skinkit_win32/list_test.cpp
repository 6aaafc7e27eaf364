#include "kit.h"

namespace {

// 2 x 2 RGBA: opaque red on the top row, half-transparent blue below.
const unsigned char kRedPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00, 0x00, 0x00, 0x11, 0x49,
    0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x42, 0x0D, 0x0C, 0x30, 0x06, 0x00, 0x3E, 0x59, 0x06,
    0xFB, 0xC0, 0xE4, 0xFE, 0x7B, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

class ListTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    list = api.CreateControl_SkinList(window, -1, 4, 36, 240, 300);
    ASSERT_NE(list, 0);
    box = Inner(list, L"listbox");
    ASSERT_NE(box, nullptr);
    ClearEvents();
  }
  int Rows() { return static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0)); }
  int Current() { return static_cast<int>(api.Control_SendMessage(list, SKIN_MSG_GET, SKIN_PROP_CURRENT, 0)); }
  RECT RowRect(int row) {
    RECT r = {};
    SendMessageW(box, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  SkinHandle list = 0;
  HWND box = nullptr;
};

TEST_F(ListTest, RowsHaveTheirHeightsAndGoAway) {
  api.List_InsertItems(list, 0, 3, 30, 0);
  api.List_InsertItems(list, 1, 2, 40, 0xFF696969);
  ASSERT_EQ(Rows(), 5);
  const int heights[] = {30, 40, 40, 30, 30};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(SendMessageW(box, LB_GETITEMHEIGHT, i, 0), heights[i]) << i;
  api.List_DeleteItems(list, 1);
  EXPECT_EQ(Rows(), 4);
  EXPECT_EQ(SendMessageW(box, LB_GETITEMHEIGHT, 1, 0), 40);
  api.List_DeleteItems(list, -1);
  EXPECT_EQ(Rows(), 0);
}

TEST_F(ListTest, CurrentItemRoundTrips) {
  api.List_InsertItems(list, 0, 8, 30, 0);
  const struct { int set, get; } cases[] = {{3, 3}, {7, 7}, {-1, -1}, {8, -1}, {0, 0}};
  for (const auto& c : cases) {
    api.Control_SendMessage(list, SKIN_MSG_SET, SKIN_PROP_CURRENT, c.set);
    EXPECT_EQ(Current(), c.get) << c.set;
  }
}

TEST_F(ListTest, AClickChoosesTheRowAndMakesItCurrent) {
  api.List_InsertItems(list, 0, 4, 30, 0);
  for (int row : {2, 2, 0}) {
    ClearEvents();
    RECT r = RowRect(row);
    Click(box, 40, (r.top + r.bottom) / 2);
    std::vector<Event> got = EventsOf(list);
    ASSERT_EQ(got.size(), 1u) << row;
    EXPECT_EQ(got[0].event, SKIN_EVENT_ITEM_CHOSEN);
    EXPECT_EQ(got[0].a, row);
    EXPECT_EQ(Current(), row);
  }
}

TEST_F(ListTest, AClickBelowTheLastRowChoosesNothing) {
  api.List_InsertItems(list, 0, 2, 30, 0);
  Click(box, 40, 200);
  EXPECT_TRUE(EventsOf(list).empty());
}

TEST_F(ListTest, LosingTheFocusIsReported) {
  api.List_InsertItems(list, 0, 2, 30, 0);
  api.Control_SetFocus(list);
  EXPECT_EQ(GetFocus(), box);
  EXPECT_TRUE(EventsOf(list).empty());
  SetFocus(Host(window));
  std::vector<Event> got = EventsOf(list);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].event, SKIN_EVENT_FOCUS_LOST);
}

TEST_F(ListTest, AnIconIsDrawnBeforeTheTitleUntilRemoved) {
  api.List_InsertItems(list, 0, 2, 30, 0);
  api.List_SetItemTitle(list, 0, "全局匹配");
  api.List_SetItemIcon(list, 0, kRedPng, sizeof kRedPng);
  // The icon is centred in a 16 x 16 box at x 4 of the row, whose middle is x 11..12, y 14..15.
  EXPECT_EQ(PixelOf(box, 11, 14), RGB(255, 0, 0));
  api.List_SetItemIcon(list, 0, nullptr, 0);
  EXPECT_NE(PixelOf(box, 11, 14), RGB(255, 0, 0));
}

TEST_F(ListTest, ElementsAddressOneRowOrEvery) {
  api.List_InsertItems(list, 0, 3, 30, 0);
  api.Control_InsertElement(list, -1, 0, SKIN_ELEMENT_TEXT);
  api.Control_SetTextElementAttributes(list, -1, 0, 22, 6, 130, 20, "微软雅黑");
  api.List_SetItemTitle(list, 1, "\\d - digit");
  api.Control_SetTextElementData(list, 1, 0, "\\d", 0xFF16649E);
  // Only row 1 draws its piece; the others stay blank where it would be.
  Snapshot shot = Shoot(box);
  auto inkIn = [&](int row) {
    RECT r = RowRect(row);
    const COLORREF back = shot.At(200, r.top + 2);
    for (int x = 22; x < 40; ++x)
      for (int y = r.top + 6; y < r.top + 26; ++y)
        if (shot.At(x, y) != back) return true;
    return false;
  };
  EXPECT_TRUE(inkIn(1));
  EXPECT_FALSE(inkIn(0));
}

}  // namespace
