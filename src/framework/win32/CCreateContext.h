// CCreateContext: what a frame needs to create its view, handed from the document
// template through the frame's creation to the view's creation.
#pragma once

struct CRuntimeClass;
class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;  // the view to create
    CDocument* m_pCurrentDoc = nullptr;        // the document it shows
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
