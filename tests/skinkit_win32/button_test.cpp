#include "kit.h"

namespace {

class ButtonTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    button = api.CreateControl_SkinButton(window, -1, 941, 11, 48, 30);
    ASSERT_NE(button, 0);
    host = Host(button);
    ClearEvents();
  }
  std::vector<int> Kinds() {
    std::vector<int> out;
    for (const Event& e : EventsOf(button)) out.push_back(e.event);
    return out;
  }
  SkinHandle button = 0;
  HWND host = nullptr;
};

TEST_F(ButtonTest, PressThenClick) {
  Click(host, 10, 10);
  EXPECT_EQ(Kinds(), (std::vector<int>{SKIN_EVENT_PRESSED, SKIN_EVENT_CLICKED}));
}

TEST_F(ButtonTest, ReleasingOutsideIsNoClick) {
  SendMessageW(host, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(host, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
  std::vector<int> kinds = Kinds();
  ASSERT_FALSE(kinds.empty());
  EXPECT_EQ(kinds[0], SKIN_EVENT_PRESSED);
  for (int k : kinds) EXPECT_NE(k, SKIN_EVENT_CLICKED);
}

TEST_F(ButtonTest, HoverReportsEnterOnceAndLeave) {
  SendMessageW(host, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(host, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  SendMessageW(host, WM_MOUSELEAVE, 0, 0);
  std::vector<Event> got = EventsOf(button);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].event, SKIN_EVENT_HOVER);
  EXPECT_EQ(got[0].a, 1);
  EXPECT_EQ(got[1].event, SKIN_EVENT_HOVER);
  EXPECT_EQ(got[1].a, 0);
}

// The close button's handler destroys the window the click came from.
SkinHandle toDestroy = 0;
SkinKitApi* kit = nullptr;
std::vector<int> seen;

intptr_t SKINKIT_CALL DestroyOnClick(SkinHandle, int event, intptr_t, intptr_t) {
  seen.push_back(event);
  if (event == SKIN_EVENT_CLICKED) kit->Control_Destroy(toDestroy);
  return 0;
}

TEST_F(KitTest, AClickThatDestroysTheMainWindowEndsTheLoop) {
  SkinHandle own = api.CreateControl_SkinWindow(0, -1, 60, 60, 300, 200);
  SkinHandle close = api.CreateControl_SkinButton(own, -1, 250, 10, 40, 30);
  toDestroy = own;
  kit = &api;
  seen.clear();
  api.SkinKit_SetEventHandler(DestroyOnClick);
  Click(Host(close), 5, 5);
  EXPECT_EQ(Host(own), nullptr);
  EXPECT_EQ(seen, (std::vector<int>{SKIN_EVENT_PRESSED, SKIN_EVENT_CLICKED, SKIN_EVENT_DESTROYED}));
  MSG msg;
  bool quit = false;
  // Dispatched, or an unpainted window would give WM_PAINT for ever.
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) quit = true;
    else DispatchMessageW(&msg);
  }
  EXPECT_TRUE(quit);
}

}  // namespace
