// SkinReport: a virtual report list view (LVS_OWNERDATA, owner-drawn rows), so
// that 10,000 rows cost one item count and only the rows on screen are drawn.
// The toolkit keeps every cell: its text and, per badge element of its column,
// the badge's text and colour. Columns carry their badge elements (place,
// skin, font). A click on a row makes it current and raises ROW_CLICKED with
// the clicked column.
#pragma once

#include <string>
#include <vector>

#include "toolkit/win32/control.h"
#include "toolkit/win32/element.h"

namespace skinkit {

class SkinReport final : public Control {
 public:
  SkinReport() : Control(Kind::Report, L"SkinReport") {}
  bool Set(int number, intptr_t value) override;
  bool Get(int number, intptr_t* value) override;

  void InsertColumn(int index, const std::wstring& title, int width, int minWidth, const std::wstring& face,
                    const std::wstring& headerFace);
  void DeleteColumn(int index);
  void SetColumnWidth(int index, int width);
  void InsertRows(int at, int count, int rowHeight);
  void DeleteRows(int index);
  void SetCellText(int row, int column, const std::wstring& text);
  void InsertElement(int column, int index, int kind);
  void SetBadgeBox(int column, int element, const RECT& box, const LabelSkin& skin, const std::wstring& face);
  void SetBadge(int row, int column, int element, const std::wstring& text, uint32_t colour);

 private:
  struct Column {
    std::wstring title;
    int minWidth = 0;
    std::wstring face, headerFace;
    std::vector<Element> elements;
  };
  struct Cell {
    std::wstring text;
    std::vector<ElementData> badges;
  };
  using Row = std::vector<Cell>;
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  int RowCount() const { return static_cast<int>(rows_.size()); }
  Cell* CellAt(int row, int column);
  void RedrawRow(int row);
  void SetRowHeight(int height);
  void SyncCount();
  void DrawRow(const DRAWITEMSTRUCT& dis);
  void PaintHeader(HWND header);
  void OnCreated() override;
  void Layout() override;
  void Paint(HDC dc, const RECT& client) override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnInnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;
  friend LRESULT CALLBACK HeaderProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int rowHeight_ = 38;
  HWND header_ = nullptr;
};

}  // namespace skinkit
