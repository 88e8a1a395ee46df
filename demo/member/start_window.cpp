#include "demo/member/start_window.h"

#include <string>

namespace member {
namespace {

constexpr char kClassName[] = "ORVENTMemberWindow";
constexpr int kReportId = 100;

// Pixels at 96 DPI, scaled to the screen's.
int Scaled(int pixels) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return MulDiv(pixels, dpi, 96);
}

// The report fills the window above the Close button, which keeps to the
// bottom right corner.
void Layout(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  const int margin = Scaled(10), buttonWidth = Scaled(88), buttonHeight = Scaled(26);
  MoveWindow(GetDlgItem(window, kReportId), margin, margin, client.right - 2 * margin,
             client.bottom - 3 * margin - buttonHeight, TRUE);
  MoveWindow(GetDlgItem(window, IDCANCEL), client.right - margin - buttonWidth,
             client.bottom - margin - buttonHeight, buttonWidth, buttonHeight, TRUE);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Layout(window);
      return 0;
    case WM_CTLCOLORSTATIC:
      // The read-only report reads as a document, not as a greyed control.
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND Child(HWND parent, const char* className, const std::string& text, DWORD style, int id,
           HFONT font) {
  HWND child =
      CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

std::string StartReport(const StartFacts& facts) {
  std::string report = "This program stands in for " + ExeName(facts.module) +
                       ", a member application of the ORVENT suite, and shows how it was "
                       "started.\r\n\r\nCommand line:\r\n    " +
                       facts.commandLine + "\r\n\r\nArguments:\r\n";
  for (size_t i = 0; i < facts.arguments.size(); ++i)
    report += "    " + std::to_string(i + 1) + "    " + facts.arguments[i] + "\r\n";
  if (facts.arguments.empty()) report += "    (none)\r\n";
  return report + "\r\nWorking folder:\r\n    " + facts.folder + "\r\n";
}

int RunStartWindow(HINSTANCE instance, const StartFacts& facts) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return 1;

  // The system's message font, which on a Japanese system draws Japanese text.
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectA(&metrics.lfMessageFont);

  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int width = Scaled(720), height = Scaled(340);
  const std::string title = ExeName(facts.module) + " - member application (demonstration)";
  HWND window = CreateWindowExA(
      0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, (area.left + area.right - width) / 2,
      (area.top + area.bottom - height) / 2, width, height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  Child(window, "EDIT", StartReport(facts),
        WS_VSCROLL | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, kReportId, font);
  HWND close = Child(window, "BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, IDCANCEL, font);
  Layout(window);
  ShowWindow(window, SW_SHOW);
  SetFocus(close);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteObject(font);
  return 0;
}

}  // namespace member
