// The report list: columns, rows and cell texts. Every row keeps one cell per
// column, so inserting or deleting a column moves the cells with it.
#include "toolkit/headless/exports.h"
#include "toolkit/headless/kit_state.h"

namespace toolkit::headless::exports {

void SKINKIT_CALL Report_InsertColumn(SkinHandle report, int index, const char* title, int width,
                                      int minWidth, const void* font, const void* headerFont) {
  ControlState* state = Living(report, ControlKind::Report);
  if (!state) return;
  int count = static_cast<int>(state->columns.size());
  if (index < 0 || index > count) index = count;
  ReportColumn column;
  column.title = title ? title : "";
  column.width = width;
  column.minWidth = minWidth;
  column.hasFont = font != nullptr;
  column.hasHeaderFont = headerFont != nullptr;
  state->columns.insert(state->columns.begin() + index, column);
  for (ReportRow& row : state->reportRows) row.cells.insert(row.cells.begin() + index, ReportCell());
}

void SKINKIT_CALL Report_DeleteColumn(SkinHandle report, int index) {
  ControlState* state = Living(report, ControlKind::Report);
  if (!state) return;
  if (index == -1) {
    state->columns.clear();
    for (ReportRow& row : state->reportRows) row.cells.clear();
    return;
  }
  if (index < 0 || index >= static_cast<int>(state->columns.size())) return;
  state->columns.erase(state->columns.begin() + index);
  for (ReportRow& row : state->reportRows) row.cells.erase(row.cells.begin() + index);
}

void SKINKIT_CALL Report_SetColumnAttributes(SkinHandle report, int index, int width) {
  ControlState* state = Living(report, ControlKind::Report);
  if (!state || index < 0 || index >= static_cast<int>(state->columns.size())) return;
  state->columns[index].width = width;
}

void SKINKIT_CALL Report_InsertRows(SkinHandle report, int at, int count, int rowHeight) {
  ControlState* state = Living(report, ControlKind::Report);
  if (!state || count <= 0) return;
  int size = static_cast<int>(state->reportRows.size());
  if (at < 0 || at > size) at = size;
  ReportRow row;
  row.height = rowHeight;
  row.cells.resize(state->columns.size());
  state->reportRows.insert(state->reportRows.begin() + at, count, row);
  if (state->current >= at) state->current += count;
}

void SKINKIT_CALL Report_DeleteRows(SkinHandle report, int index) {
  ControlState* state = Living(report, ControlKind::Report);
  if (!state) return;
  if (index == -1) {
    state->reportRows.clear();
    state->current = -1;
    return;
  }
  if (index < 0 || index >= static_cast<int>(state->reportRows.size())) return;
  state->reportRows.erase(state->reportRows.begin() + index);
  if (state->current == index) {
    state->current = -1;
  } else if (state->current > index) {
    --state->current;
  }
}

void SKINKIT_CALL Report_SetCellText(SkinHandle report, int row, int column, const char* text) {
  ControlState* state = Living(report, ControlKind::Report);
  if (!state || row < 0 || row >= static_cast<int>(state->reportRows.size())) return;
  auto& cells = state->reportRows[row].cells;
  if (column < 0 || column >= static_cast<int>(cells.size())) return;
  cells[column].text = text ? text : "";
}

}  // namespace toolkit::headless::exports
