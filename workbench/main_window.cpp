#include "workbench/main_window.h"

#include "platform/platform.h"
#include "workbench/edit_menu.h"
#include "workbench/engine_api.h"
#include "workbench/match_run.h"
#include "workbench/options_list.h"
#include "workbench/pattern_lists.h"
#include "workbench/result_list.h"
#include "workbench/settings.h"
#include "workbench/window_buttons.h"
#include "workbench/workbench_state.h"

namespace workbench {

namespace {

constexpr int kWorkPage = 0;
constexpr int kDonatePage = 1;

constexpr uint32_t kDonateButtonColour = 0xFF383838;
constexpr uint32_t kCloseButtonColour = 0xFE000000;
constexpr uint32_t kClearButtonColour = 0xFF808080;

// Control kinds of the design table.
enum Kind { kWindow, kTabs, kPicture, kLabel, kButton, kEdit, kList, kReport, kRichEdit };

SkinHandle Make(Kind kind, SkinHandle parent, int page, int x, int y, int w, int h) {
  using Factory = SkinHandle(SKINKIT_CALL*)(SkinHandle, int, int, int, int, int);
  const Factory factories[] = {skin->CreateControl_SkinWindow, skin->CreateControl_SkinTabs,
                               skin->CreateControl_SkinPicture,  skin->CreateControl_SkinLabel,
                               skin->CreateControl_SkinButton,   skin->CreateControl_SkinEdit,
                               skin->CreateControl_SkinList,     skin->CreateControl_SkinReport,
                               skin->CreateControl_SkinRichEdit};
  return factories[kind](parent, page, x, y, w, h);
}

// One row per control of the design, in creation order: a parent comes before
// its children. Positions are relative to the parent and never scaled.
struct ControlDesign {
  SkinHandle Controls::*handle;
  Kind kind;
  SkinHandle Controls::*parent;  // nullptr: the main window itself
  int page;                      // the tab page, -1 for none
  int x, y, width, height;
  const char* title;             // nullptr: none
  uint32_t textColour;           // 0: the toolkit's own
  const char* face;              // nullptr: the toolkit's own
  bool hidden;
};

using C = Controls;
const ControlDesign kDesign[] = {
    {&C::mainWindow, kWindow, nullptr, -1, 50, 50, 1000, 673, nullptr, 0, nullptr, false},
    {&C::windowFrame, kWindow, &C::mainWindow, -1, 4, 4, 24, 24, nullptr, 0, nullptr, false},
    {&C::titleLabel, kLabel, &C::mainWindow, -1, 433, 19, 150, 16, nullptr, 0, nullptr, false},
    {&C::donateButton, kButton, &C::mainWindow, -1, 892, 11, 48, 30, "···", kDonateButtonColour, "微软雅黑", false},
    {&C::closeButton, kButton, &C::mainWindow, -1, 941, 11, 48, 30, "×", kCloseButtonColour, "宋体", false},
    {&C::tabs, kTabs, &C::mainWindow, -1, 11, 124, 976, 520, nullptr, 0, nullptr, false},
    {&C::commonListButton, kButton, &C::tabs, kWorkPage, 75, 3, 56, 32, "常用", 0, nullptr, false},
    {&C::patternBox, kEdit, &C::tabs, kWorkPage, 131, 3, 536, 32, nullptr, 0, nullptr, false},
    // Shown only while both boxes hold text (the pattern box's change handling).
    {&C::clearButton, kButton, &C::patternBox, -1, 502, 0, 32, 28, "×", kClearButtonColour, "微软雅黑", true},
    {&C::syntaxListButton, kButton, &C::tabs, kWorkPage, 667, 3, 120, 32, "语法参考", 0, nullptr, false},
    {&C::optionsButton, kButton, &C::tabs, kWorkPage, 787, 3, 120, 32, "选项", 0, nullptr, false},
    // Hidden while no list is open.
    {&C::popupList, kList, &C::tabs, kWorkPage, 4, 36, 128, 248, nullptr, 0, nullptr, true},
    {&C::subjectLabel, kLabel, &C::tabs, kWorkPage, 75, 64, 162, 20, "欲匹配的文本：", 0, nullptr, false},
    {&C::subjectBox, kRichEdit, &C::tabs, kWorkPage, 75, 84, 832, 202, nullptr, 0, nullptr, false},
    {&C::statusLabel, kLabel, &C::tabs, kWorkPage, 75, 304, 330, 20, "匹配文本：", 0, nullptr, false},
    {&C::resultList, kReport, &C::tabs, kWorkPage, 75, 324, 832, 180, nullptr, 0, nullptr, false},
    {&C::donatePicture, kPicture, &C::tabs, kDonatePage, 309, 7, 360, 360, nullptr, 0, nullptr, false},
    {&C::thanksLabel, kLabel, &C::tabs, kDonatePage, 309, 406, 424, 24,
     "工具完全免费！如果你觉得还不错，可以打赏支持一下~~~", 0, nullptr, false},
    {&C::otherToolsLabel, kLabel, &C::tabs, kDonatePage, 268, 452, 120, 24, "其他工具：", 0, nullptr, false},
    // Its text comes with the donate page (FillDonatePage).
    {&C::linkLabel, kLabel, &C::tabs, kDonatePage, 388, 452, 100, 24, nullptr, 0, nullptr, false},
};

void OnMatchTimerTick() { OnMatchTimer(); }

void CreateControls() {
  for (const ControlDesign& d : kDesign) {
    SkinHandle parent = d.parent ? controls.*d.parent : 0;
    SkinHandle c = Make(d.kind, parent, d.page, d.x, d.y, d.width, d.height);
    controls.*d.handle = c;
    if (d.title) SetProperty(c, SKIN_PROP_TITLE, reinterpret_cast<intptr_t>(d.title));
    if (d.textColour) SetProperty(c, SKIN_PROP_TEXT_COLOUR, static_cast<intptr_t>(d.textColour));
    if (d.face) SetProperty(c, SKIN_PROP_FACE, reinterpret_cast<intptr_t>(d.face));
    if (d.hidden) SetProperty(c, SKIN_PROP_VISIBLE, 0);
    if (d.handle == &C::tabs) {
      skin->Tabs_InsertPage(c, kWorkPage, "正则调试");
      skin->Tabs_InsertPage(c, kDonatePage, "打赏");
    }
  }
}

}  // namespace

void InitGlobals() {
  controls = Controls{};
  menuItemTable.clear();
  styleRecord = StyleRecord{};
  savedSubject.clear();
  checkPicture.clear();
  optionTable.clear();
  syntaxListEntries.clear();
  commonListEntries.clear();
  regexObject = engine::Regex::Create();
  searchResults.clear();
  matchCaretStarts.clear();
  matchSelectionLengths.clear();
  listMode = kListNone;
  cachedCharPos = 0;
  cachedByteOffset = 0;
}

void ExitCleanup() {
  menuItemTable.clear();
  styleRecord = StyleRecord{};
  savedSubject.clear();
  savedSubject.shrink_to_fit();
  checkPicture.clear();
  optionTable.clear();
  syntaxListEntries.clear();
  commonListEntries.clear();
  regexObject.reset();
  searchResults.clear();
  matchCaretStarts.clear();
  matchSelectionLengths.clear();
  listMode = kListNone;
  cachedCharPos = 0;
  cachedByteOffset = 0;
  controls = Controls{};
}

SkinHandle CreateMainWindow(const SkinKitApi* kit) {
  skin = kit;
  skin->SkinKit_SetEventHandler(OnSkinEvent);
  platform::SetTimerHandler(OnMatchTimerTick);
  CreateControls();
  FillDonatePage();
  OnWindowCreated();
  return controls.mainWindow;
}

void OnWindowCreated() {
  styleRecord.listFont = BuiltinListFont();
  LoadSettings();
  LoadSavedSubject();
  BeginSubjectRestore();
  SetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT, ReadSetting("Pattern", ""));
  SetTextProperty(controls.subjectBox, SKIN_PROP_RICH_TEXT, savedSubject);
  EndSubjectRestore();
  std::vector<uint8_t> format = MakeCharFormat("", 0, 0, std::nullopt, 0x40);
  SetProperty(controls.subjectBox, SKIN_PROP_DEFAULT_FORMAT, reinterpret_cast<intptr_t>(format.data()));
  if (ReadSetting("Window", "0") == "1") {
    SetProperty(controls.tabs, SKIN_PROP_CURRENT, kDonatePage);
    SetTextProperty(controls.donateButton, SKIN_PROP_TITLE, "返回");
  } else {
    SetProperty(controls.tabs, SKIN_PROP_CURRENT, kWorkPage);
  }
  if (platform::FileExists(CheckPicturePath())) {
    std::string bytes;
    if (platform::ReadWholeFile(CheckPicturePath(), bytes)) checkPicture = std::move(bytes);
  }
  styleRecord.evenMatchColour = kEvenMatchColour;
  styleRecord.oddMatchColour = kOddMatchColour;
  styleRecord.entryTitleColour = 0xFF696969;
  styleRecord.twoFieldNoteColour = 0xFF16649E;
  styleRecord.threeFieldNoteColour = 0xFFDD2E91;
  SetTextProperty(controls.titleLabel, SKIN_PROP_TITLE, kProgramTitle);
  SetTextProperty(controls.mainWindow, SKIN_PROP_TITLE, GetTextProperty(controls.titleLabel, SKIN_PROP_TITLE));
  BuildEditMenu();
}

intptr_t SKINKIT_CALL OnSkinEvent(SkinHandle control, int event, intptr_t a, intptr_t) {
  const Controls& c = controls;
  const int flag = static_cast<int>(a);
  if (control == 0) return 0;
  if (control == c.patternBox) {
    if (event == SKIN_EVENT_CHANGED) OnPatternBoxChanged();
    if (event == SKIN_EVENT_RIGHT_CLICK) OnPatternBoxRightClicked();
  } else if (control == c.subjectBox) {
    if (event == SKIN_EVENT_CHANGED) OnSubjectBoxChanged();
    if (event == SKIN_EVENT_RIGHT_CLICK) OnSubjectBoxRightClicked();
  } else if (control == c.popupList) {
    if (event == SKIN_EVENT_ITEM_CHOSEN) OnPopupItemChosen(flag);
    if (event == SKIN_EVENT_FOCUS_LOST) OnPopupFocusLost();
  } else if (control == c.resultList) {
    if (event == SKIN_EVENT_ROW_CLICKED) OnResultRowClicked(flag);
  } else if (control == c.commonListButton) {
    if (event == SKIN_EVENT_CLICKED) OnCommonListClicked();
  } else if (control == c.syntaxListButton) {
    if (event == SKIN_EVENT_CLICKED) OnSyntaxListClicked();
  } else if (control == c.optionsButton) {
    if (event == SKIN_EVENT_CLICKED) OnOptionsClicked();
  } else if (control == c.closeButton) {
    if (event == SKIN_EVENT_CLICKED) OnCloseClicked();
    if (event == SKIN_EVENT_PRESSED) OnClosePressed();
    if (event == SKIN_EVENT_HOVER) OnCloseHover(flag);
  } else if (control == c.clearButton) {
    if (event == SKIN_EVENT_CLICKED) OnClearClicked();
    if (event == SKIN_EVENT_PRESSED) OnClearPressed();
    if (event == SKIN_EVENT_HOVER) OnClearHover(flag);
  } else if (control == c.donateButton) {
    if (event == SKIN_EVENT_CLICKED) OnDonateClicked();
    if (event == SKIN_EVENT_HOVER) OnDonateHover(flag);
  } else if (control == c.linkLabel) {
    if (event == SKIN_EVENT_CLICKED) OnLinkClicked();
  }
  return 0;
}

}  // namespace workbench
