// CVaultryView: the entries of the open database, one row per entry in list order,
// all four texts in clear. It carries Add Entry, Delete Entry (also the Delete
// key), AutoSize Headers, and editing an entry by double-clicking its row. Every
// update of the document rebuilds all rows; row i always stands for entry i. The
// rows are virtual: the control holds no copy of the texts, it asks the view.
// After a reload of the file the selected entry stays selected where it still is.
#pragma once

#include "views/MyListView.h"

class CVaultryDoc;

class CVaultryView : public CMyListView {
    DECLARE_DYNCREATE(CVaultryView)
public:
    CVaultryView();
    ~CVaultryView() override;

    CVaultryDoc* GetDocument() const;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    // Rebuilds all rows from the document; no row is selected afterwards.
    void FillList();
    // Supplies the texts of the row's entry and paints it.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Asks "Delete Entry?" and removes the selected entry on Yes; TRUE when removed.
    BOOL DeleteSelectedEntry();

    // The selected and focused row, or -1. Cleared whenever the rows are rebuilt.
    int m_nSelected;

protected:
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    afx_msg void OnDblclk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEntryAdd();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnOdfinditem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEntryDelete();
    afx_msg void OnUpdateEntryDelete(CCmdUI* pCmdUI);
    afx_msg void OnOptionsAutosize();

    DECLARE_MESSAGE_MAP()

private:
    BOOL HasEntry(int nIndex) const;

    // A press of the Delete key that reached the view itself: the accelerator did
    // not take it, so its release is what deletes.
    BOOL m_bDeleteKeyDown;
};
