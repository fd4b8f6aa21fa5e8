// Message maps on real windows: lookup order, handler arguments, reflection, exceptions.
#include <gtest/gtest.h>

#include "harness/ModalDriver.h"
#include "framework/win32/Afx.h"

namespace {

const UINT ID_FIRST = 100;
const UINT ID_SECOND = 101;
const UINT ID_RANGE_LOW = 110;
const UINT ID_RANGE_HIGH = 119;
const UINT WM_TEST_ECHO = WM_APP + 1;
const UINT WM_TEST_THROW = WM_APP + 2;

class CBaseTestWnd : public CWnd {
public:
    std::vector<std::string> calls;
    int cx = -1, cy = -1;
    UINT nKey = 0, nRepeat = 0;
    CPoint ptMouse;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        calls.push_back(std::string("create:") + (lpcs->lpszName ? lpcs->lpszName : ""));
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT, int x, int y)
    {
        cx = x;
        cy = y;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT) { nKey = nChar, nRepeat = nRepCnt; }
    afx_msg void OnLButtonDown(UINT, CPoint point) { ptMouse = point; }
    afx_msg void OnFirst() { calls.push_back("base first"); }
    afx_msg void OnSecond() { calls.push_back("base second"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(ID_FIRST, &CBaseTestWnd::OnFirst)
    ON_COMMAND(ID_SECOND, &CBaseTestWnd::OnSecond)
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd {
public:
    UINT nRangeId = 0;

protected:
    afx_msg void OnFirst() { calls.push_back("derived first"); }
    afx_msg void OnRange(UINT nID) { nRangeId = nID; }
    afx_msg LRESULT OnEcho(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM) { throw CFileException(CFileException::diskFull); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
    ON_COMMAND(ID_FIRST, &CDerivedTestWnd::OnFirst)
    ON_COMMAND_RANGE(ID_RANGE_LOW, ID_RANGE_HIGH, &CDerivedTestWnd::OnRange)
    ON_MESSAGE(WM_TEST_ECHO, &CDerivedTestWnd::OnEcho)
    ON_MESSAGE(WM_TEST_THROW, &CDerivedTestWnd::OnThrow)
END_MESSAGE_MAP()

BOOL CreatePopup(CWnd& wnd, LPCTSTR lpszName = "test")
{
    return wnd.CreateEx(0, nullptr, lpszName, WS_POPUP, 10, 10, 200, 100, nullptr, nullptr);
}

}  // namespace

TEST(MessageMap, DerivedEntriesComeFirstAndBaseEntriesStillReachable)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd, "popup"));
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);  // the object itself, not a temporary one
    wnd.SendMessage(WM_COMMAND, ID_FIRST);
    wnd.SendMessage(WM_COMMAND, ID_SECOND);
    EXPECT_EQ(wnd.calls, (std::vector<std::string>{"create:popup", "derived first", "base second"}));
    wnd.SendMessage(WM_COMMAND, ID_RANGE_LOW + 3);
    EXPECT_EQ(wnd.nRangeId, ID_RANGE_LOW + 3);
    EXPECT_EQ(wnd.SendMessage(WM_TEST_ECHO, 40, 2), 42);
    wnd.DestroyWindow();
}

TEST(MessageMap, HandlersGetTheirArgumentsUnpacked)
{
    CBaseTestWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    wnd.MoveWindow(0, 0, 150, 90);
    CRect rc;
    wnd.GetClientRect(&rc);
    EXPECT_EQ(wnd.cx, rc.Width());
    EXPECT_EQ(wnd.cy, rc.Height());
    wnd.SendMessage(WM_KEYDOWN, VK_INSERT, MAKELPARAM(3, 0));
    EXPECT_EQ(wnd.nKey, static_cast<UINT>(VK_INSERT));
    EXPECT_EQ(wnd.nRepeat, 3u);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 17));
    EXPECT_EQ(wnd.ptMouse, CPoint(-5, 17));
    wnd.DestroyWindow();
}

TEST(MessageMap, ExceptionInAHandlerIsReportedAndStopsThere)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    harness::ModalDriver driver;
    driver.ExpectMessageBox("The disk is full.").Click(IDOK);
    EXPECT_EQ(wnd.SendMessage(WM_TEST_THROW), 0);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
    wnd.DestroyWindow();
}

namespace {

class CFailingCreateWnd : public CWnd {
public:
    bool bPostNcDestroy = false;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { throw CArchiveException(CArchiveException::badSchema); }
    void PostNcDestroy() override { bPostNcDestroy = true; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingCreateWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, ExceptionInOnCreateFailsTheCreation)
{
    CFailingCreateWnd wnd;
    harness::ModalDriver driver;
    driver.ExpectMessageBox("The archive holds data of an unsupported format.").Click(IDOK);
    EXPECT_FALSE(CreatePopup(wnd));
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_TRUE(wnd.bPostNcDestroy);
}

namespace {

// A child that takes its own notifications and paints its own (owner-drawn) face.
class CSelfDrawingButton : public CWnd {
public:
    int nCreates = 0;
    int nDraws = 0;
    int nClicks = 0;
    UINT nLastCode = 0;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++nDraws;
        FillRect(lpDIS->hDC, &lpDIS->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++nCreates;
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnClicked() { ++nClicks; }
    afx_msg void OnCustom(NMHDR* pNMHDR, LRESULT* pResult)
    {
        nLastCode = pNMHDR->code;
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};

const UINT NM_TEST_REFLECTED = 0U - 2000U;
const UINT NM_TEST_PARENT = 0U - 2001U;

BEGIN_MESSAGE_MAP(CSelfDrawingButton, CWnd)
    ON_WM_CREATE()
    ON_WM_DRAWITEM_REFLECT()
    ON_CONTROL_REFLECT(BN_CLICKED, &CSelfDrawingButton::OnClicked)
    ON_NOTIFY_REFLECT(NM_TEST_REFLECTED, &CSelfDrawingButton::OnCustom)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
public:
    int nParentNotifies = 0;
    int nParentClicks = 0;

protected:
    afx_msg void OnParentNotify(NMHDR*, LRESULT* pResult)
    {
        ++nParentNotifies;
        *pResult = 9;
    }
    afx_msg void OnChildClicked() { ++nParentClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_NOTIFY(NM_TEST_PARENT, 5, &CParentWnd::OnParentNotify)
    ON_NOTIFY(NM_TEST_REFLECTED, 5, &CParentWnd::OnParentNotify)
    ON_BN_CLICKED(5, &CParentWnd::OnChildClicked)
END_MESSAGE_MAP()

LRESULT SendNotify(CWnd& parent, CWnd& child, UINT code)
{
    NMHDR hdr = {child.m_hWnd, static_cast<UINT_PTR>(child.GetDlgCtrlID()), code};
    return parent.SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

}  // namespace

TEST(MessageMap, ChildNotificationsReachTheChildObjectFirst)
{
    CParentWnd parent;
    ASSERT_TRUE(CreatePopup(parent));
    CSelfDrawingButton button;
    ASSERT_TRUE(button.Create("BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 50, 20), &parent, 5));
    // The control was attached before its first message.
    EXPECT_EQ(button.nCreates, 1);
    EXPECT_EQ(CWnd::FromHandlePermanent(button.m_hWnd), &button);

    EXPECT_EQ(SendNotify(parent, button, NM_TEST_REFLECTED), 7);
    EXPECT_EQ(button.nLastCode, NM_TEST_REFLECTED);
    EXPECT_EQ(parent.nParentNotifies, 0);
    EXPECT_EQ(SendNotify(parent, button, NM_TEST_PARENT), 9);
    EXPECT_EQ(parent.nParentNotifies, 1);

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(button.nClicks, 1);
    EXPECT_EQ(parent.nParentClicks, 0);

    // Painting the owner-drawn button sends WM_DRAWITEM to the parent.
    parent.ShowWindow(SW_SHOWNA);
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_GE(button.nDraws, 1);
    parent.DestroyWindow();
    EXPECT_EQ(button.m_hWnd, nullptr);
}
