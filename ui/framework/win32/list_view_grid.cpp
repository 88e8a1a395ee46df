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

int ListViewGrid::ItemCount() const { return static_cast<int>(items_.size()); }

int ListViewGrid::Rows() const { return ItemCount() + fixedRows_; }

void ListViewGrid::SetRows(int rows) {
  const int items = rows - fixedRows_ < 0 ? 0 : rows - fixedRows_;
  items_.resize(static_cast<size_t>(items), std::vector<std::string>(static_cast<size_t>(cols_)));
  ListView_SetItemCountEx(listView_, items, LVSICF_NOSCROLL);
}

void ListViewGrid::SetCols(int cols) {
  for (auto& cells : items_) cells.resize(static_cast<size_t>(cols));
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
  if (row < fixedRows_) {
    std::vector<char> buffer(1024, '\0');
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = buffer.data();
    column.cchTextMax = static_cast<int>(buffer.size());
    SendMessageA(listView_, LVM_GETCOLUMNA, static_cast<WPARAM>(col),
                 reinterpret_cast<LPARAM>(&column));
    return buffer.data();
  }
  return CellText(row - fixedRows_, col);
}

void ListViewGrid::SetTextMatrix(int row, int col, const std::string& text) {
  if (col < 0 || col >= cols_) return;
  if (row < fixedRows_) {
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = buffer.data();
    SendMessageA(listView_, LVM_SETCOLUMNA, static_cast<WPARAM>(col),
                 reinterpret_cast<LPARAM>(&column));
    return;
  }
  const size_t item = static_cast<size_t>(row - fixedRows_);
  if (item >= items_.size()) return;
  items_[item][static_cast<size_t>(col)] = text;
  // While drawing is off the whole grid is drawn when it comes back on.
  if (redraw_) ListView_RedrawItems(listView_, static_cast<int>(item), static_cast<int>(item));
}

void ListViewGrid::FillDisplayInfo(NMLVDISPINFOA* info) {
  if ((info->item.mask & LVIF_TEXT) == 0 || info->item.pszText == nullptr ||
      info->item.cchTextMax <= 0) {
    return;
  }
  lstrcpynA(info->item.pszText, CellText(info->item.iItem, info->item.iSubItem).c_str(),
            info->item.cchTextMax);
}

void ListViewGrid::FillDisplayInfo(NMLVDISPINFOW* info) {
  if ((info->item.mask & LVIF_TEXT) == 0 || info->item.pszText == nullptr ||
      info->item.cchTextMax <= 0) {
    return;
  }
  const std::string text = CellText(info->item.iItem, info->item.iSubItem);
  const int written =
      MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->item.pszText, info->item.cchTextMax);
  if (written == 0) info->item.pszText[0] = L'\0';
  info->item.pszText[info->item.cchTextMax - 1] = L'\0';
}

std::string ListViewGrid::CellText(int item, int col) const {
  if (item < 0 || item >= ItemCount() || col < 0 || col >= cols_) return std::string();
  return items_[static_cast<size_t>(item)][static_cast<size_t>(col)];
}

void ListViewGrid::RemoveItem(int row) {
  const int item = row - fixedRows_;
  if (item < 0 || item >= ItemCount()) return;
  items_.erase(items_.begin() + item);
  // The list-view moves its selection and focus along with the rows.
  ListView_DeleteItem(listView_, item);
}

void ListViewGrid::ShowCell(int row, int) {
  if (row >= fixedRows_) ListView_EnsureVisible(listView_, row - fixedRows_, FALSE);
}

void ListViewGrid::SetRedraw(bool redraw) {
  redraw_ = redraw;
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
