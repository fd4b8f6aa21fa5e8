#include "DocViewFixture.h"

void DocViewTest::SetUp()
{
    g_handled.clear();
    m_app.AddDocTemplate(new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                                RUNTIME_CLASS(CTestView)));
    m_app.OnFileNew();
    ASSERT_NE(Doc(), nullptr);
}

void DocViewTest::TearDown()
{
    if (Doc() != nullptr) Doc()->SetModifiedFlag(FALSE);
    if (Frame() != nullptr) Frame()->DestroyWindow();
    // The main window's end posts WM_QUIT; it must not end a later test's modal loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}
