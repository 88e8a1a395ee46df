// An icon resource of an executable, loaded as data (never run) at a
// chosen size.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class ResourceIcon {
 public:
  ResourceIcon(const std::string& exePath, int resourceId, int width, int height);
  ~ResourceIcon();
  ResourceIcon(const ResourceIcon&) = delete;
  ResourceIcon& operator=(const ResourceIcon&) = delete;

  // nullptr when the executable or the resource cannot be loaded.
  HICON Handle() const { return icon_; }

 private:
  HICON icon_ = nullptr;
};

}  // namespace e2e
