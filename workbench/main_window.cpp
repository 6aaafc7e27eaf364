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

SkinHandle MakeTitled(Kind kind, SkinHandle parent, int page, int x, int y, int w, int h, const char* title) {
  SkinHandle c = Make(kind, parent, page, x, y, w, h);
  SetProperty(c, SKIN_PROP_TITLE, reinterpret_cast<intptr_t>(title));
  return c;
}

void Colour(SkinHandle c, uint32_t argb, const char* face) {
  SetProperty(c, SKIN_PROP_TEXT_COLOUR, static_cast<intptr_t>(argb));
  SetProperty(c, SKIN_PROP_FACE, reinterpret_cast<intptr_t>(face));
}

void OnMatchTimerTick() { OnMatchTimer(); }

void CreateControls() {
  Controls& c = controls;
  c.mainWindow = Make(kWindow, 0, -1, 50, 50, 1000, 673);
  const SkinHandle w = c.mainWindow;
  c.windowFrame = Make(kWindow, w, -1, 4, 4, 24, 24);
  c.titleLabel = Make(kLabel, w, -1, 433, 19, 150, 16);
  c.donateButton = MakeTitled(kButton, w, -1, 892, 11, 48, 30, "···");
  Colour(c.donateButton, kDonateButtonColour, "微软雅黑");
  c.closeButton = MakeTitled(kButton, w, -1, 941, 11, 48, 30, "×");
  Colour(c.closeButton, kCloseButtonColour, "宋体");

  c.tabs = Make(kTabs, w, -1, 11, 124, 976, 520);
  skin->Tabs_InsertPage(c.tabs, kWorkPage, "正则调试");
  skin->Tabs_InsertPage(c.tabs, kDonatePage, "打赏");
  const SkinHandle t = c.tabs;
  c.commonListButton = MakeTitled(kButton, t, kWorkPage, 75, 3, 56, 32, "常用");
  c.patternBox = Make(kEdit, t, kWorkPage, 131, 3, 536, 32);
  c.clearButton = MakeTitled(kButton, c.patternBox, -1, 502, 0, 32, 28, "×");
  Colour(c.clearButton, kClearButtonColour, "微软雅黑");
  SetProperty(c.clearButton, SKIN_PROP_VISIBLE, 0);  // shown only while both boxes hold text
  c.syntaxListButton = MakeTitled(kButton, t, kWorkPage, 667, 3, 120, 32, "语法参考");
  c.optionsButton = MakeTitled(kButton, t, kWorkPage, 787, 3, 120, 32, "选项");
  c.popupList = Make(kList, t, kWorkPage, 4, 36, 128, 248);
  SetProperty(c.popupList, SKIN_PROP_VISIBLE, 0);
  c.subjectLabel = MakeTitled(kLabel, t, kWorkPage, 75, 64, 162, 20, "欲匹配的文本：");
  c.subjectBox = Make(kRichEdit, t, kWorkPage, 75, 84, 832, 202);
  c.statusLabel = MakeTitled(kLabel, t, kWorkPage, 75, 304, 330, 20, "匹配文本：");
  c.resultList = Make(kReport, t, kWorkPage, 75, 324, 832, 180);

  c.donatePicture = Make(kPicture, t, kDonatePage, 309, 7, 360, 360);
  c.thanksLabel =
      MakeTitled(kLabel, t, kDonatePage, 309, 406, 424, 24, "工具完全免费！如果你觉得还不错，可以打赏支持一下~~~");
  c.otherToolsLabel = MakeTitled(kLabel, t, kDonatePage, 268, 452, 120, 24, "其他工具：");
  c.linkLabel = Make(kLabel, t, kDonatePage, 388, 452, 100, 24);  // text: FillDonatePage
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
