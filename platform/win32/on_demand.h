// What the first window does not need, made ready when something first needs
// it rather than at start: the system DLLs of the choosers, of COM and of
// the version resource, and OLE.
#pragma once

#include <windows.h>

namespace orvent {

// The address of a function of a system DLL ("comdlg32.dll"), which is loaded
// from the system folder on first use and stays for the life of the process;
// null when either is missing.
FARPROC SystemDllFunction(const char* dll, const char* function);

// The same, typed as the function is declared:
//   SystemFunction<decltype(GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW")
template <typename Function>
Function* SystemFunction(const char* dll, const char* function) {
  // Through the function type that stands for any other.
  return reinterpret_cast<Function*>(
      reinterpret_cast<void (*)()>(SystemDllFunction(dll, function)));
}

// Starts OLE on the calling thread, the UI thread, once: the choosers are COM
// objects, and the shell's verbs may run through COM. A failure shows in the
// calls that need it.
void StartOle();
// Ends what StartOle started; at the program's end, on the same thread.
void EndOle();

}  // namespace orvent
