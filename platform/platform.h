// Platform services the program needs from the operating system, behind one
// interface, so that every decision of the program can be tested natively
// against a test double. Start-up makes the Win32 one and hands it down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvent {

// Shell special folders, numbered as the shell numbers them (CSIDL values).
enum class SpecialFolder : int {
  kDocuments = 5,
  kAppData = 26,
  kProgramFilesCommon = 43,
};

// File attribute bits as the C runtime's directory search reports them.
enum FileAttribute : unsigned {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrFolder = 0x10,
  kAttrArchive = 0x20,
};

struct DirEntry {
  std::string name;
  unsigned attributes = 0;
};

// The key below HKEY_CURRENT_USER that holds the user's settings of the
// Selector other than the history.
inline constexpr char kUserSettingsKey[] = "Software\\ORVENT\\Project Selector";
inline constexpr std::size_t kMaxUserSetting = 32767;

enum class MutexResult { kCreated, kAlreadyExists, kFailed };

// How the creation of one folder level ended; callers tell a folder that
// appeared meanwhile apart from one that cannot be made.
enum class MakeFolderResult { kMade, kAlreadyExists, kFailed };

// What CreateProcessA is given; applicationName empty means "none".
struct ProcessRequest {
  std::string applicationName;
  std::string commandLine;
  std::string workingFolder;
  int showMode = 0;
  unsigned long creationFlags = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A file or folder exists at the path.
  [[nodiscard]] virtual bool Exists(const std::string& path) = 0;
  // A folder (not a file) exists at the path.
  [[nodiscard]] virtual bool FolderExists(const std::string& path) = 0;
  // Creates one folder level (_mkdir).
  [[nodiscard]] virtual MakeFolderResult MakeFolder(const std::string& path) = 0;
  // Entries matching a search pattern, in the order the system gives them.
  [[nodiscard]] virtual bool FindEntries(const std::string& pattern,
                                         std::vector<DirEntry>* entries) = 0;

  [[nodiscard]] virtual bool SetCurrentFolder(const std::string& path) = 0;
  // Full path of the running executable ("" on failure).
  virtual std::string ModuleFileName() = 0;
  // Path of a special folder, not created; "" when the shell cannot tell.
  virtual std::string GetSpecialFolder(SpecialFolder folder) = 0;
  // The system's short (8.3) form of an existing path.
  [[nodiscard]] virtual bool ShortPathName(const std::string& path, std::string* shortPath) = 0;

  // Starts a process; true on success. The child is not waited for.
  [[nodiscard]] virtual bool StartProcess(const ProcessRequest& request) = 0;
  // Opens a document with the shell's "open" verb.
  [[nodiscard]] virtual bool ShellOpen(const std::string& path) = 0;

  // The raw bytes of the executable's own version resource (type version, id 1).
  [[nodiscard]] virtual bool ReadVersionResource(std::vector<unsigned char>* bytes) = 0;
  // A value of the executable's own version information (VerQueryValueA on
  // what GetFileVersionInfoA gives), for example "\\VarFileInfo\\Translation".
  [[nodiscard]] virtual bool QueryVersionValue(const std::string& subBlock,
                                               std::vector<unsigned char>* value) = 0;

  // A text value of the user's settings (kUserSettingsKey), of at most
  // kMaxUserSetting bytes; false when it is missing, longer or of another kind.
  [[nodiscard]] virtual bool ReadUserSetting(const std::string& name, std::string* text) = 0;
  // Writes the value, making the key when it is missing.
  [[nodiscard]] virtual bool WriteUserSetting(const std::string& name, const std::string& text) = 0;

  // Creates a named mutex owned by the caller, held until the process ends;
  // one that exists, also where this user may not open it, is kAlreadyExists.
  [[nodiscard]] virtual MutexResult CreateNamedMutex(const std::string& name) = 0;
  // Waits on the calling thread.
  virtual void Sleep(int milliseconds) = 0;
};

}  // namespace orvent
