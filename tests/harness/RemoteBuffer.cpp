#include "harness/RemoteBuffer.h"

namespace harness {

RemoteBuffer::RemoteBuffer(HWND owner, size_t size) : size_(size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(owner, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId);
    if (process_)
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer()
{
    if (address_)
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_)
        CloseHandle(process_);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size)
{
    SIZE_T written = 0;
    return address_ && offset + size <= size_ &&
           WriteProcessMemory(process_, Address(offset), data, size, &written) && written == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const
{
    SIZE_T read = 0;
    return address_ && offset + size <= size_ &&
           ReadProcessMemory(process_, Address(offset), data, size, &read) && read == size;
}

}  // namespace harness
