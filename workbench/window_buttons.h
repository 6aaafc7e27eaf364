// The window's close and donate buttons, the pattern box's clear button and
// the donate page's link.
//
// The donate button's title is the only record of the page it leads to:
// "返回" exactly while the donate page (page 1) is shown.
#pragma once

namespace workbench {

void OnCloseClicked();
void OnClosePressed();
// flag 1: the pointer entered; anything else: it left.
void OnCloseHover(int flag);
void OnClearClicked();
void OnClearPressed();
void OnClearHover(int flag);
void OnDonateClicked();
void OnDonateHover(int flag);
void OnLinkClicked();

// What the link label shows and the page it opens.
extern const char kLinkLabelText[];
extern const char kProjectPageUrl[];

// The donate page's 360 x 360 PNG picture.
extern const unsigned char kDonatePicturePng[];
extern const int kDonatePicturePngSize;
// Puts the donate picture and the link text into their controls (at creation).
void FillDonatePage();

}  // namespace workbench
