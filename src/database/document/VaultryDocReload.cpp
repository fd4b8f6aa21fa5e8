// Reloading: while this window has no unsaved change, a save of its file by
// another program shows here once the file has stayed as it is for a moment
// (CFileChangeWatch), without a question and without taking the focus.
#include "database/document/MergeMessages.h"
#include "database/document/VaultryDoc.h"

#include <utility>

void CVaultryDoc::LookForOutsideChange()
{
    if (m_strBasePath.IsEmpty() || IsModified() || IsSaving()) return;
    if (m_watch.LookAt(GetFileStamp(m_strBasePath)) != CFileChangeWatch::Look::settled) return;
    CDatabaseFileImage image;
    try {
        // Open only to be read at once, and shared with writers meanwhile. A file
        // being written is read at a later look.
        if (!image.Read(m_strBasePath, CFile::shareDenyNone)) return;
    } catch (const CFileException&) {
        return;
    }
    const FileIdentity& identity = image.GetIdentity();
    if (!image.Exists() || image.Holds(m_baseIdentity)) {
        // Gone (the next save writes it), or touched without a change.
        m_watch.SetKnown(identity.stamp);
        if (image.Exists()) m_baseIdentity = identity;
        return;
    }
    DatabaseHeader header;
    CEntryList entries;
    CString strKey;
    DatabaseStatus status = ReadWithOwnKey(image, header, entries, strKey);
    if (status != DatabaseStatus::ok) {
        // The entries shown stay, and the next save asks what to do.
        m_watch.SetKnown(identity.stamp);
        if (!m_bToldUnreadable) {
            m_bToldUnreadable = TRUE;
            if (status == DatabaseStatus::unreadable && !header.IsLocked()) status = DatabaseStatus::notDatabase;
            AfxMessageBox(UnreadableChangeNotice(GetTitle(), status), MB_ICONINFORMATION);
        }
        return;
    }
    // No longer locked: the window goes on without a lock too.
    TakeKey(header.LockFlag(), strKey);
    SetBase(m_strBasePath, entries, identity);
    if (entries == m_EntryList) return;
    CEntryList shown = std::move(m_EntryList);
    m_EntryList = std::move(entries);
    ++m_nReloads;
    CReloadHint hint(shown);
    UpdateAllViews(nullptr, kHintReloaded, &hint);
}
