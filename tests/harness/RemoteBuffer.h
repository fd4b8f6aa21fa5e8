// Memory inside the process that owns a window, for messages whose parameters
// point to memory (LVM_GETITEMTEXT and friends): Windows copies only a few
// messages' data (WM_GETTEXT, WM_SETTEXT) between processes, the others are handed
// over as raw pointers. Works for windows of this process too.
#pragma once

#include <windows.h>

#include <cstddef>

namespace harness {

class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    // The address as the owning process sees it, to pass in a message.
    void* Address(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }

    bool Write(size_t offset, const void* data, size_t size);
    bool Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_ = 0;
};

}  // namespace harness
