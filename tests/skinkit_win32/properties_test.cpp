#include "kit.h"

namespace {

using Factory = SkinHandle(SKINKIT_CALL*)(SkinHandle, int, int, int, int, int);


TEST_F(KitTest, EveryHostHasItsOwnNumberedClass) {
  const struct {
    Factory make;
    const wchar_t* kind;
  } cases[] = {
      {api.CreateControl_SkinWindow, L"SkinWindow"},   {api.CreateControl_SkinTabs, L"SkinTabs"},
      {api.CreateControl_SkinPicture, L"SkinPicture"}, {api.CreateControl_SkinLabel, L"SkinLabel"},
      {api.CreateControl_SkinButton, L"SkinButton"},   {api.CreateControl_SkinEdit, L"SkinEdit"},
      {api.CreateControl_SkinList, L"SkinList"},       {api.CreateControl_SkinReport, L"SkinReport"},
      {api.CreateControl_SkinRichEdit, L"SkinRichEdit"},
  };
  for (const auto& c : cases) {
    SkinHandle h = c.make(window, -1, 1, 2, 30, 40);
    ASSERT_NE(h, 0) << c.kind;
    HWND host = Host(h);
    ASSERT_NE(host, nullptr) << c.kind;
    EXPECT_EQ(ClassOf(host), L"SkinKit." + std::to_wstring(h) + L"." + c.kind);
    EXPECT_EQ(api.Control_FromWindow(host), h);
    int x, y, w, hgt;
    api.Control_GetRect(h, &x, &y, &w, &hgt);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(w, 30);
    EXPECT_EQ(hgt, 40);
  }
}

TEST_F(KitTest, InnerWindowsLeadBackToTheirControl) {
  SkinHandle rich = api.CreateControl_SkinRichEdit(window, -1, 0, 0, 100, 50);
  SkinHandle edit = api.CreateControl_SkinEdit(window, -1, 0, 60, 100, 30);
  EXPECT_EQ(api.Control_FromWindow(Inner(rich, L"rich")), rich);
  EXPECT_EQ(api.Control_FromWindow(Inner(edit, L"edit")), edit);
  EXPECT_EQ(api.Control_FromWindow(GetDesktopWindow()), 0);
  api.Control_SetFocus(edit);
  EXPECT_EQ(api.Control_FromWindow(GetFocus()), edit);
}

TEST_F(KitTest, RectFollowsSetRect) {
  SkinHandle list = api.CreateControl_SkinList(window, -1, 4, 36, 128, 248);
  api.Control_SetRect(list, 315, 36, 240, 468);
  int x, y, w, h;
  api.Control_GetRect(list, &x, &y, &w, &h);
  EXPECT_EQ(x, 315);
  EXPECT_EQ(y, 36);
  EXPECT_EQ(w, 240);
  EXPECT_EQ(h, 468);
}

TEST_F(KitTest, CaptionPropertiesRoundTrip) {
  SkinHandle label = api.CreateControl_SkinLabel(window, -1, 433, 19, 150, 16);
  SkinHandle button = api.CreateControl_SkinButton(window, -1, 892, 11, 48, 30);
  for (SkinHandle c : {label, button}) {
    SetText(c, SKIN_PROP_TITLE, "打赏");
    EXPECT_EQ(GetText(c, SKIN_PROP_TITLE), "打赏");
    SetText(c, SKIN_PROP_FACE, "宋体");
    EXPECT_EQ(GetText(c, SKIN_PROP_FACE), "宋体");
    for (uint32_t colour : {0xFE000000u, 0xFFC04851u, 0xFF16649Eu}) {
      api.Control_SendMessage(c, SKIN_MSG_SET, SKIN_PROP_TEXT_COLOUR, static_cast<intptr_t>(colour));
      EXPECT_EQ(static_cast<uint32_t>(api.Control_SendMessage(c, SKIN_MSG_GET, SKIN_PROP_TEXT_COLOUR, 0)), colour);
    }
  }
}

TEST_F(KitTest, WindowCaptionIsTheWindowText) {
  SetText(window, SKIN_PROP_TITLE, "Vintrel 1.3");
  EXPECT_EQ(GetText(window, SKIN_PROP_TITLE), "Vintrel 1.3");
  wchar_t text[32] = {};
  GetWindowTextW(Host(window), text, 32);
  EXPECT_STREQ(text, L"Vintrel 1.3");
}

TEST_F(KitTest, VisibilityRoundTrips) {
  SkinHandle button = api.CreateControl_SkinButton(window, -1, 0, 0, 32, 28);
  EXPECT_EQ(api.Control_SendMessage(button, SKIN_MSG_GET, SKIN_PROP_VISIBLE, 0), 1);
  api.Control_SendMessage(button, SKIN_MSG_SET, SKIN_PROP_VISIBLE, 0);
  EXPECT_EQ(api.Control_SendMessage(button, SKIN_MSG_GET, SKIN_PROP_VISIBLE, 0), 0);
  EXPECT_FALSE(IsWindowVisible(Host(button)));
  api.Control_SendMessage(button, SKIN_MSG_SET, SKIN_PROP_VISIBLE, 1);
  EXPECT_TRUE(IsWindowVisible(Host(button)));
}

TEST_F(KitTest, ControlsOnATabPageShowWithTheirPage) {
  SkinHandle tabs = api.CreateControl_SkinTabs(window, -1, 11, 124, 976, 520);
  api.Tabs_InsertPage(tabs, 0, "正则调试");
  api.Tabs_InsertPage(tabs, 1, "打赏");
  SkinHandle work = api.CreateControl_SkinButton(tabs, 0, 75, 3, 56, 32);
  SkinHandle donate = api.CreateControl_SkinLabel(tabs, 1, 309, 406, 424, 24);
  EXPECT_EQ(api.Control_SendMessage(tabs, SKIN_MSG_GET, SKIN_PROP_CURRENT, 0), 0);
  EXPECT_NE(GetParent(Host(work)), GetParent(Host(donate)));
  EXPECT_EQ(GetParent(GetParent(Host(work))), Host(tabs));
  EXPECT_TRUE(IsWindowVisible(Host(work)));
  EXPECT_FALSE(IsWindowVisible(Host(donate)));
  api.Control_SendMessage(tabs, SKIN_MSG_SET, SKIN_PROP_CURRENT, 1);
  EXPECT_EQ(api.Control_SendMessage(tabs, SKIN_MSG_GET, SKIN_PROP_CURRENT, 0), 1);
  EXPECT_FALSE(IsWindowVisible(Host(work)));
  EXPECT_TRUE(IsWindowVisible(Host(donate)));
  // Places are relative to the page.
  int x, y, w, h;
  api.Control_GetRect(donate, &x, &y, &w, &h);
  EXPECT_EQ(x, 309);
  EXPECT_EQ(y, 406);
  wchar_t title[16] = {};
  GetWindowTextW(GetParent(Host(donate)), title, 16);
  EXPECT_STREQ(title, L"打赏");
}

TEST_F(KitTest, AStaleHandleDoesNothingAndReadsZero) {
  SkinHandle label = api.CreateControl_SkinLabel(window, -1, 0, 0, 50, 20);
  SetText(label, SKIN_PROP_TITLE, "x");
  api.Control_Destroy(label);
  Pump();
  EXPECT_EQ(Host(label), nullptr);
  EXPECT_EQ(api.Control_SendMessage(label, SKIN_MSG_GET, SKIN_PROP_TITLE, 0), 0);
  SetText(label, SKIN_PROP_TITLE, "y");
  api.Control_SetRect(label, 1, 1, 1, 1);
  EXPECT_EQ(api.CreateControl_SkinButton(label, -1, 0, 0, 10, 10), 0);
  EXPECT_EQ(api.CreateControl_SkinButton(123456, -1, 0, 0, 10, 10), 0);
}

TEST_F(KitTest, APictureShowsItsPng) {
  static const unsigned char kRedPng[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
      0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xB6, 0x0D, 0x24, 0x00,
      0x00, 0x00, 0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x42, 0x0D, 0x0C,
      0x30, 0x06, 0x00, 0x3E, 0x59, 0x06, 0xFB, 0xC0, 0xE4, 0xFE, 0x7B, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45,
      0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  SkinHandle picture = api.CreateControl_SkinPicture(window, -1, 0, 0, 10, 10);
  api.Picture_SetImage(picture, kRedPng, sizeof kRedPng);
  EXPECT_EQ(PixelOf(Host(picture), 4, 4), RGB(255, 0, 0));
  // Bytes that are no picture show nothing, without harm.
  api.Picture_SetImage(picture, "not a png", 9);
  EXPECT_NE(PixelOf(Host(picture), 4, 4), RGB(255, 0, 0));
}

}  // namespace
