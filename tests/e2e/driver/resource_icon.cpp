#include "tests/e2e/driver/resource_icon.h"

namespace e2e {

ResourceIcon::ResourceIcon(const std::string& exePath, int resourceId, int width, int height) {
  HMODULE module = LoadLibraryExA(exePath.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return;
  // Not shared: the icon is a copy and outlives the module.
  icon_ = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, width, height, 0));
  FreeLibrary(module);
}

ResourceIcon::~ResourceIcon() {
  if (icon_ != nullptr) DestroyIcon(icon_);
}

}  // namespace e2e
