// Focus loss of the list box, and the user actions with the events they raise
// and the places a user cannot reach.
#include <functional>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "platform/platform.h"

namespace toolkit::headless::testing {
namespace {

using FocusTest = HeadlessTest;

TEST_F(FocusTest, EveryWayOfMovingTheFocusAwayClosesTheList) {
  kit.List_InsertItems(list, 0, 2, 30, 0);
  kit.Report_InsertColumn(results, 0, "c", 45, 30, nullptr, nullptr);
  kit.Report_InsertRows(results, 0, 1, 38);
  struct Case {
    const char* name;
    std::function<void()> move;
  };
  const Case cases[] = {
      {"program focus to another control", [&] { kit.Control_SetFocus(pattern); }},
      {"program focus to none", [&] { kit.Control_SetFocus(0); }},
      {"right-click into a box", [&] { RightClick(subject); }},
      {"click on a button", [&] { Click(button); }},
      {"press on a button", [&] { Press(button); }},
      {"typing into a box", [&] { TypeText(pattern, "x"); }},
      {"selecting in a box", [&] { SelectText(subject, 0, 0); }},
      {"a row click in the report", [&] { ClickRow(results, 0, 0); }},
      {"a click into another control", [&] { GiveFocus(results); }},
      {"another window activated", [&] { LoseFocus(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kit.Control_SetFocus(list);
    ClearEvents();
    c.move();
    EXPECT_EQ(CountEvents(list, SKIN_EVENT_FOCUS_LOST), 1);
    EXPECT_NE(Focused(), list);
  }
}

TEST_F(FocusTest, OnlyALosingListRaisesFocusLost) {
  kit.Control_SetFocus(list);
  ClearEvents();
  kit.Control_SetFocus(list);  // already there
  kit.List_InsertItems(list, 0, 1, 30, 0);
  ChooseListItem(list, 0);     // a choice keeps the focus in the list
  EXPECT_EQ(CountEvents(list, SKIN_EVENT_FOCUS_LOST), 0);
  kit.Control_SetFocus(pattern);
  ClearEvents();
  kit.Control_SetFocus(subject);  // between boxes: no event
  EXPECT_TRUE(Events().empty());
}

TEST_F(FocusTest, TheNewOwnerHoldsTheFocusWhenTheListHearsOfItsLoss) {
  SkinHandle ownerSeen = -1;
  handlerHook = [&](SkinHandle control, int event, intptr_t, intptr_t) {
    if (control != list || event != SKIN_EVENT_FOCUS_LOST) return;
    ownerSeen = Focused();
    Set(list, SKIN_PROP_VISIBLE, 0);  // the workbench closes the list here
  };
  kit.Control_SetFocus(list);
  ASSERT_TRUE(RightClick(subject));
  EXPECT_EQ(ownerSeen, subject);
  EXPECT_FALSE(IsShown(list));
}

TEST_F(FocusTest, RightClickGivesTheFocusBeforeTheEvent) {
  SkinHandle focusAtEvent = 0;
  handlerHook = [&](SkinHandle control, int event, intptr_t, intptr_t) {
    if (event == SKIN_EVENT_RIGHT_CLICK) focusAtEvent = Focused();
    (void)control;
  };
  ASSERT_TRUE(RightClick(pattern));
  EXPECT_EQ(focusAtEvent, pattern);
  EXPECT_EQ(CountEvents(pattern, SKIN_EVENT_RIGHT_CLICK), 1);
}

using ActionsTest = HeadlessTest;

TEST_F(ActionsTest, AButtonClickIsAPressThenAClickAndALabelClickOnlyAClick) {
  ASSERT_TRUE(Click(button));
  ASSERT_EQ(Events().size(), 2u);
  EXPECT_EQ(Events()[0].event, SKIN_EVENT_PRESSED);
  EXPECT_EQ(Events()[1].event, SKIN_EVENT_CLICKED);
  EXPECT_EQ(Focused(), button);
  Set(tabs, SKIN_PROP_CURRENT, 1);
  ClearEvents();
  ASSERT_TRUE(Click(link));
  ASSERT_EQ(Events().size(), 1u);
  EXPECT_EQ(Events()[0].control, link);
  EXPECT_EQ(Events()[0].event, SKIN_EVENT_CLICKED);
  EXPECT_EQ(Focused(), button);
}

TEST_F(ActionsTest, HoverCarriesInAndOut) {
  ASSERT_TRUE(PointerIn(button));
  ASSERT_TRUE(PointerOut(button));
  ASSERT_EQ(Events().size(), 2u);
  EXPECT_EQ(Events()[0].event, SKIN_EVENT_HOVER);
  EXPECT_EQ(Events()[0].a, 1);
  EXPECT_EQ(Events()[1].a, 0);
  EXPECT_FALSE(PointerIn(pattern));  // only buttons react to the pointer
}

TEST_F(ActionsTest, UnreachableControlsTakeNoAction) {
  SkinHandle clear = 0;  // made anew for every case
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::function<bool()> act;
  };
  const Case cases[] = {
      {"hidden button", [&] { Set(button, SKIN_PROP_VISIBLE, 0); }, [&] { return Click(button); }},
      {"button inside a hidden box", [&] { Set(pattern, SKIN_PROP_VISIBLE, 0); }, [&] { return Click(clear); }},
      {"label on the page not shown", [] {}, [&] { return Click(link); }},
      {"box on the page not shown", [&] { Set(tabs, SKIN_PROP_CURRENT, 1); }, [&] { return TypeText(subject, "x"); }},
      {"hidden list", [&] { Set(list, SKIN_PROP_VISIBLE, 0); }, [&] { return ChooseListItem(list, 0); }},
      {"row that does not exist", [] {}, [&] { return ClickRow(results, 5, 0); }},
      {"column that does not exist", [] {}, [&] { return ClickRow(results, 0, 3); }},
      {"list row that does not exist", [] {}, [&] { return ChooseListItem(list, 2); }},
      {"destroyed button", [&] { kit.Control_Destroy(button); }, [&] { return Click(button); }},
      {"window gone", [&] { kit.Control_Destroy(window); }, [&] { return Click(button); }},
      {"right-click on a button", [] {}, [&] { return RightClick(button); }},
      {"typing into a list", [] {}, [&] { return TypeText(list, "x"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    clear = kit.CreateControl_SkinButton(pattern, -1, 502, 0, 32, 28);
    kit.List_InsertItems(list, 0, 2, 30, 0);
    kit.Report_InsertColumn(results, 0, "c", 45, 30, nullptr, nullptr);
    kit.Report_InsertRows(results, 0, 1, 38);
    c.arrange();
    ClearEvents();
    EXPECT_FALSE(c.act());
    EXPECT_TRUE(Events().empty());
  }
}

TEST_F(ActionsTest, ShowingThePageMakesItsControlsReachable) {
  EXPECT_FALSE(IsShown(link));
  Set(tabs, SKIN_PROP_CURRENT, 1);
  EXPECT_TRUE(IsShown(link));
  EXPECT_FALSE(IsShown(subject));
  EXPECT_EQ(Get(tabs, SKIN_PROP_CURRENT), 1);
}

TEST_F(ActionsTest, AListChoiceMakesTheRowCurrentBeforeTheEvent) {
  kit.List_InsertItems(list, 0, 3, 30, 0);
  intptr_t currentAtEvent = -2;
  handlerHook = [&](SkinHandle control, int event, intptr_t, intptr_t) {
    if (control == list && event == SKIN_EVENT_ITEM_CHOSEN) currentAtEvent = Get(list, SKIN_PROP_CURRENT);
  };
  ASSERT_TRUE(ChooseListItem(list, 2));
  EXPECT_EQ(currentAtEvent, 2);
  ASSERT_EQ(CountEvents(list, SKIN_EVENT_ITEM_CHOSEN), 1);
  EXPECT_EQ(Events().back().a, 2);
  EXPECT_EQ(Focused(), list);
}

TEST_F(ActionsTest, ARowClickMakesTheRowCurrentAndNamesTheColumn) {
  for (int c = 0; c < 3; ++c) kit.Report_InsertColumn(results, c, "c", 100, 30, nullptr, nullptr);
  kit.Report_InsertRows(results, 0, 4, 38);
  ASSERT_TRUE(ClickRow(results, 3, 2));
  EXPECT_EQ(Get(results, SKIN_PROP_CURRENT), 3);
  ASSERT_EQ(CountEvents(results, SKIN_EVENT_ROW_CLICKED), 1);
  EXPECT_EQ(Events().back().a, 2);
}

TEST_F(ActionsTest, DestroyingTheMainWindowRaisesDestroyedAndClosesTheKit) {
  SetText(subject, "kept");
  std::string textAtEvent;
  handlerHook = [&](SkinHandle control, int event, intptr_t, intptr_t) {
    if (control == window && event == SKIN_EVENT_DESTROYED) textAtEvent = GetText(subject);
  };
  kit.Control_Destroy(window);
  EXPECT_EQ(CountEvents(window, SKIN_EVENT_DESTROYED), 1);
  EXPECT_EQ(textAtEvent, "kept");
  EXPECT_TRUE(IsClosed());
  EXPECT_FALSE(Exists(subject));
  EXPECT_EQ(State(subject).chars, u"kept");  // still readable
  EXPECT_TRUE(State(subject).destroyed);
}

TEST_F(ActionsTest, DestroyingAChildLeavesTheWindowOpen) {
  kit.Control_SetFocus(subject);
  kit.Control_Destroy(tabs);
  EXPECT_FALSE(IsClosed());
  EXPECT_TRUE(Exists(window));
  EXPECT_FALSE(Exists(subject));
  EXPECT_EQ(Focused(), 0);
  EXPECT_EQ(CountEvents(window, SKIN_EVENT_DESTROYED), 0);
}

TEST_F(ActionsTest, WindowsMapBackToTheirControls) {
  for (SkinHandle c : {window, subject, list}) EXPECT_EQ(kit.Control_FromWindow(WindowOf(c)), c);
  EXPECT_EQ(kit.Control_FromWindow(nullptr), 0);
  EXPECT_EQ(kit.Control_FromWindow(reinterpret_cast<void*>(0x1234)), 0);
  void* gone = WindowOf(button);
  kit.Control_Destroy(button);
  EXPECT_EQ(kit.Control_FromWindow(gone), 0);
}

TEST_F(ActionsTest, AControlWithAnUnknownParentIsNotMade) {
  EXPECT_EQ(kit.CreateControl_SkinButton(999, -1, 0, 0, 1, 1), 0);
  EXPECT_EQ(State(999).kind, ControlKind::None);
}

TEST_F(ActionsTest, TheTimerTickReachesThePlatformTimer) {
  static int ticks;
  ticks = 0;
  platform::SetTimerHandler([] { ++ticks; });
  platform::SetTimerPeriod(1000);
  TickTimer();
  EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace toolkit::headless::testing
