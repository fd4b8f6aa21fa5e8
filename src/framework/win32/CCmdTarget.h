// CCmdTarget: an object that handles commands through its message map. OnCmdMsg
// finds the handler of a command, a command update or a notification in the map
// chain and calls it; derived classes route further (view -> document -> frame ->
// application) by overriding OnCmdMsg.
#pragma once

#include "framework/win32/CObject.h"
#include "framework/win32/MessageMap.h"

// The extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling the handler: which object would handle it.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();

    // nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra is the CCmdUI*), a control
    // notification code, or MAKELONG(notification, WM_NOTIFY) (pExtra is AFX_NOTIFY*).
    // With pHandlerInfo, reports the handler without calling it. TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry of this object's map chain that handles a window message (nCode and
    // nID 0), or NULL.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};
