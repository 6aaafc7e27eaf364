#include "kit.h"

namespace {

const unsigned char kFont[84] = {};
std::vector<std::vector<int>> calls;

int SKINKIT_CALL OnMenu(int menu, int message, int item, int, int, int) {
  calls.push_back({menu, message, item});
  return 0;
}

class MenuTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    calls.clear();
    menu = api.Menu_Create(0, 0, nullptr, kFont, 0, 255, OnMenu, 0);
    ASSERT_NE(menu, 0);
    const char* titles[] = {"剪切", "复制", "————", "全选"};
    for (int i = 0; i < 4; ++i) {
      items[i] = api.Menu_InsertItem(menu, i, titles[i], 0xFF808080, 70, i == 2 ? 1 : 30, i == 2);
    }
  }
  void TearDown() override {
    api.Menu_Destroy(menu);
    KitTest::TearDown();
  }
  // Keys that wait in the queue for the menu's own loop.
  void PopUpWithKeys(std::initializer_list<WPARAM> keys) {
    HWND owner = Host(window);
    SetForegroundWindow(owner);
    for (WPARAM k : keys) PostMessageW(owner, WM_KEYDOWN, k, 0);
    api.Menu_PopUp(menu, 0, 200, 200);
    Pump();  // keys the menu left unread must not reach the next one
  }
  int menu = 0;
  int items[4] = {};
};

TEST_F(MenuTest, ItemsHaveDistinctHandlesAndTheirTitles) {
  const char* titles[] = {"剪切", "复制", "————", "全选"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(items[i], 0);
    for (int j = 0; j < i; ++j) EXPECT_NE(items[i], items[j]);
    EXPECT_STREQ(api.Menu_GetItemTitle(menu, items[i]), titles[i]);
  }
  EXPECT_STREQ(api.Menu_GetItemTitle(menu, 9999), "");
}

TEST_F(MenuTest, AChoiceCallsBackWithTheItem) {
  PopUpWithKeys({VK_DOWN, VK_DOWN, VK_RETURN});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::vector<int>{menu, SKIN_MENU_CHOSEN, items[1]}));
}

TEST_F(MenuTest, ADisabledItemCannotBeChosen) {
  // Arrow keys still highlight a greyed item; Enter on it chooses nothing.
  api.Menu_SetItemDisabled(menu, items[0], 1);
  PopUpWithKeys({VK_DOWN, VK_RETURN, VK_ESCAPE});
  EXPECT_TRUE(calls.empty());
}

TEST_F(MenuTest, AnItemEnabledAgainCanBeChosen) {
  api.Menu_SetItemDisabled(menu, items[0], 1);
  api.Menu_SetItemDisabled(menu, items[0], 0);
  PopUpWithKeys({VK_DOWN, VK_RETURN});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0][2], items[0]);
}

TEST_F(MenuTest, EscapeChoosesNothing) {
  PopUpWithKeys({VK_ESCAPE});
  EXPECT_TRUE(calls.empty());
}

}  // namespace
