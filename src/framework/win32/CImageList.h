// CImageList: a common-controls image list, destroyed with the object unless it
// was detached.
#pragma once

#include "framework/win32/CDC.h"
#include "framework/win32/GdiObjects.h"

class CImageList {
public:
    CImageList() = default;
    virtual ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // From bitmap resource nBitmapID cut into images cx pixels wide; crMask is the
    // colour that becomes transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    // The colour drawn behind the images' transparent pixels; CLR_NONE draws none.
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL DeleteImageList();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    HIMAGELIST m_hImageList = nullptr;
};
