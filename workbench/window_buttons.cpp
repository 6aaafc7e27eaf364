// The close, clear and donate buttons and the donate page's link.
#include "workbench/window_buttons.h"

#include <string>

#include "platform/platform.h"
#include "workbench/workbench_state.h"

namespace workbench {

const char kLinkLabelText[] = "vintrel-grep";
const char kProjectPageUrl[] = "https://github.com/vintrel/vintrel";

namespace {

constexpr uint32_t kPressedColour = 0xFFC04851;
constexpr uint32_t kHoverColour = 0xFFED5A65;
constexpr uint32_t kRestColour = 0xFE000000;
constexpr uint32_t kDonateHoverColour = 0xFF16649E;
constexpr uint32_t kDonateRestColour = 0xFF383838;

constexpr int kWorkPage = 0;
constexpr int kDonatePage = 1;

const char kDonateRestTitle[] = "···";
const char kDonateHoverTitle[] = "打赏";
const char kDonateBackTitle[] = "返回";

void SetTextColour(SkinHandle button, uint32_t colour) {
  SetProperty(button, SKIN_PROP_TEXT_COLOUR, static_cast<intptr_t>(colour));
}

void SetHoverColour(SkinHandle button, int flag) {
  SetTextColour(button, flag == 1 ? kHoverColour : kRestColour);
}

std::string DonateTitle() { return GetTextProperty(controls.donateButton, SKIN_PROP_TITLE); }

}  // namespace

void OnCloseClicked() { skin->Control_Destroy(controls.mainWindow); }

void OnClosePressed() { SetTextColour(controls.closeButton, kPressedColour); }

void OnCloseHover(int flag) { SetHoverColour(controls.closeButton, flag); }

// The box's change handling saves the empty pattern and hides this button.
void OnClearClicked() { SetTextProperty(controls.patternBox, SKIN_PROP_EDIT_TEXT, ""); }

void OnClearPressed() { SetTextColour(controls.clearButton, kPressedColour); }

void OnClearHover(int flag) { SetHoverColour(controls.clearButton, flag); }

void OnDonateClicked() {
  if (DonateTitle() == kDonateHoverTitle) {
    SetProperty(controls.tabs, SKIN_PROP_CURRENT, kDonatePage);
    SetTextProperty(controls.donateButton, SKIN_PROP_TITLE, kDonateBackTitle);
  } else {
    SetProperty(controls.tabs, SKIN_PROP_CURRENT, kWorkPage);
    SetTextProperty(controls.donateButton, SKIN_PROP_TITLE, kDonateHoverTitle);
  }
}

void OnDonateHover(int flag) {
  if (flag == 1) {
    if (DonateTitle() != kDonateBackTitle) SetTextProperty(controls.donateButton, SKIN_PROP_TITLE, kDonateHoverTitle);
    SetTextColour(controls.donateButton, kDonateHoverColour);
  } else {
    SetTextColour(controls.donateButton, kDonateRestColour);
    if (DonateTitle() != kDonateBackTitle) SetTextProperty(controls.donateButton, SKIN_PROP_TITLE, kDonateRestTitle);
  }
}

void OnLinkClicked() { platform::OpenWebPage(kProjectPageUrl); }

void FillDonatePage() {
  skin->Picture_SetImage(controls.donatePicture, kDonatePicturePng, kDonatePicturePngSize);
  SetTextProperty(controls.linkLabel, SKIN_PROP_TITLE, kLinkLabelText);
}

}  // namespace workbench
