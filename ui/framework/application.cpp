#include "ui/framework/application.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/on_demand.h"
#include "ui/framework/window.h"

namespace ui {
namespace {

Application* g_app = nullptr;

void ShowWaitCursor(bool wait) { SetCursor(LoadCursorA(nullptr, wait ? IDC_WAIT : IDC_ARROW)); }

}  // namespace

Application::Application() { g_app = this; }

Application::~Application() {
  if (g_app == this) g_app = nullptr;
}

Application* App() { return g_app; }

void Application::Run(const std::string& exeName, const std::string& commandLine) {
  exeName_ = exeName;
  commandLine_ = commandLine;
  // OLE starts when first needed.
  StartCommonControls();
  InitInstance();
  orvent::EndOle();
}

void Application::BeginWaitCursor() {
  if (waitCursorCount_++ == 0) ShowWaitCursor(true);
}

void Application::EndWaitCursor() {
  if (waitCursorCount_ == 0) return;
  if (--waitCursorCount_ == 0) ShowWaitCursor(false);
}

void Application::RestoreWaitCursor() {
  if (waitCursorCount_ > 0) ShowWaitCursor(true);
}

WaitCursor::WaitCursor() {
  if (App() != nullptr) App()->BeginWaitCursor();
}

WaitCursor::~WaitCursor() {
  if (App() != nullptr) App()->EndWaitCursor();
}

void StartCommonControls() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
}

std::string LoadResourceString(int id) {
  char buffer[1024] = {};
  const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer,
                                 static_cast<int>(sizeof(buffer)));
  return std::string(buffer, static_cast<size_t>(length));
}

HICON LoadProgramIcon(int iconResource, bool small) {
  return static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResource), IMAGE_ICON,
                 GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
                 GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), LR_SHARED));
}

HICON LoadProgramIconForDpi(int iconResource, bool small, int dpi) {
  // The system's icon sizes are those of the screen's DPI.
  const int size =
      MulDiv(GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON), dpi, WindowDpi(nullptr));
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResource),
                                       IMAGE_ICON, size, size, 0));
}

bool RegisterDialogClass(const std::string& className, const std::string& baseClass,
                         int iconResource) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(instance, className.c_str(), &wc)) return true;
  if (!GetClassInfoExA(instance, baseClass.c_str(), &wc)) return false;
  wc.lpszClassName = className.c_str();
  wc.hInstance = instance;
  // Both sizes from the resource: without a small icon the system would
  // make one by reading the resource a second time.
  wc.hIcon = LoadProgramIcon(iconResource, false);
  wc.hIconSm = LoadProgramIcon(iconResource, true);
  return RegisterClassExA(&wc) != 0;
}

bool ActivateWindowOfClass(const std::string& className) {
  HWND found = FindWindowA(className.c_str(), nullptr);
  if (found == nullptr) return false;
  if (IsIconic(found)) ShowWindow(found, SW_RESTORE);
  SetForegroundWindow(GetLastActivePopup(found));
  return true;
}

bool SendDataToWindowOfClass(const std::string& className, ULONG_PTR kind, const std::string& bytes,
                             UINT timeoutMs) {
  HWND found = FindWindowA(className.c_str(), nullptr);
  if (found == nullptr) return false;
  COPYDATASTRUCT data = {kind, static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
  DWORD_PTR taken = FALSE;
  return SendMessageTimeoutA(found, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, timeoutMs, &taken) != 0 &&
         taken != FALSE;
}

}  // namespace ui
