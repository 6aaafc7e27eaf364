// A small window on the headless kit for the toolkit's own tests: a main window
// with a pattern box, a subject box, a pop-up list, a result list and a button
// on page 0 of a tab control, and a label on page 1. Events reach OnEvent, which
// a test may replace to act from inside a handler.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/posix/posix_platform.h"
#include "toolkit/headless/headless_kit.h"

namespace toolkit::headless::testing {

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::posix::ResetForTest();
    ResetHeadlessKit();
    handlerHook = nullptr;
    kit.SkinKit_SetEventHandler(&Dispatch);
    window = kit.CreateControl_SkinWindow(0, -1, 50, 50, 1000, 673);
    tabs = kit.CreateControl_SkinTabs(window, -1, 11, 124, 976, 520);
    kit.Tabs_InsertPage(tabs, 0, "work");
    kit.Tabs_InsertPage(tabs, 1, "donate");
    pattern = kit.CreateControl_SkinEdit(tabs, 0, 131, 3, 536, 32);
    subject = kit.CreateControl_SkinRichEdit(tabs, 0, 75, 84, 832, 202);
    list = kit.CreateControl_SkinList(tabs, 0, 4, 36, 128, 248);
    results = kit.CreateControl_SkinReport(tabs, 0, 75, 324, 832, 180);
    button = kit.CreateControl_SkinButton(tabs, 0, 75, 3, 56, 32);
    link = kit.CreateControl_SkinLabel(tabs, 1, 388, 452, 100, 24);
    ClearEvents();
  }
  void TearDown() override {
    handlerHook = nullptr;
    platform::posix::ResetForTest();
    ResetHeadlessKit();
  }

  void SetText(SkinHandle box, const std::string& text) {
    int number = State(box).kind == ControlKind::RichEdit ? SKIN_PROP_RICH_TEXT : SKIN_PROP_EDIT_TEXT;
    kit.Control_SendMessage(box, SKIN_MSG_SET, number, reinterpret_cast<intptr_t>(text.c_str()));
  }
  std::string GetText(SkinHandle box) {
    int number = State(box).kind == ControlKind::RichEdit ? SKIN_PROP_RICH_TEXT : SKIN_PROP_EDIT_TEXT;
    return reinterpret_cast<const char*>(kit.Control_SendMessage(box, SKIN_MSG_GET, number, 0));
  }
  void Set(SkinHandle c, int number, intptr_t value) { kit.Control_SendMessage(c, SKIN_MSG_SET, number, value); }
  intptr_t Get(SkinHandle c, int number) { return kit.Control_SendMessage(c, SKIN_MSG_GET, number, 0); }

  // How many logged events of this kind the control raised.
  static int CountEvents(SkinHandle control, int event) {
    int count = 0;
    for (const EventRecord& record : Events()) count += record.control == control && record.event == event;
    return count;
  }

  static intptr_t SKINKIT_CALL Dispatch(SkinHandle control, int event, intptr_t a, intptr_t b) {
    if (handlerHook) handlerHook(control, event, a, b);
    return 0;
  }

  static inline std::function<void(SkinHandle, int, intptr_t, intptr_t)> handlerHook;

  const SkinKitApi& kit = HeadlessSkinKit();
  SkinHandle window = 0, tabs = 0, pattern = 0, subject = 0, list = 0, results = 0, button = 0, link = 0;
};

}  // namespace toolkit::headless::testing
