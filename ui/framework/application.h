// The application object: one per process, it runs start-up and keeps what
// the framework knows of the program (its name, its command line, the wait
// cursor); and the calls start-up makes on the system's windows.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  virtual ~Application();

  // Runs start-up with the executable's name (without folder and extension)
  // and the command line that follows the program name. The program ends
  // when it returns.
  void Run(const std::string& exeName, const std::string& commandLine);

  const std::string& ExeName() const { return exeName_; }
  const std::string& CommandLine() const { return commandLine_; }

  void BeginWaitCursor();
  void EndWaitCursor();
  // Shows the wait cursor again when one is in force.
  void RestoreWaitCursor();

 protected:
  // Start-up, which runs the program's windows modally; the program ends
  // when it returns.
  virtual void InitInstance() = 0;

 private:
  std::string exeName_;
  std::string commandLine_;
  int waitCursorCount_ = 0;
};

// The running application object, or null.
Application* App();

// Shows the wait cursor for its own lifetime.
class WaitCursor {
 public:
  WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor();
};

// Readies the common controls the program's windows hold. The grid is a
// list-view: this must come before a template that holds one is realised.
void StartCommonControls();
// A string resource of the program; "" when there is none.
std::string LoadResourceString(int id);
// The program's icon resource at the system's large or small icon size. The
// system keeps it: loading it again costs nothing, and it is never destroyed.
HICON LoadProgramIcon(int iconResource, bool small);
// The same drawn for a window at another DPI than the screen's; the caller
// destroys it.
HICON LoadProgramIconForDpi(int iconResource, bool small, int dpi);
// Registers `className` as a copy of the class `baseClass` with the program's
// icon resource, unless it is registered already.
bool RegisterDialogClass(const std::string& className, const std::string& baseClass,
                         int iconResource);
// Finds a top-level window of the class, restores it when minimised and
// brings its last active pop-up to the front; false when there is none.
bool ActivateWindowOfClass(const std::string& className);
// Sends the bytes, of the kind given, to a top-level window of the class
// (WM_COPYDATA), waiting for its answer at most `timeoutMs` and not at all
// when it hangs; false when no window took them.
bool SendDataToWindowOfClass(const std::string& className, ULONG_PTR kind, const std::string& bytes,
                             UINT timeoutMs);

}  // namespace ui
