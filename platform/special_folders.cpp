#include "platform/special_folders.h"

namespace orvent {

std::string GetSpecialFolder(SpecialFolder folder) {
  return CurrentPlatform().GetSpecialFolder(folder);
}

std::string GetDocumentsFolder() { return GetSpecialFolder(SpecialFolder::kDocuments); }

}  // namespace orvent
