#include "ui/framework/win32/list_view_grid.h"

#include <commctrl.h>

#include <vector>

namespace ui {
namespace win32 {

ListViewGrid::ListViewGrid(HWND listView) : listView_(listView) {
  ListView_SetExtendedListViewStyle(
      listView_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP | LVS_EX_DOUBLEBUFFER);
}

ListViewGrid::~ListViewGrid() {
  if (font_ != nullptr) {
    if (IsWindow(listView_)) SendMessageA(listView_, WM_SETFONT, 0, FALSE);
    DeleteObject(font_);
  }
}

int ListViewGrid::ItemCount() const { return ListView_GetItemCount(listView_); }

int ListViewGrid::Rows() const { return ItemCount() + fixedRows_; }

void ListViewGrid::SetRows(int rows) {
  int items = rows - fixedRows_;
  if (items < 0) items = 0;
  if (items == 0) {
    ListView_DeleteAllItems(listView_);
    return;
  }
  while (ItemCount() > items) ListView_DeleteItem(listView_, ItemCount() - 1);
  // Room for all items at once, then empty ones appended.
  ListView_SetItemCount(listView_, items);
  char empty[1] = {};
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.pszText = empty;
  for (int i = ItemCount(); i < items; ++i) {
    item.iItem = i;
    SendMessageA(listView_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void ListViewGrid::SetCols(int cols) {
  while (cols_ > cols) ListView_DeleteColumn(listView_, --cols_);
  char empty[1] = {};
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = empty;
  column.cx = 100;
  while (cols_ < cols) {
    column.iSubItem = cols_;
    SendMessageA(listView_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(cols_),
                 reinterpret_cast<LPARAM>(&column));
    ++cols_;
  }
}

int ListViewGrid::Row() const {
  const int focused = ListView_GetNextItem(listView_, -1, LVNI_FOCUSED);
  return focused < 0 ? 0 : focused + fixedRows_;
}

void ListViewGrid::SetRow(int row) {
  const int item = row - fixedRows_;
  if (item < 0 || item >= ItemCount()) return;
  ListView_SetItemState(listView_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(listView_, item, LVIS_SELECTED | LVIS_FOCUSED,
                        LVIS_SELECTED | LVIS_FOCUSED);
}

void ListViewGrid::SetCol(int col) {
  if (col >= 0 && col < cols_) col_ = col;
}

std::string ListViewGrid::TextMatrix(int row, int col) const {
  std::vector<char> buffer(1024, '\0');
  if (row < fixedRows_) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = buffer.data();
    column.cchTextMax = static_cast<int>(buffer.size());
    SendMessageA(listView_, LVM_GETCOLUMNA, static_cast<WPARAM>(col),
                 reinterpret_cast<LPARAM>(&column));
    return buffer.data();
  }
  LVITEMA item = {};
  item.iSubItem = col;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  SendMessageA(listView_, LVM_GETITEMTEXTA, static_cast<WPARAM>(row - fixedRows_),
               reinterpret_cast<LPARAM>(&item));
  return buffer.data();
}

void ListViewGrid::SetTextMatrix(int row, int col, const std::string& text) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  if (row < fixedRows_) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = buffer.data();
    SendMessageA(listView_, LVM_SETCOLUMNA, static_cast<WPARAM>(col),
                 reinterpret_cast<LPARAM>(&column));
    return;
  }
  LVITEMA item = {};
  item.iSubItem = col;
  item.pszText = buffer.data();
  SendMessageA(listView_, LVM_SETITEMTEXTA, static_cast<WPARAM>(row - fixedRows_),
               reinterpret_cast<LPARAM>(&item));
}

void ListViewGrid::RemoveItem(int row) {
  if (row >= fixedRows_) ListView_DeleteItem(listView_, row - fixedRows_);
}

void ListViewGrid::ShowCell(int row, int) {
  if (row >= fixedRows_) ListView_EnsureVisible(listView_, row - fixedRows_, FALSE);
}

void ListViewGrid::SetRedraw(bool redraw) {
  SendMessageA(listView_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(listView_, nullptr, TRUE);
}

void ListViewGrid::HitTest(int* row, int* col) const {
  *row = -1;
  *col = -1;
  POINT point;
  if (!GetCursorPos(&point)) return;
  HWND header = ListView_GetHeader(listView_);
  RECT headerRect = {};
  if (header != nullptr && GetWindowRect(header, &headerRect) && PtInRect(&headerRect, point)) {
    HDHITTESTINFO hit = {};
    hit.pt = point;
    ScreenToClient(header, &hit.pt);
    const int index =
        static_cast<int>(SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (index >= 0) {
      *row = 0;
      *col = index;
    }
    return;
  }
  LVHITTESTINFO hit = {};
  hit.pt = point;
  ScreenToClient(listView_, &hit.pt);
  if (ListView_SubItemHitTest(listView_, &hit) >= 0 && hit.iItem >= 0) {
    *row = hit.iItem + fixedRows_;
    *col = hit.iSubItem;
  }
}

int ListViewGrid::MouseRow() const {
  int row = 0, col = 0;
  HitTest(&row, &col);
  return row;
}

int ListViewGrid::MouseCol() const {
  int row = 0, col = 0;
  HitTest(&row, &col);
  return col;
}

void ListViewGrid::SetFont(const std::string& face, float points) {
  HDC dc = GetDC(listView_);
  const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc != nullptr) ReleaseDC(listView_, dc);
  LOGFONTA logFont = {};
  logFont.lfHeight = -MulDiv(static_cast<int>(points * 100.0f + 0.5f), dpi, 7200);
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&logFont);
  if (font == nullptr) return;
  SendMessageA(listView_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

void ListViewGrid::SetColWidth(int col, int twips) {
  HDC dc = GetDC(listView_);
  const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
  if (dc != nullptr) ReleaseDC(listView_, dc);
  ListView_SetColumnWidth(listView_, col, MulDiv(twips, dpi, 1440));
}

}  // namespace win32
}  // namespace ui
