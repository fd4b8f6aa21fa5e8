// Message maps: each class that handles messages or commands has a static table of
// entries (message, notification code, command id range, handler signature, handler),
// chained to its base class's table. The entry macros below build the entries with
// the handler signatures of the classic framework; the table is searched from the
// most derived class to CCmdTarget.
//
// Handlers are named with their class, as in
//     ON_COMMAND(ID_APP_ABOUT, &CMyApp::OnAppAbout)
//     ON_NOTIFY_REFLECT(NM_DBLCLK, &CMyView::OnDblclk)
// The ON_WM_xxx macros take no argument and bind the standard handler name (OnCreate,
// OnSize, ...) of the class whose map is being defined.
// Laid out by hand as tables: the formatter leaves this file alone.
// clang-format off
#pragma once

#include "framework/win32/WinHeaders.h"

class CCmdTarget;
class CWnd;
class CCmdUI;
class CDC;
class CMenu;
class CPoint;

#define afx_msg
#define AFX_MSG_CALL

typedef void (CCmdTarget::*AFX_PMSG)();

// Handler signatures: how the dispatcher unpacks the message for a handler.
enum AfxSig : UINT_PTR {
    AfxSig_end = 0,
    AfxSigCmd_v,          // void ()                              commands, control notifications
    AfxSigCmd_w,          // void (UINT nID)                      command ranges
    AfxSigCmd_b,          // BOOL (UINT nID)                      ON_COMMAND_EX: FALSE routes further
    AfxSigCmdUI,          // void (CCmdUI*)                       update-command-UI
    AfxSigNotify_v,       // void (NMHDR*, LRESULT*)              notifications
    AfxSig_is,            // int (LPCREATESTRUCT)                 WM_CREATE
    AfxSig_vv,            // void ()
    AfxSig_vwii,          // void (UINT, int, int)                WM_SIZE
    AfxSig_vt,            // void (UINT_PTR)                      WM_TIMER
    AfxSig_vwww,          // void (UINT, UINT, UINT)              keys
    AfxSig_vwp,           // void (UINT, CPoint)                  mouse
    AfxSig_bD,            // BOOL (CDC*)                          WM_ERASEBKGND
    AfxSig_vbNcCalc,      // void (BOOL, NCCALCSIZE_PARAMS*)      WM_NCCALCSIZE
    AfxSig_vDrop,         // void (HDROP)                         WM_DROPFILES
    AfxSig_vDrawItem,     // void (LPDRAWITEMSTRUCT)              reflected WM_DRAWITEM
    AfxSig_vMeasureItem,  // void (LPMEASUREITEMSTRUCT)           reflected WM_MEASUREITEM
    AfxSig_lwl,           // LRESULT (WPARAM, LPARAM)             ON_MESSAGE
    AfxSig_vMenuPopup,    // void (CMenu*, UINT, BOOL)            WM_INITMENUPOPUP
    AfxSig_vMenuSelect,   // void (UINT, UINT, HMENU)             WM_MENUSELECT
    AfxSig_vW,            // void (CWnd*)                         WM_SETFOCUS, WM_KILLFOCUS
    AfxSig_vPos,          // void (WINDOWPOS*)                    WM_WINDOWPOSCHANGING/CHANGED
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;     // window message, or WM_COMMAND / WM_NOTIFY (plus WM_REFLECT_BASE when reflected)
    UINT nCode;        // notification or command code; CN_UPDATE_COMMAND_UI for update handlers
    UINT nID;          // first command or control id
    UINT nLastID;      // last command or control id of a range
    UINT_PTR nSig;     // an AfxSig
    AFX_PMSG pfn;      // the handler, cast from its own signature
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command codes of CCmdTarget::OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
// Reflected messages are looked up as the message plus this base.
#define WM_REFLECT_BASE 0xBC00

#define DECLARE_MESSAGE_MAP()                           \
protected:                                              \
    static const AFX_MSGMAP* GetThisMessageMap();       \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                             \
    {                                                                           \
        typedef theClass ThisClass;                                             \
        typedef baseClass TheBaseClass;                                         \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                       \
            {0, 0, 0, 0, AfxSig_end, nullptr}};                                 \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        (void)sizeof(ThisClass);                                                \
        return &messageMap;                                                     \
    }

// Handlers are stored as AFX_PMSG and cast back to their own signature before the
// call; a round trip through reinterpret_cast keeps the pointer intact.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
template <class To, class From>
inline To AfxCastHandler(From pfn)
{
    return reinterpret_cast<To>(pfn);
}
#pragma GCC diagnostic pop

// Casts a handler to the stored type after checking it against its signature.
#define AFX_MSG_HANDLER(type, memberFxn) AfxCastHandler<AFX_PMSG>(static_cast<type>(memberFxn))

// Commands and command updates.
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSigCmd_v, AFX_MSG_HANDLER(void (CCmdTarget::*)(), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSigCmd_w,          \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(UINT), memberFxn)},
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSigCmd_b, AFX_MSG_HANDLER(BOOL (CCmdTarget::*)(UINT), memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                    \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSigCmdUI,    \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                      \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSigCmdUI, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(CCmdUI*), memberFxn)},

// Notifications from child controls, to the parent's map.
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                 \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSigCmd_v, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(), memberFxn)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                  \
    {WM_NOTIFY, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSigNotify_v,    \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// Notifications reflected to the control's own object.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                              \
    {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(wNotifyCode), 0, 0, AfxSigNotify_v,    \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                             \
    {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, \
     AFX_MSG_HANDLER(void (CCmdTarget::*)(), memberFxn)},
#define ON_WM_DRAWITEM_REFLECT()                                               \
    {WM_DRAWITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vDrawItem,                  \
     AFX_MSG_HANDLER(void (CWnd::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem)},
#define ON_WM_MEASUREITEM_REFLECT()                                            \
    {WM_MEASUREITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vMeasureItem,            \
     AFX_MSG_HANDLER(void (CWnd::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem)},

// Any message, with the raw parameters.
#define ON_MESSAGE(message, memberFxn)                                         \
    {(UINT)(message), 0, 0, 0, AfxSig_lwl, AFX_MSG_HANDLER(LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)},

// Window messages with their standard handler names.
#define AFX_ON_WM(message, sig, type, name) {message, 0, 0, 0, sig, AFX_MSG_HANDLER(type, &ThisClass::name)},
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() \
    AFX_ON_WM(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_WM(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_NCCALCSIZE() \
    AFX_ON_WM(WM_NCCALCSIZE, AfxSig_vbNcCalc, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCPAINT() AFX_ON_WM(WM_NCPAINT, AfxSig_vv, void (CWnd::*)(), OnNcPaint)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, AfxSig_vv, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_DROPFILES() AFX_ON_WM(WM_DROPFILES, AfxSig_vDrop, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_ON_WM(WM_WINDOWPOSCHANGING, AfxSig_vPos, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_ON_WM(WM_WINDOWPOSCHANGED, AfxSig_vPos, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_INITMENUPOPUP() \
    AFX_ON_WM(WM_INITMENUPOPUP, AfxSig_vMenuPopup, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT() \
    AFX_ON_WM(WM_MENUSELECT, AfxSig_vMenuSelect, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
