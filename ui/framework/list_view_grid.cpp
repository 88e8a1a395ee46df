#include "ui/framework/list_view_grid.h"

#include <commctrl.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "ui/framework/window.h"

namespace ui {
namespace {

// A column's width while the grid has no width to share.
const int kUnfittedWidth = 100;

// Posted to the list-view by the grid itself when its client width changed.
const UINT kFitColumns = WM_APP + 1;

// The header of a notification the grid sends its parent.
NMHDR Header(HWND grid, UINT code) {
  NMHDR header = {};
  header.hwndFrom = grid;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(grid));
  header.code = code;
  return header;
}

}  // namespace

void ListViewGrid::Attach(HWND listView) {
  if (listView == listView_) return;
  listView_ = listView;
  // No info tip: the grid shows a tooltip of its own.
  ListView_SetExtendedListViewStyle(listView_,
                                    LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  // The header, and a label laid on the rows, draw themselves: rows drawn
  // anew leave them be.
  SetWindowLongPtrW(listView_, GWL_STYLE,
                    GetWindowLongPtrW(listView_, GWL_STYLE) | WS_CLIPCHILDREN);
  // The grid's procedure in front of the list-view's, with the grid in the
  // window's user data: the common controls' subclassing looks up a window
  // property for every message, a round trip to the server under wine.
  SetWindowLongPtrW(listView_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listViewProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(listView_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GridProc)));
}

ListViewGrid::~ListViewGrid() {
  if (font_ != nullptr) {
    if (IsWindow(listView_)) SendMessageA(listView_, WM_SETFONT, 0, FALSE);
    DeleteObject(font_);
  }
}

// Nothing here may throw, and nothing here catches: the parent's handlers of
// what is sent from here run under its dialog procedure, which reports their
// failures, and an exception thrown beyond a SendMessage could not unwind
// through the system's frames back to here in the 32-bit program anyway.
LRESULT CALLBACK ListViewGrid::GridProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* grid = reinterpret_cast<ListViewGrid*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_MOUSEMOVE) {
    const GridMouseMove move = {Header(hwnd, kGridMouseMove), static_cast<short>(LOWORD(lParam)),
                                static_cast<short>(HIWORD(lParam))};
    SendMessageA(GetParent(hwnd), WM_NOTIFY, move.header.idFrom, reinterpret_cast<LPARAM>(&move));
  } else if (message == WM_CHAR && wParam >= 0x20 && wParam != 0x7F) {
    GridChar typed = {Header(hwnd, kGridChar), {}, 0};
    typed.time = static_cast<DWORD>(GetMessageTime());
    const wchar_t wide = static_cast<wchar_t>(wParam);
    if (!IsWindowUnicode(hwnd)) {
      typed.text[0] = static_cast<char>(wParam);
    } else if (WideCharToMultiByte(CP_ACP, 0, &wide, 1, typed.text, 2, nullptr, nullptr) == 0) {
      return 0;
    }
    SendMessageA(GetParent(hwnd), WM_NOTIFY, typed.header.idFrom, reinterpret_cast<LPARAM>(&typed));
    return 0;
  }
  if (message == WM_CTLCOLORSTATIC) {
    // A label laid on the grid takes the grid's colours.
    SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
    SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_GRAYTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (message == kFitColumns) {
    grid->FollowClientWidth();
    return 0;
  }
  const LRESULT result = CallWindowProcW(grid->listViewProc_, hwnd, message, wParam, lParam);
  // The columns follow once the list-view has settled its scroll bars: a
  // WM_SIZE can come while it is still setting them, and a column widened
  // then makes them come and go again.
  if (message == WM_SIZE) PostMessageW(hwnd, kFitColumns, 0, 0);
  // The current row is always the highlighted one: a click on no row, or a
  // key that takes the highlight away, leaves it where it was.
  if ((message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
      (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK)) {
    const int current = ListView_GetNextItem(hwnd, -1, LVNI_FOCUSED);
    if (current >= 0 && ListView_GetItemState(hwnd, current, LVIS_SELECTED) == 0) {
      ListView_SetItemState(hwnd, current, LVIS_SELECTED, LVIS_SELECTED);
    }
  }
  return result;
}

void ListViewGrid::SetColumns(const std::vector<std::string>& headers, const int* weights,
                              CellText cellText) {
  cellText_ = std::move(cellText);
  RECT client = {};
  GetClientRect(listView_, &client);
  const int width = client.right;
  int total = 0;
  for (std::size_t col = 0; col < headers.size(); ++col) total += weights[col];
  const bool fit = width > 0 && total > 0;
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  // Each column comes with its width: widened afterwards, every one would
  // be laid out and drawn twice. The last takes what rounding leaves.
  int left = width;
  for (std::size_t col = 0; col < headers.size(); ++col) {
    const bool last = col + 1 == headers.size();
    column.cx = !fit ? kUnfittedWidth : last ? left : MulDiv(width, weights[col], total);
    left -= column.cx;
    std::vector<char> text(headers[col].begin(), headers[col].end());
    text.push_back('\0');
    column.pszText = text.data();
    column.iSubItem = static_cast<int>(col);
    SendMessageA(listView_, LVM_INSERTCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
  }
  if (fit) clientWidth_ = width;
}

int ListViewGrid::Rows() const { return ListView_GetItemCount(listView_); }

void ListViewGrid::SetRows(int rows) {
  // The list-view draws its scroll bar anew whenever it is told the count,
  // twice, which under a visual style takes longer than all the rows: a
  // filter that leaves as many rows shown tells it nothing, and the rows are
  // drawn anew all the same.
  if (rows != Rows()) ListView_SetItemCountEx(listView_, rows, LVSICF_NOSCROLL);
  InvalidateRect(listView_, nullptr, TRUE);
}

void ListViewGrid::RemoveRow(int row) {
  if (row >= 0 && row < Rows()) ListView_DeleteItem(listView_, row);
}

int ListViewGrid::Row() const { return ListView_GetNextItem(listView_, -1, LVNI_FOCUSED); }

void ListViewGrid::SetRow(int row) {
  if (row < 0 || row >= Rows()) return;
  // One row is selected and one focused at a time, so the new row takes both
  // from the old: clearing every row first costs a notification for each.
  ListView_SetItemState(listView_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(listView_, row, FALSE);
}

bool ListViewGrid::FillDisplayInfo(const NMHDR* header) const {
  if (header->hwndFrom != listView_ || listView_ == nullptr || !cellText_) return false;
  if (header->code == static_cast<UINT>(LVN_GETDISPINFOA)) {
    auto& item = reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header))->item;
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
      lstrcpynA(item.pszText, cellText_(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
    }
    return true;
  }
  if (header->code == static_cast<UINT>(LVN_GETDISPINFOW)) {
    auto& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header))->item;
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
      const std::string text = cellText_(item.iItem, item.iSubItem);
      if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, item.pszText, item.cchTextMax) == 0) {
        item.pszText[0] = L'\0';
      }
      item.pszText[item.cchTextMax - 1] = L'\0';
    }
    return true;
  }
  return false;
}

bool ListViewGrid::CellUnderPointer(int* row, int* col) const {
  POINT point;
  if (!GetCursorPos(&point)) return false;
  HWND header = ListView_GetHeader(listView_);
  RECT headerRect = {};
  if (header != nullptr && GetWindowRect(header, &headerRect) && PtInRect(&headerRect, point)) {
    return false;
  }
  LVHITTESTINFO hit = {};
  hit.pt = point;
  ScreenToClient(listView_, &hit.pt);
  if (ListView_SubItemHitTest(listView_, &hit) < 0) return false;  // the item hit, or -1
  *row = hit.iItem;
  *col = hit.iSubItem;
  return true;
}

int ListViewGrid::RowAt(POINT screen) const {
  LVHITTESTINFO hit = {};
  hit.pt = screen;
  ScreenToClient(listView_, &hit.pt);
  return ListView_HitTest(listView_, &hit);
}

void ListViewGrid::SetFont(const std::string& face, double points, int dpi) {
  LOGFONTA logFont = {};
  logFont.lfHeight = -MulDiv(static_cast<int>(points * 100.0 + 0.5), dpi, 7200);
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&logFont);
  if (font == nullptr) return;
  SendMessageA(listView_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

void ListViewGrid::FollowClientWidth() {
  if (clientWidth_ <= 0) return;  // not fitted yet
  const int lastColumn = Header_GetItemCount(ListView_GetHeader(listView_)) - 1;
  RECT client = {};
  GetClientRect(listView_, &client);
  const int last = ListView_GetColumnWidth(listView_, lastColumn) + client.right - clientWidth_;
  // A minimised window's grid has no width: the columns stay for its return.
  if (client.right <= 0 || last <= 0 || client.right == clientWidth_) return;
  ListView_SetColumnWidth(listView_, lastColumn, last);
  clientWidth_ = client.right;
}

}  // namespace ui
