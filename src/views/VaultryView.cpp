#include "views/VaultryView.h"

#include "app/resource.h"
#include "database/document/VaultryDoc.h"
#include "views/ColumnTable.h"
#include "views/EntryDlg.h"

namespace {

const char kNoEntrySelected[] = "No entry selected.";
const char kDeleteQuestion[] = "Delete Entry?\n\n";

// The text of an entry that a column shows.
const CString& ColumnText(const CEntry& entry, int nColumn)
{
    switch (nColumn) {
    case 0:
        return entry.m_strFor;
    case 1:
        return entry.m_strUsername;
    case 2:
        return entry.m_strPassword;
    default:
        return entry.m_strNotes;
    }
}

// Where the entry at nShown of shown stands in entries: the same occurrence of an
// equal entry, else its last one; -1 when none is left.
int FindSameEntry(const CEntryList& shown, int nShown, const CEntryList& entries)
{
    const CEntry& entry = shown.ElementAt(nShown);
    int nBefore = 0;
    for (int i = 0; i < nShown; ++i) nBefore += shown.ElementAt(i) == entry;
    int nFound = -1;
    for (int i = 0; i < entries.GetCount() && nBefore >= 0; ++i) {
        if (entries.ElementAt(i) != entry) continue;
        nFound = i;
        --nBefore;
    }
    return nFound;
}

void SetTexts(CEntry& entry, const CEntryDlg& dlg)
{
    entry.m_strFor = dlg.m_strFor;
    entry.m_strUsername = dlg.m_strUsername;
    entry.m_strPassword = dlg.m_strPassword;
    entry.m_strNotes = dlg.m_strNotes;
}

}  // namespace

IMPLEMENT_DYNCREATE(CVaultryView, CMyListView)

BEGIN_MESSAGE_MAP(CVaultryView, CMyListView)
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CVaultryView::OnDblclk)
    ON_COMMAND(ID_ENTRY_ADD, &CVaultryView::OnEntryAdd)
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CVaultryView::OnItemchanged)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, &CVaultryView::OnGetdispinfo)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMA, &CVaultryView::OnOdfinditem)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, &CVaultryView::OnOdfinditem)
    ON_COMMAND(ID_ENTRY_DELETE, &CVaultryView::OnEntryDelete)
    ON_UPDATE_COMMAND_UI(ID_ENTRY_DELETE, &CVaultryView::OnUpdateEntryDelete)
    ON_WM_DRAWITEM_REFLECT()
    ON_COMMAND(ID_OPTIONS_AUTOSIZE, &CVaultryView::OnOptionsAutosize)
END_MESSAGE_MAP()

CVaultryView::CVaultryView() : m_nSelected(-1), m_bDeleteKeyDown(FALSE) {}

CVaultryView::~CVaultryView() = default;

CVaultryDoc* CVaultryView::GetDocument() const { return static_cast<CVaultryDoc*>(m_pDocument); }

BOOL CVaultryView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= LVS_OWNERDATA;
    return CMyListView::PreCreateWindow(cs);
}

void CVaultryView::OnInitialUpdate()
{
    CMyListView::OnInitialUpdate();
    m_nSelected = -1;
}

void CVaultryView::OnUpdate(CView*, LPARAM lHint, CObject* pHint)
{
    const int nSelected = m_nSelected;
    FillList();
    if (lHint != CVaultryDoc::kHintReloaded || nSelected < 0) return;
    // Another program's save was loaded: the entry selected stays selected where it still is.
    const CEntryList& shown = static_cast<const CReloadHint*>(pHint)->m_shown;
    if (nSelected >= shown.GetCount()) return;
    const int nItem = FindSameEntry(shown, nSelected, GetDocument()->m_EntryList);
    if (nItem < 0) return;
    const UINT nBoth = LVIS_SELECTED | LVIS_FOCUSED;
    CListCtrl& list = GetListCtrl();
    list.SetItemState(nItem, nBoth, nBoth);
    list.EnsureVisible(nItem, FALSE);
}

BOOL CVaultryView::HasEntry(int nIndex) const { return nIndex >= 0 && nIndex < GetDocument()->m_EntryList.GetCount(); }

void CVaultryView::FillList()
{
    // The rows are virtual (LVS_OWNERDATA): the control keeps only their number
    // and states, asks for a row's texts when someone reads them (OnGetdispinfo),
    // and painting reads the document. A rebuild costs the same for 65,535 entries
    // as for three, and the list is painted once, afterwards.
    CListCtrl& list = GetListCtrl();
    list.DeleteAllItems();
    // The control need not report the selection that went with the old rows.
    m_nSelected = -1;
    list.SetItemCount(GetDocument()->m_EntryList.GetCount());
    Invalidate();
}

void CVaultryView::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
    if (!HasEntry(nItem)) return;
    const CEntry& entry = GetDocument()->m_EntryList.ElementAt(nItem);
    CStringRow row;
    for (int i = 0; i < kColumnCount; ++i) row.Add(ColumnText(entry, i));
    SetRowText(row);
    CMyListView::DrawItem(lpDrawItemStruct);
}

void CVaultryView::OnItemchanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pNMLV = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    const UINT nBoth = LVIS_FOCUSED | LVIS_SELECTED;
    m_nSelected = (pNMLV->uNewState & nBoth) == nBoth ? pNMLV->iItem : -1;
    *pResult = 0;
}

// Row i shows entry i: its four texts in column order, and image 0.
void CVaultryView::OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if (HasEntry(item.iItem)) {
        if ((item.mask & LVIF_TEXT) && item.pszText != nullptr && item.cchTextMax > 0)
            lstrcpynA(item.pszText, ColumnText(GetDocument()->m_EntryList.ElementAt(item.iItem), item.iSubItem),
                      item.cchTextMax);
        if (item.mask & LVIF_IMAGE) item.iImage = 0;
    }
    *pResult = 0;
}

// Typing the first letters of a For text selects its row, as in a list that holds
// its texts: the control asks for the next row, from iStart on, whose For text
// begins with (or, without LVFI_PARTIAL, is) the typed text, ignoring case. Rows
// carry no item data, so finds by data or position (which leave psz unset) find
// nothing.
void CVaultryView::OnOdfinditem(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = -1;
    // Wine asks in UTF-16 even an ANSI window; the two forms differ only in psz.
    const NMLVFINDITEMA* pFind = reinterpret_cast<const NMLVFINDITEMA*>(pNMHDR);
    if (!(pFind->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL))) return;
    CString strTyped;
    if (pNMHDR->code == LVN_ODFINDITEMW) {
        const LPCWSTR pszWide = reinterpret_cast<const NMLVFINDITEMW*>(pNMHDR)->lvfi.psz;
        if (pszWide == nullptr) return;
        const int nSize = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);
        if (nSize <= 1) return;
        ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, strTyped.GetBuffer(nSize), nSize, nullptr, nullptr);
        strTyped.ReleaseBuffer();
    } else {
        if (pFind->lvfi.psz == nullptr) return;
        strTyped = pFind->lvfi.psz;
    }

    const CEntryList& entries = GetDocument()->m_EntryList;
    const int nCount = entries.GetCount();
    const BOOL bPrefix = (pFind->lvfi.flags & LVFI_PARTIAL) != 0;
    const int nStart = HasEntry(pFind->iStart) ? pFind->iStart : 0;
    const int nEnd = (pFind->lvfi.flags & LVFI_WRAP) ? nStart + nCount : nCount;
    for (int n = nStart; n < nEnd; ++n) {
        const CString& strFor = entries.ElementAt(n % nCount).m_strFor;
        if ((bPrefix ? strFor.Left(strTyped.GetLength()) : strFor).CompareNoCase(strTyped) == 0) {
            *pResult = n % nCount;
            return;
        }
    }
}

void CVaultryView::OnEntryAdd()
{
    CEntryDlg dlg;
    if (dlg.DoModal() != IDOK) return;
    CEntry entry;
    SetTexts(entry, dlg);
    CVaultryDoc* pDoc = GetDocument();
    const int nItem = pDoc->m_EntryList.Add(entry);
    pDoc->UpdateAllViews(nullptr, 0, nullptr);

    CListCtrl& list = GetListCtrl();
    const UINT nBoth = LVIS_SELECTED | LVIS_FOCUSED;
    list.SetItemState(nItem, nBoth, nBoth);
    list.EnsureVisible(nItem, FALSE);
    pDoc->SetModifiedFlag(TRUE);
}

void CVaultryView::OnDblclk(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int nItem = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (!HasEntry(nItem)) return;

    CVaultryDoc* pDoc = GetDocument();
    CEntry entry = pDoc->m_EntryList.GetAt(nItem);
    CEntryDlg dlg;
    dlg.m_strFor = entry.m_strFor;
    dlg.m_strUsername = entry.m_strUsername;
    dlg.m_strPassword = entry.m_strPassword;
    dlg.m_strNotes = entry.m_strNotes;
    if (dlg.DoModal() != IDOK) return;

    SetTexts(entry, dlg);
    pDoc->m_EntryList.SetAt(nItem, entry);
    // The row keeps its place and its selection, and shows the new texts at once.
    GetListCtrl().Update(nItem);
    pDoc->SetModifiedFlag(TRUE);
}

BOOL CVaultryView::DeleteSelectedEntry()
{
    // An index from before the last rebuild names no entry any more.
    if (!HasEntry(m_nSelected)) {
        AfxMessageBox(kNoEntrySelected, MB_ICONINFORMATION);
        return FALSE;
    }
    CVaultryDoc* pDoc = GetDocument();
    const CString strQuestion = kDeleteQuestion + pDoc->m_EntryList.ElementAt(m_nSelected).m_strFor;
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES) return FALSE;
    pDoc->m_EntryList.RemoveAt(m_nSelected);
    pDoc->UpdateAllViews(nullptr, 0, nullptr);
    return TRUE;
}

void CVaultryView::OnEntryDelete()
{
    if (DeleteSelectedEntry()) GetDocument()->SetModifiedFlag(TRUE);
}

void CVaultryView::OnUpdateEntryDelete(CCmdUI* pCmdUI) { pCmdUI->Enable(HasEntry(m_nSelected)); }

// The accelerator table binds the Delete key to Delete Entry when it is pressed;
// such a press never reaches the view. The release comes here all the same (in the
// question's own message loop, too), and must not ask a second time: it deletes
// only after a press that the view itself received.
void CVaultryView::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_DELETE) m_bDeleteKeyDown = TRUE;
    Default();
}

void CVaultryView::OnKeyUp(UINT nChar, UINT, UINT)
{
    if (nChar == VK_DELETE) {
        const BOOL bPressedHere = m_bDeleteKeyDown;
        m_bDeleteKeyDown = FALSE;
        if (bPressedHere && HasEntry(m_nSelected) && DeleteSelectedEntry()) GetDocument()->SetModifiedFlag(TRUE);
    }
    Default();
}

void CVaultryView::OnSize(UINT nType, int cx, int cy) { CMyListView::OnSize(nType, cx, cy); }

void CVaultryView::OnOptionsAutosize() { AutoSizeColumns(); }
