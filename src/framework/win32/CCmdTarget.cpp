#include "framework/win32/CCmdTarget.h"

#include "framework/win32/CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p) {
            if (p->nMessage == nMessage && p->nCode == nCode && nID >= p->nID && nID <= p->nLastID) return p;
        }
    }
    return nullptr;
}

namespace {

// Calls a command, update or notification handler; TRUE when it handled the command.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, const AFX_MSGMAP_ENTRY* pEntry, void* pExtra)
{
    switch (pEntry->nSig) {
    case AfxSigCmd_v:
        (pTarget->*pEntry->pfn)();
        return TRUE;
    case AfxSigCmd_w:
        (pTarget->*AfxCastHandler<void (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*AfxCastHandler<BOOL (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
    case AfxSigCmdUI: {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*AfxCastHandler<void (CCmdTarget::*)(CCmdUI*)>(pEntry->pfn))(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v: {
        AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
        (pTarget->*AfxCastHandler<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pEntry->pfn))(pNotify->pNMHDR,
                                                                                        pNotify->pResult);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg;
    UINT nEntryCode;
    if (static_cast<UINT>(nCode) == CN_UPDATE_COMMAND_UI) {
        nMsg = WM_COMMAND;
        nEntryCode = CN_UPDATE_COMMAND_UI;
    } else {
        nMsg = HIWORD(nCode);
        if (nMsg == 0) nMsg = WM_COMMAND;
        nEntryCode = LOWORD(nCode);
    }

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; ++p) {
            if (p->nMessage != nMsg || nID < p->nID || nID > p->nLastID) continue;
            // Notification codes are compared in their low word: WM_NOTIFY codes
            // travel packed with the message number.
            BOOL bCodeMatches = nEntryCode == CN_UPDATE_COMMAND_UI
                                    ? p->nCode == CN_UPDATE_COMMAND_UI
                                    : p->nCode != CN_UPDATE_COMMAND_UI && LOWORD(p->nCode) == nEntryCode;
            if (!bCodeMatches) continue;
            if (pHandlerInfo != nullptr) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = p->pfn;
                return TRUE;
            }
            return DispatchCmdMsg(this, nID, p, pExtra);
        }
    }
    return FALSE;
}
