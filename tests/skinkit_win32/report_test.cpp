#include "kit.h"

#include <commctrl.h>

namespace {

// A badge skin with a loud fill, so that a drawn badge shows in the pixels.
const unsigned char kGreenBadge[] = {'S', 'k', 'i', 'n', 'K', 'i', 't', 0, 1, 1,
                                     0x00, 0xFF, 0x00, 0xFF,  // fill: pure green
                                     0x00, 0xFF, 0x00, 0xFF,  // border
                                     0};
const unsigned char kFont[84] = {};

class ReportTest : public KitTest {
 protected:
  void SetUp() override {
    KitTest::SetUp();
    report = api.CreateControl_SkinReport(window, -1, 10, 10, 832, 300);
    ASSERT_NE(report, 0);
    view = Inner(report, L"listview");
    ASSERT_NE(view, nullptr);
    api.Report_InsertColumn(report, 0, "索引", 45, 30, kFont, kFont);
    api.Report_InsertColumn(report, 1, "匹配文本", 770, 200, kFont, kFont);
    ClearEvents();
  }
  int Rows() { return static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0)); }
  int Current() { return static_cast<int>(api.Control_SendMessage(report, SKIN_MSG_GET, SKIN_PROP_CURRENT, 0)); }
  RECT RowRect(int row) {
    RECT r = {LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(view, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  std::wstring HeaderTitle(int i) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
    wchar_t text[64] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    return text;
  }
  SkinHandle report = 0;
  HWND view = nullptr;
};

TEST_F(ReportTest, RowsAreInsertedInOneStepAndThirtyEightHigh) {
  api.Report_InsertRows(report, 0, 10000, 38);
  EXPECT_EQ(Rows(), 10000);
  RECT r = RowRect(0);
  EXPECT_EQ(r.bottom - r.top, 38);
  api.Report_DeleteRows(report, 5);
  EXPECT_EQ(Rows(), 9999);
  api.Report_DeleteRows(report, -1);
  EXPECT_EQ(Rows(), 0);
}

TEST_F(ReportTest, ColumnsKeepTheirPlaceTitleAndWidth) {
  api.Report_InsertColumn(report, 2, "子匹配文本1", 200, 100, kFont, kFont);
  api.Report_InsertColumn(report, 1, "中间", 120, 100, kFont, kFont);
  api.Report_SetColumnAttributes(report, 2, 361);
  EXPECT_EQ(HeaderTitle(0), L"索引");
  EXPECT_EQ(HeaderTitle(1), L"中间");
  EXPECT_EQ(HeaderTitle(2), L"匹配文本");
  EXPECT_EQ(HeaderTitle(3), L"子匹配文本1");
  EXPECT_EQ(SendMessageW(view, LVM_GETCOLUMNWIDTH, 0, 0), 45);
  EXPECT_EQ(SendMessageW(view, LVM_GETCOLUMNWIDTH, 2, 0), 361);
  api.Report_DeleteColumn(report, 1);
  EXPECT_EQ(HeaderTitle(1), L"匹配文本");
  api.Report_DeleteColumn(report, -1);
  HWND header = reinterpret_cast<HWND>(SendMessageW(view, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ReportTest, CurrentRowRoundTrips) {
  api.Report_InsertRows(report, 0, 5, 38);
  EXPECT_EQ(Current(), -1);
  const struct { int set, get; } cases[] = {{2, 2}, {4, 4}, {-1, -1}, {0, 0}, {99, -1}};
  for (const auto& c : cases) {
    api.Control_SendMessage(report, SKIN_MSG_SET, SKIN_PROP_CURRENT, c.set);
    EXPECT_EQ(Current(), c.get) << c.set;
  }
  api.Control_SendMessage(report, SKIN_MSG_SET, SKIN_PROP_CURRENT, 3);
  api.Report_DeleteRows(report, -1);
  EXPECT_EQ(Current(), -1);
}

TEST_F(ReportTest, ARowClickMakesTheRowCurrentAndNamesTheColumn) {
  api.Report_InsertRows(report, 0, 3, 38);
  const struct { int x, column; } cases[] = {{20, 0}, {300, 1}};
  for (const auto& c : cases) {
    ClearEvents();
    RECT row = RowRect(1);
    Click(view, c.x, (row.top + row.bottom) / 2);
    std::vector<Event> got = EventsOf(report);
    ASSERT_EQ(got.size(), 1u) << c.x;
    EXPECT_EQ(got[0].event, SKIN_EVENT_ROW_CLICKED);
    EXPECT_EQ(got[0].a, c.column);
    EXPECT_EQ(Current(), 1);
  }
}

TEST_F(ReportTest, ABadgeShowsInItsCellUntilItsTextIsEmptied) {
  api.Report_InsertRows(report, 0, 3, 38);
  api.Control_InsertElement(report, 1, 0, SKIN_ELEMENT_BUTTON);
  api.Control_SetButtonElementAttributes(report, 1, 0, 0, 8, 100, 20, kGreenBadge, sizeof kGreenBadge, kFont);
  api.Control_SetButtonElementData(report, 1, 1, 0, "空格×3", 0xFF000000);
  RECT row = RowRect(1);
  const int x = 45 + 3, y = row.top + 10;  // inside the badge, left of its text
  EXPECT_EQ(PixelOf(view, x, y), RGB(0, 255, 0));
  EXPECT_NE(PixelOf(view, x, RowRect(0).top + 10), RGB(0, 255, 0));  // other rows have none
  api.Control_SetButtonElementData(report, 1, 1, 0, "", 0xFF000000);
  EXPECT_NE(PixelOf(view, x, y), RGB(0, 255, 0));
}

TEST_F(ReportTest, CellsOutsideTheTableAreIgnored) {
  api.Report_InsertRows(report, 0, 2, 38);
  api.Report_SetCellText(report, 2, 0, "x");
  api.Report_SetCellText(report, 0, 5, "x");
  api.Report_SetCellText(report, -1, 0, "x");
  api.Control_SetButtonElementData(report, 7, 1, 0, "x", 0xFF000000);
  EXPECT_EQ(Rows(), 2);
}

}  // namespace
