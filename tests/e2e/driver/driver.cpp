#include "tests/e2e/driver/driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include "history/settings_file.h"
#include "platform/version_info.h"
#include "res/resource.h"
#include "tests/e2e/fake_member/launch_record_format.h"
#include "version.h"

namespace e2e {
namespace {

const char* const kMembers[] = {"ORVENTBasic.exe", "ORVENTEnergy.exe", "ORVENTExtremeWind.exe",
                                "ORVENTWindFarm.exe", "ORVENTBasicEW.exe"};

std::string Environment(const char* name) {
  char value[4096] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length < sizeof value ? std::string(value, length) : std::string();
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
  return std::string(path) + "\\" + orvent::kSettingsFolder;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs,
                           &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

// Memory in the Selector's process, for the list-view's messages, whose
// pointers the system passes on unchanged.
class Remote {
 public:
  Remote(HWND window, SIZE_T size) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process_ != nullptr) {
      at_ = static_cast<char*>(
          VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
  }
  ~Remote() {
    if (at_ != nullptr) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  char* At(SIZE_T offset = 0) const { return at_ + offset; }
  bool Put(const void* data, SIZE_T size, SIZE_T offset = 0) const {
    return at_ != nullptr && WriteProcessMemory(process_, At(offset), data, size, nullptr);
  }
  bool Get(void* data, SIZE_T size, SIZE_T offset = 0) const {
    return at_ != nullptr && ReadProcessMemory(process_, At(offset), data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  char* at_ = nullptr;
};

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

std::string TextOf(HWND window) {
  char text[4096] = {};
  const LRESULT length = Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
}

bool ReadFile(const std::string& path, std::string* bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes->clear();
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes->append(buffer, read);
  }
  CloseHandle(file);
  return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool MakeFolders(const std::string& folder) {
  for (size_t i = 3; i < folder.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(folder[i]))) {
      ++i;
    } else if (folder[i] == '\\') {
      CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
    }
  }
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string HistoryBytes(const std::vector<Row>& rows) {
  std::string text =
      "!=== ORVENT Environment File ===\r\n! Recent Project (MAX:999)\r\n&RecentProject\r\n";
  for (size_t i = 0; i < rows.size(); ++i) {
    char key[16];
    snprintf(key, sizeof key, "Recent%03d", static_cast<int>(i + 1));
    const Row& r = rows[i];
    text += std::string(key) + " = \"" + r.name + "\", \"" + r.application + "\", " +
            std::to_string(r.type) + ", \"" + r.location + "\", \"" + r.code + "\",\r\n";
  }
  return text + "/\r\n";
}

std::string ProjectBytes(int projectType) {
  const orvent::VersionNumbers version{ORVENT_VERSION_MAJOR, ORVENT_VERSION_MINOR,
                                       ORVENT_VERSION_BUILD, ORVENT_VERSION_REVISION};
  return "! === ORVENT Basic Environment File ===\r\n\r\n!" + std::string(73, '=') +
         "\r\n&General_Parameters\r\nFileVersion = " + orvent::ThreePartVersionText(version) +
         ",\r\nProjectType = " + std::to_string(projectType) +
         ",\t! 0:Measurement, 1:Meso-Scale, 2:Engineering(DWS)\r\n/\r\n";
}

void Driver::SetUp() {
  scratch_ = Environment("ORVENT_E2E_SCRATCH") + "\\";
  selector_ = Environment("ORVENT_E2E_SELECTOR");
  member_ = Environment("ORVENT_E2E_MEMBER");
  const std::string shots = Environment("ORVENT_E2E_SCREENSHOTS");
  screenshots_ = shots.empty() ? shots : shots + "\\";
  ASSERT_NE(GetFileAttributesA(selector_.c_str()), INVALID_FILE_ATTRIBUTES) << selector_;
  // Each test has a program folder of its own; a repeated run takes the next name.
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "_" + test->name();
  for (char& c : name) c = c == '/' ? '_' : c;
  for (int n = 0; program_.empty() && n < 100; ++n) {
    const std::string folder = scratch_ + name + (n > 0 ? "_" + std::to_string(n) : "");
    if (CreateDirectoryA(folder.c_str(), nullptr)) program_ = folder + "\\";
  }
  ASSERT_FALSE(program_.empty()) << "no program folder in " << scratch_;
  ASSERT_TRUE(CopyFileA(selector_.c_str(), (program_ + "ORVENTLancher.exe").c_str(), TRUE));
  for (const char* exe : kMembers) {
    ASSERT_TRUE(CopyFileA(member_.c_str(), (program_ + exe).c_str(), TRUE)) << member_;
  }
  projects_ = program_ + "Projects\\";
  ASSERT_TRUE(MakeFolders(projects_));
  // The settings files are the user's: kept, and put back afterwards.
  for (const std::string& path : {UserSettingsFile(), SeedSettingsFile()}) {
    Saved saved{path, "", false};
    saved.existed = ReadFile(path, &saved.bytes);
    saved_.push_back(saved);
    DeleteFileA(path.c_str());
  }
  ASSERT_EQ(FindWindowA(ORVENT_WINDOW_CLASS, nullptr), nullptr) << "a Selector is running";
}

void Driver::TearDown() {
  for (const PROCESS_INFORMATION& process : processes_) {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, kTimeoutMs);
    }
    CloseHandle(process.hProcess);
  }
  for (const Saved& saved : saved_) {
    DeleteFileA(saved.path.c_str());
    if (saved.existed) WriteFile(saved.path, saved.bytes);
  }
}

std::string Driver::Expand(const std::string& text) const {
  const std::pair<const char*, std::string> names[] = {{"{P}", projects_},
                                                       {"{F}", program_},
                                                       {"{U}", UserSettingsFile()},
                                                       {"{C}", SeedSettingsFile()}};
  std::string out = text;
  for (const auto& name : names) {
    for (size_t at; (at = out.find(name.first)) != std::string::npos;) {
      out.replace(at, 3, name.second);
    }
  }
  return out;
}

std::string Driver::UserSettingsFile() const {
  return SpecialFolder(CSIDL_APPDATA) + orvent::kSettingsFileName;
}

std::string Driver::SeedSettingsFile() const {
  return SpecialFolder(CSIDL_PROGRAM_FILES_COMMON) + orvent::kSeedFolder +
         orvent::kSettingsFileName;
}

std::string Driver::UserSettings() const {
  std::string bytes;
  return ReadFile(UserSettingsFile(), &bytes) ? bytes : "(no settings file)";
}

bool Driver::Start(const std::string& arguments, bool wait) {
  if (processes_.empty()) settingsAtStart = UserSettings();
  std::string commandLine = "\"" + program_ + "ORVENTLancher.exe\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      scratch_.c_str(), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  processes_.push_back(process);
  if (!wait) return true;
  HWND window = nullptr;
  WaitUntil([&] {
    window = FindWindowA(ORVENT_WINDOW_CLASS, nullptr);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return window != nullptr && id == process.dwProcessId && IsWindowVisible(window);
  });
  windows = {window};
  return window != nullptr;
}

bool Driver::Running(int which) const {
  return WaitForSingleObject(Process(which).hProcess, 0) == WAIT_TIMEOUT;
}

bool Driver::WaitForExit(int which) const {
  return WaitUntil([&] { return !Running(which); });
}

HWND Driver::Opens(const std::string& title) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (found = GetTopWindow(nullptr); found != nullptr; found = GetWindow(found, GW_HWNDNEXT)) {
      if (GetWindow(found, GW_OWNER) == Top() && IsWindowVisible(found) &&
          (title.empty() || TextOf(found) == title)) {
        return true;
      }
    }
    return false;
  });
  if (found != nullptr) windows.push_back(found);
  return found;
}

bool Driver::Closes() {
  HWND window = Top();
  windows.pop_back();
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); });
}

bool Driver::Click(int id) const {
  HWND control = GetDlgItem(Top(), id);
  return control != nullptr && PostMessageA(control, BM_CLICK, 0, 0);
}

int Driver::ItemCount() const { return static_cast<int>(Send(Grid(), LVM_GETITEMCOUNT, 0, 0)); }

int Driver::FocusedItem() const {
  return static_cast<int>(Send(Grid(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::string Driver::Cell(int item, int column) const {
  const SIZE_T room = 1024;
  Remote remote(Grid(), sizeof(LVITEMA) + room);
  LVITEMA request = {};
  request.iSubItem = column;
  request.pszText = remote.At(sizeof request);
  request.cchTextMax = static_cast<int>(room);
  std::vector<char> text(room + 1, '\0');
  if (!remote.Put(&request, sizeof request) ||
      Send(Grid(), LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
           reinterpret_cast<LPARAM>(remote.At())) < 0 ||
      !remote.Get(text.data(), room, sizeof request)) {
    return "(unreadable)";
  }
  return text.data();
}

bool Driver::ItemRect(int item, RECT* rect) const {
  Remote remote(Grid(), sizeof(RECT));
  RECT request = {LVIR_LABEL, 0, 0, 0};
  return remote.Put(&request, sizeof request) &&
         Send(Grid(), LVM_GETITEMRECT, static_cast<WPARAM>(item),
              reinterpret_cast<LPARAM>(remote.At())) > 0 &&
         remote.Get(rect, sizeof *rect);
}

bool Driver::Key(UINT virtualKey) const {
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  return PostMessageA(Grid(), WM_KEYDOWN, virtualKey, down) &&
         PostMessageA(Grid(), WM_KEYUP, virtualKey, down | 0xC0000000);
}

std::vector<std::string> Driver::Launches() const {
  std::vector<std::string> launches;
  std::string bytes;
  if (!ReadFile(program_ + fake_member::kLaunchRecordFile, &bytes)) return launches;
  // Three lines a start: command line, working folder, module.
  std::vector<std::string> values;
  for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
    const std::string line = bytes.substr(at, end - at);
    values.push_back(line.substr(line.find('=') + 1));
  }
  for (size_t i = 0; i + 2 < values.size(); i += 3) {
    launches.push_back(values[i + 2] + "|" + values[i] + "|" + values[i + 1]);
  }
  return launches;
}

bool Driver::Screenshot(const std::string& name) const {
  if (screenshots_.empty()) return true;
  // The script watching the folder takes the picture and removes the request.
  const std::string request = screenshots_ + name + ".request";
  return WriteFile(request, "") &&
         WaitUntil([&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

}  // namespace e2e
