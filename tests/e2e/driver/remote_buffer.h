// A block of memory inside another process, for messages whose pointers
// the system passes through unchanged (the common controls' own messages).
#pragma once

#include <windows.h>

#include <cstddef>

namespace e2e {

class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return address_ != nullptr; }
  // The block's address as the other process sees it.
  void* Address() const { return address_; }
  // Address of the byte at offset inside the block.
  void* At(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
  bool Write(const void* data, std::size_t size, std::size_t offset = 0) const;
  bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace e2e
