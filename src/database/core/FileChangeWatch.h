// CFileChangeWatch: tells, from a file's stamp looked at now and then (the
// program looks about once a second), when a change of the file by another
// program is ready to be read: its stamp differs from the one it had when last
// read or written here, and is the same as at the look before. A program that
// saves the file many times in a row is so read once it has paused, not after
// every save.
#pragma once

#include "framework/portable/PlatformFile.h"

class CFileChangeWatch {
public:
    enum class Look {
        unchanged,  // as known
        changing,   // changed since the last look: look again
        settled,    // changed, and the same as at the last look: read it now
    };

    // The stamp of the file as read or written here; forgets a change being seen.
    void SetKnown(const FileStamp& stamp);
    Look LookAt(const FileStamp& now);

private:
    FileStamp m_known;
    FileStamp m_last;  // at the last look
};
