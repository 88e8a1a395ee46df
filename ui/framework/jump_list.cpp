#include "ui/framework/jump_list.h"

#include <objbase.h>
#include <objectarray.h>
#include <propsys.h>
#include <shobjidl.h>

#include "platform/win32/long_path.h"
#include "platform/win32/on_demand.h"

namespace ui {
namespace {

// The shell's title of an item (PKEY_Title), which the list shows.
const PROPERTYKEY kTitle = {
    {0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}}, 2};

// Releases what it holds as it goes.
template <typename Interface>
struct Held {
  Interface* p = nullptr;
  ~Held() {
    if (p != nullptr) p->Release();
  }
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
};

// COM's object maker, from ole32 as the list is first made: the program
// imports no COM at start.
HRESULT Create(REFCLSID kind, REFIID interfaceId, void** object) {
  const auto create =
      orvent::SystemFunction<decltype(CoCreateInstance)>("ole32.dll", "CoCreateInstance");
  return create != nullptr ? create(kind, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object)
                           : E_FAIL;
}

std::wstring ProgramPath() {
  wchar_t path[32768] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, 32768);
  return std::wstring(path, length < 32768 ? length : 0);
}

// A shell link that starts this program with the item's arguments, titled.
bool AddLink(IObjectCollection* items, const JumpItem& item) {
  Held<IShellLinkW> link;
  Held<IPropertyStore> properties;
  if (FAILED(Create(CLSID_ShellLink, IID_IShellLinkW, reinterpret_cast<void**>(&link.p))) ||
      FAILED(link.p->SetPath(ProgramPath().c_str())) ||
      FAILED(link.p->SetArguments(orvent::AnsiToWide(item.arguments).c_str())) ||
      FAILED(link.p->QueryInterface(IID_IPropertyStore, reinterpret_cast<void**>(&properties.p)))) {
    return false;
  }
  const std::wstring title = orvent::AnsiToWide(item.title);
  PROPVARIANT value = {};
  value.vt = VT_LPWSTR;
  value.pwszVal = const_cast<wchar_t*>(title.c_str());
  return SUCCEEDED(properties.p->SetValue(kTitle, value)) && SUCCEEDED(properties.p->Commit()) &&
         SUCCEEDED(items->AddObject(link.p));
}

// The arguments of the links the user removed.
std::vector<std::string> ArgumentsOf(IObjectArray* removed) {
  std::vector<std::string> arguments;
  UINT count = 0;
  if (removed == nullptr || FAILED(removed->GetCount(&count))) return arguments;
  for (UINT i = 0; i < count; ++i) {
    Held<IShellLinkW> link;
    wchar_t text[32768] = {};
    if (SUCCEEDED(removed->GetAt(i, IID_IShellLinkW, reinterpret_cast<void**>(&link.p))) &&
        SUCCEEDED(link.p->GetArguments(text, 32768))) {
      arguments.push_back(orvent::WideToAnsi(text));
    }
  }
  return arguments;
}

}  // namespace

bool ReplaceJumpCategory(const std::string& category, const JumpItems& items) {
  orvent::StartOle();
  Held<ICustomDestinationList> list;
  Held<IObjectArray> removed;
  Held<IObjectCollection> collection;
  Held<IObjectArray> shown;
  UINT slots = 0;
  if (FAILED(Create(CLSID_DestinationList, IID_ICustomDestinationList,
                    reinterpret_cast<void**>(&list.p))) ||
      FAILED(list.p->BeginList(&slots, IID_IObjectArray, reinterpret_cast<void**>(&removed.p)))) {
    return false;
  }
  bool made = SUCCEEDED(Create(CLSID_EnumerableObjectCollection, IID_IObjectCollection,
                               reinterpret_cast<void**>(&collection.p)));
  for (const JumpItem& item :
       made ? items(ArgumentsOf(removed.p), slots) : std::vector<JumpItem>()) {
    made = made && AddLink(collection.p, item);
  }
  made = made &&
         SUCCEEDED(
             collection.p->QueryInterface(IID_IObjectArray, reinterpret_cast<void**>(&shown.p))) &&
         SUCCEEDED(list.p->AppendCategory(orvent::AnsiToWide(category).c_str(), shown.p)) &&
         SUCCEEDED(list.p->CommitList());
  if (!made) list.p->AbortList();
  return made;
}

}  // namespace ui
