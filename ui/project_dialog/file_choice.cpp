#include "ui/project_dialog/file_choice.h"

#include "namelist/mbcs.h"
#include "namelist/text_split.h"
#include "platform/platform.h"

namespace orvent {

bool SplitChooserPath(const std::string& path, std::string* folder, std::string* fileName) {
  if (CurrentPlatform().FolderExists(path)) return false;
  std::string drive, directory, baseName, extension;
  SplitFilePath(path, &drive, &directory, &baseName, &extension);
  *folder = Trim(drive + directory);
  *fileName = Trim(baseName + extension);
  return !folder->empty() || !fileName->empty();
}

bool ChooseFile(ui::DialogWindow& owner, const ui::FileChooser& request, std::string* path) {
  ui::FileChooser shown = request;
  std::string folder;
  std::string fileName;
  if (!SplitChooserPath(*path, &folder, &fileName)) {
    folder = *path;
    fileName.clear();
  }
  if (shown.initialFolder.empty()) shown.initialFolder = folder;
  shown.fileName = fileName;

  // Some file dialogs start in the current folder whatever they are told, so
  // it is set for the dialog and put back afterwards.
  Platform& platform = CurrentPlatform();
  const std::string savedFolder = platform.CurrentFolder();
  platform.SetCurrentFolder(shown.initialFolder);
  std::string chosen;
  const bool ok = owner.ChooseFile(shown, &chosen);
  if (!savedFolder.empty()) platform.SetCurrentFolder(savedFolder);
  if (ok) *path = chosen;
  return ok;
}

}  // namespace orvent
