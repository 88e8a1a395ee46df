// Work that may take long (a folder retried for a minute), done so that the
// window does not freeze: the work runs on a thread of its own while this
// thread goes on painting the window and answering the system, under the
// wait cursor, and drops what the user types or clicks meanwhile.
#pragma once

#include <windows.h>

#include <functional>

// Returns when `work` has ended; an error it raised is raised again here.
void RunWithoutFreezing(HWND window, const std::function<void()>& work);
