// The system's critical-error box ("There is no disk in the drive") kept off
// the calling thread while a path is looked at: a path on an empty card
// reader, or on a drive letter a USB stick had, is then simply not there.
#pragma once

#include <windows.h>

namespace orvent {

// Off while the object lives; as it was before afterwards.
class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(previous_ | SEM_FAILCRITICALERRORS, &previous_); }
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  DWORD previous_ = GetThreadErrorMode();
};

}  // namespace orvent
