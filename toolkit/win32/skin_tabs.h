// SkinTabs: pages are child windows that fill the control; exactly one is
// shown. The workbench switches pages itself (its donate button), so the
// control draws no page headers; a page's title is its window text.
#pragma once

#include <string>
#include <vector>

#include "toolkit/win32/control.h"

namespace skinkit {

class SkinTabs final : public Control {
 public:
  SkinTabs() : Control(Kind::Tabs, L"SkinTabs") {}
  void InsertPage(int index, const std::wstring& title);
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;
  HWND ContainerFor(int page) override;

 private:
  struct Page {
    HWND hwnd;
    bool titled;
  };
  HWND MakePage(const std::wstring& title);
  void Show(int page);
  void Layout() override;
  void Paint(HDC dc, const RECT& client) override;
  std::vector<Page> pages_;
  int current_ = -1;
};

}  // namespace skinkit
