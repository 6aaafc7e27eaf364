// SkinList: an owner-drawn native list box whose rows carry a height, a text
// colour, a title, an optional icon (PNG) and text elements. A click on a row
// (or Enter) raises ITEM_CHOSEN with the row, which is then the current item;
// losing the keyboard focus raises FOCUS_LOST.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/win32/control.h"
#include "toolkit/win32/element.h"
#include "toolkit/win32/png_image.h"

namespace skinkit {

class SkinList final : public Control {
 public:
  SkinList() : Control(Kind::List, L"SkinList") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;

  void DeleteItems(int index);
  void InsertItems(int at, int count, int rowHeight, uint32_t colour);
  void SetTitle(int row, const std::wstring& title);
  void SetIcon(int row, const void* png, int length);
  void InsertElement(int row, int index, int kind);
  void SetElementBox(int row, int element, const RECT& box, const std::wstring& face);
  void SetElementData(int row, int element, const std::wstring& text, uint32_t colour);

 private:
  struct Row {
    int height = 30;
    uint32_t colour = 0;
    std::wstring title;
    std::shared_ptr<Image> icon;
    std::vector<Element> elements;
    std::vector<ElementData> data;
  };
  bool Valid(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
  // The rows a per-row call addresses: one row, or all of them for -1.
  std::vector<int> Addressed(int row) const;
  void DrawRow(const DRAWITEMSTRUCT& dis);
  void OnCreated() override;
  void Layout() override;
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
  std::vector<Row> rows_;
  bool pressed_ = false;  // the mouse button went down on the list
};

}  // namespace skinkit
