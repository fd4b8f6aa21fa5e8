// CVaultryView: the entries of the open database as rows of a report list.
#pragma once

#include "framework/win32/Afx.h"

class CVaultryDoc;

class CVaultryView : public CListView {
    DECLARE_DYNCREATE(CVaultryView)
public:
    CVaultryView();
    ~CVaultryView() override;

    CVaultryDoc* GetDocument() const;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    DECLARE_MESSAGE_MAP()
};
