#include "tests/window_test/remote_memory.h"

RemoteMemory::RemoteMemory(HANDLE process, std::size_t size)
    : process_(process), base_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteMemory::~RemoteMemory() {
  if (base_ != nullptr) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
}

bool RemoteMemory::write(std::size_t offset, const void* data, std::size_t size) {
  SIZE_T written = 0;
  return ok() && WriteProcessMemory(process_, reinterpret_cast<void*>(at(offset)), data, size, &written) &&
         written == size;
}

bool RemoteMemory::read(std::size_t offset, void* data, std::size_t size) const {
  SIZE_T got = 0;
  return ok() && ReadProcessMemory(process_, reinterpret_cast<const void*>(at(offset)), data, size, &got) &&
         got == size;
}
