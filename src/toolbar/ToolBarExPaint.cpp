// CToolBarEx's client area: every button painted flat on the bar's face, the
// edges of hot and down buttons, the dither of checked ones, embossed disabled
// images, etched separators, and the image list the images come from.
#include "toolbar/ToolBarCustomDraw.h"
#include "toolbar/ToolBarEx.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const DWORD kRopDSPDxax = 0x00E20746;  // the pattern where the source is set, else the target
const int kMaxSeparatorWidth = 8;      // wider separators are gaps, not lines

}  // namespace

void CToolBarEx::OnPaint()
{
    HIMAGELIST hImageList = GetImageList();
    if (hImageList == nullptr) {
        CToolBar::OnPaint();
        return;
    }
    BOOL bDeleteImgList = m_bDeleteImgList;
    CRect rcUpdate;
    GetUpdateRect(&rcUpdate, FALSE);
    if (!rcUpdate.IsRectEmpty()) {
        if (HasButtonTexts()) CalcImageOffset();
        CPoint ptPointer;
        ::GetCursorPos(&ptPointer);
        ScreenToClient(&ptPointer);
        CPaintDC dc(this);
        DrawButtons(&dc, hImageList, rcUpdate, ptPointer);
    }
    // A list the control owns is only let go.
    if (bDeleteImgList) ImageList_Destroy(hImageList);
}

void CToolBarEx::DrawButtons(CDC* pDC, HIMAGELIST hImageList, const CRect& rcUpdate, CPoint ptPointer)
{
    BOOL bTracking = IsTrackingActive();
    HGDIOBJ hOldFont = pDC->SelectObject(m_GuiFont);
    CToolBarCustomDraw customDraw(pDC, this, m_hwndParent);
    customDraw.PrePaint();

    CToolBarCtrl& ctrl = GetToolBarCtrl();
    int nCount = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    for (int i = 0; i < nCount; ++i) {
        CRect rect;
        GetItemRect(i, &rect);
        UINT nID;
        UINT nStyle;
        int iImage;
        GetButtonInfo(i, nID, nStyle, iImage);
        if (nStyle & TBBS_HIDDEN) continue;
        if (LOWORD(nStyle) == TBBS_SEPARATOR) {
            // A wrapped separator of a floating bar stands for a line break.
            if (!((nStyle & TBBS_WRAPPED) && IsFloating())) DrawSeparator(pDC, rect);
            continue;
        }
        CRect rcShared;
        if (!rcShared.IntersectRect(&rect, &rcUpdate)) continue;

        BOOL bDown = (nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0;
        BOOL bEnabled = ctrl.IsButtonEnabled(static_cast<int>(nID));
        BOOL bHot = bTracking && rect.PtInRect(ptPointer);
        COLORREF clrBack = bDown && !bHot ? m_clrBtnLight : m_clrBtnFace;
        pDC->SetTextColor(kBlack);
        pDC->SetBkColor(clrBack);
        if (HasButtonTexts()) m_sizeOffset.cx = (rect.Width() - m_sizeImage.cx) / 2;
        if (!customDraw.ItemPrePaint(i)) continue;

        pDC->FillSolidRect(&rect, clrBack);
        COLORREF clrOldBk = pDC->GetBkColor();
        DrawButtonFace(pDC, rect, bDown, bHot, bEnabled, clrBack);
        pDC->SetBkColor(clrOldBk);

        int d = bDown ? 1 : 0;  // a down button's image and text move right and down
        ImageList_Draw(hImageList, iImage, pDC->m_hDC, rect.left + m_sizeOffset.cx + d, rect.top + m_sizeOffset.cy + d,
                       ILD_TRANSPARENT);
        CString strText = GetButtonText(i);
        if (!strText.IsEmpty()) {
            CRect rcText(rect.left + d + 3, rect.top + d + m_sizeImage.cy + m_sizeOffset.cy + 1, rect.right + d - 3,
                         rect.bottom + d - 3);
            int nOldMode = pDC->SetBkMode(TRANSPARENT);
            pDC->SetTextColor(kBlack);
            pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            pDC->SetBkMode(nOldMode);
        }
        if (!bEnabled) {
            CRect rcEmboss = rect;
            rcEmboss.DeflateRect(d, d);
            DrawDisabledButton(pDC, rcEmboss);
        }
        customDraw.ItemPostPaint(i);
    }

    pDC->SelectObject(hOldFont);
    customDraw.PostPaint();
}

void CToolBarEx::DrawButtonFace(CDC* pDC, const CRect& rect, BOOL bDown, BOOL bHot, BOOL bEnabled, COLORREF clrBack)
{
    if (!bDown) {
        // The face colour on all sides wipes out the edge of an earlier hot state.
        if (!bEnabled) return;
        if (bHot)
            pDC->Draw3dRect(&rect, m_clrBtnHilight, m_clrBtnShadow);
        else
            pDC->Draw3dRect(&rect, m_clrBtnFace, m_clrBtnFace);
        return;
    }
    pDC->Draw3dRect(&rect, m_clrBtnShadow, m_clrBtnHilight);
    if (bHot) return;
    // Not under the pointer: a face-coloured frame inside the edge, and a dither of
    // highlight and face colours inside that.
    CRect rcInside = rect;
    rcInside.DeflateRect(1, 1);
    pDC->Draw3dRect(&rcInside, m_clrBtnFace, m_clrBtnFace);
    rcInside.DeflateRect(1, 1);
    pDC->SetTextColor(m_clrBtnHilight);
    pDC->SetBkColor(m_clrBtnFace);
    pDC->FillRect(&rcInside, *CDC::GetHalftoneBrush());
    pDC->SetTextColor(kBlack);
    pDC->SetBkColor(clrBack);
}

void CToolBarEx::DrawDisabledButton(CDC* pDC, const CRect& rect)
{
    int w = rect.Width();
    int h = rect.Height();
    if (w <= 0 || h <= 0) return;

    // A monochrome mask of the image: black where a pixel is neither face nor
    // highlight coloured.
    CDC dcMask;
    if (!dcMask.CreateCompatibleDC(nullptr)) return;
    CBitmap bmMask;
    if (!bmMask.CreateCompatibleBitmap(&dcMask, w, h)) {
        dcMask.DeleteDC();
        return;
    }
    HGDIOBJ hOldMask = dcMask.SelectObject(bmMask);
    dcMask.PatBlt(0, 0, w, h, WHITENESS);
    pDC->SetBkColor(m_clrBtnFace);
    dcMask.BitBlt(0, 0, w, h, pDC, rect.left, rect.top, SRCCOPY);
    pDC->SetBkColor(m_clrBtnHilight);
    dcMask.BitBlt(0, 0, w, h, pDC, rect.left, rect.top, SRCPAINT);

    // The mask painted twice on the face: in highlight, one pixel down and right,
    // then in shadow.
    pDC->FillSolidRect(&rect, m_clrBtnFace);
    pDC->SetBkColor(kBlack);
    pDC->SetTextColor(kWhite);
    CBrush brHilight(m_clrBtnHilight);
    CBrush brShadow(m_clrBtnShadow);
    HGDIOBJ hOldBrush = pDC->SelectObject(brHilight);
    pDC->BitBlt(rect.left + 1, rect.top + 1, w, h, &dcMask, 0, 0, kRopDSPDxax);
    pDC->SelectObject(brShadow);
    pDC->BitBlt(rect.left, rect.top, w, h, &dcMask, 0, 0, kRopDSPDxax);
    pDC->SelectObject(hOldBrush);

    dcMask.SelectObject(hOldMask);
    dcMask.DeleteDC();
}

BOOL CToolBarEx::DrawSeparator(CDC* pDC, CRect& rect)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (rect.Width() > kMaxSeparatorWidth) return bHorz;
    if (bHorz) {
        // A vertical line two pixels wide in the middle of the separator.
        int x = (rect.left + rect.right) / 2;
        rect.left = x - 1;
        rect.right = x + 1;
    } else {
        // A vertical bar's separator stands beside the button it wraps after: its
        // line runs below it, as wide as a button, where the buttons stand.
        int y = (2 * rect.bottom + 5) / 2;
        rect.right = rect.left;
        rect.left -= m_sizeButton.cx;
        rect.top = y - 1;
        rect.bottom = y + 1;
    }
    pDC->Draw3dRect(&rect, m_clrBtnShadow, m_clrBtnHilight);
    return bHorz;
}

HIMAGELIST CToolBarEx::GetImageList()
{
    m_bDeleteImgList = FALSE;
    HIMAGELIST hImageList = GetToolBarCtrl().GetImageList();
    if (hImageList != nullptr || m_hbmImageWell == nullptr) return hImageList;

    // A list of the toolbar bitmap's images, the face colour transparent.
    BITMAP bm = {};
    if (!::GetObjectA(m_hbmImageWell, sizeof(bm), &bm) || m_sizeImage.cx <= 0) return nullptr;
    CClientDC dcClient(this);
    CDC dcSource;
    CDC dcCopy;
    CBitmap bmCopy;
    if (!dcSource.CreateCompatibleDC(&dcClient) || !dcCopy.CreateCompatibleDC(&dcClient) ||
        !bmCopy.CreateCompatibleBitmap(&dcClient, bm.bmWidth, bm.bmHeight))
        return nullptr;
    HGDIOBJ hOldSource = dcSource.SelectObject(m_hbmImageWell);
    HGDIOBJ hOldCopy = dcCopy.SelectObject(bmCopy);
    dcCopy.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &dcSource, 0, 0, SRCCOPY);
    dcSource.SelectObject(hOldSource);
    dcCopy.SelectObject(hOldCopy);
    dcSource.DeleteDC();
    dcCopy.DeleteDC();

    // In the display's colours: a list of the default 16 colours would change
    // every image colour outside them (button colours of most schemes).
    CImageList images;
    if (!images.Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLORDDB | ILC_MASK, bm.bmWidth / m_sizeImage.cx, 1))
        return nullptr;
    images.SetBkColor(m_clrBtnFace);
    images.Add(&bmCopy, m_clrBtnFace);
    m_bDeleteImgList = TRUE;
    return images.Detach();
}
