// A block of memory inside another process, for the control messages whose argument
// is a pointer (LVM_GETITEMTEXTW, SB_GETTEXTW, TCM_GETITEMRECT...): the control reads
// and writes that pointer in its own address space, so the structure and its text
// buffer must live there. One object is used by one thread; the block is freed when
// the object is destroyed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool ok() const { return base_ != nullptr; }
  // The address `offset` bytes into the block, as the other process sees it.
  LPARAM at(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(base_) + offset); }

  bool write(std::size_t offset, const void* data, std::size_t size);
  bool read(std::size_t offset, void* data, std::size_t size) const;

 private:
  HANDLE process_;
  void* base_;
};
