#include "ui/framework/clipboard.h"

#include <cstring>

namespace ui {
namespace {

bool Put(UINT format, const void* data, size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (target == nullptr) {
    if (memory != nullptr) GlobalFree(memory);
    return false;
  }
  std::memcpy(target, data, bytes);
  GlobalUnlock(memory);
  if (SetClipboardData(format, memory) != nullptr) return true;  // the system owns it now
  GlobalFree(memory);
  return false;
}

}  // namespace

bool CopyText(HWND owner, const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return false;
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  if (!OpenClipboard(owner)) return false;
  const bool copied = EmptyClipboard() &&
                      Put(CF_UNICODETEXT, wide.c_str(), wide.size() * sizeof(wchar_t)) &&
                      Put(CF_TEXT, text.c_str(), text.size() + 1);
  CloseClipboard();
  return copied;
}

}  // namespace ui
