#include "ui/project_dialog/responsive_wait.h"

#include <commctrl.h>

#include <exception>

#include "ui/framework/application.h"

namespace {

const UINT_PTR kWaitCursorSubclass = 1;

DWORD WINAPI RunWork(void* work) {
  (*static_cast<std::function<void()>*>(work))();
  return 0;
}

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// The window and its controls would each put their own cursor back.
LRESULT CALLBACK KeepWaitCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
  if (message != WM_SETCURSOR || ui::App() == nullptr) {
    return DefSubclassProc(window, message, wParam, lParam);
  }
  ui::App()->RestoreWaitCursor();
  return TRUE;
}

}  // namespace

void RunWithoutFreezing(HWND window, const std::function<void()>& work) {
  std::exception_ptr failure;
  std::function<void()> guarded = [&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
  };
  HANDLE thread = CreateThread(nullptr, 0, RunWork, &guarded, 0, nullptr);
  if (thread == nullptr) {
    work();
    return;
  }
  const ui::WaitCursor waitCursor;
  SetWindowSubclass(window, KeepWaitCursor, kWaitCursorSubclass, 0);
  bool quit = false;
  WPARAM quitCode = 0;
  // Once the work has ended, what came before its end is taken too, so that
  // no input of the wait is left for the dialog.
  DWORD woke = WAIT_OBJECT_0 + 1;
  while (woke == WAIT_OBJECT_0 + 1) {
    woke = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = message.wParam;
      } else if (!IsUserInput(message.message)) {
        DispatchMessageW(&message);
      }
    }
  }
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  RemoveWindowSubclass(window, KeepWaitCursor, kWaitCursorSubclass);
  // A quit is left for the loop that owns it.
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  if (failure) std::rethrow_exception(failure);
}
