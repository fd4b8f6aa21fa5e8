// The single-document cycle on real windows: New creates the document, frame and
// view once and later New and Open reuse them; Open and Save go through
// Serialize; Save As asks for a name; the title and caption follow the path; the
// save-changes question before New and before closing; failed opens.
#include "DocViewFixture.h"
#include "harness/ModalDriver.h"

#include <shlobj.h>

TEST_F(DocViewTest, NewCreatesDocumentFrameAndViewOnce)
{
    m_app.OnFileNew();
    CTestDoc* pDoc = Doc();
    ASSERT_NE(pDoc, nullptr);
    ASSERT_NE(Frame(), nullptr);
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(View()->GetDocument(), pDoc);
    EXPECT_EQ(Frame()->GetActiveDocument(), pDoc);
    EXPECT_EQ(pDoc->GetDocTemplate(), m_pTemplate);
    EXPECT_EQ(View()->m_nInitialUpdates, 1);
    EXPECT_EQ(pDoc->m_nNewDocuments, 1);
    EXPECT_EQ(pDoc->GetTitle(), "Untitled");
    EXPECT_TRUE(pDoc->GetPathName().IsEmpty());
    EXPECT_EQ(Caption(), "Untitled - Framework Test");
    EXPECT_TRUE(Frame()->IsWindowVisible());

    CFrameWnd* pFrame = Frame();
    CTestView* pView = View();
    m_app.OnFileNew();
    EXPECT_EQ(Doc(), pDoc);
    EXPECT_EQ(Frame(), pFrame);
    EXPECT_EQ(View(), pView);
    EXPECT_EQ(pDoc->m_nNewDocuments, 2);
    EXPECT_EQ(pView->m_nInitialUpdates, 2);
}

TEST_F(DocViewTest, OpenReadsThroughSerializeAndTakesTheFileAsPathAndTitle)
{
    m_app.OnFileNew();
    WriteFile("Notes.tdc", "hello");
    Doc()->SetModifiedFlag(FALSE);
    CDocument* pDoc = m_app.OpenDocumentFile(PathOf("Notes.tdc").c_str());
    ASSERT_EQ(pDoc, Doc());
    EXPECT_EQ(Doc()->m_strText, "hello");
    EXPECT_EQ(Doc()->m_nLoads, 1);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(std::string(Doc()->GetPathName()), PathOf("Notes.tdc"));
    EXPECT_EQ(Doc()->GetTitle(), "Notes.tdc");
    EXPECT_EQ(Caption(), "Notes.tdc - Framework Test");
    EXPECT_EQ(View()->m_nInitialUpdates, 2);

    // The file already open is only shown again, not read again.
    EXPECT_EQ(m_app.OpenDocumentFile(PathOf("notes.TDC").c_str()), Doc());
    EXPECT_EQ(Doc()->m_nLoads, 1);
}

TEST_F(DocViewTest, EmptyFileOpensWithoutSerialize)
{
    m_app.OnFileNew();
    WriteFile("empty.tdc", "");
    ASSERT_NE(m_app.OpenDocumentFile(PathOf("empty.tdc").c_str()), nullptr);
    EXPECT_EQ(Doc()->m_nLoads, 0);
    EXPECT_EQ(Doc()->GetTitle(), "empty.tdc");
}

TEST_F(DocViewTest, ExceptionInSerializeIsReportedAndTheOpenFails)
{
    m_app.OnFileNew();
    WriteFile("bad.tdc", "x");
    Doc()->m_bThrowOnLoad = TRUE;
    harness::ModalDriver driver;
    driver.ExpectMessageBox("A hardware input/output error occurred: loading.").Click(IDOK);
    EXPECT_EQ(m_app.OpenDocumentFile(PathOf("bad.tdc").c_str()), nullptr);
    EXPECT_TRUE(driver.AllAnswered());
    // The failed load spoilt the document, which becomes a new one.
    EXPECT_EQ(Doc()->GetTitle(), "Untitled");
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    EXPECT_EQ(Doc()->m_nNewDocuments, 2);
}

TEST_F(DocViewTest, MissingFileIsReportedAndLeavesTheDocument)
{
    m_app.OnFileNew();
    WriteFile("kept.tdc", "kept");
    m_app.OpenDocumentFile(PathOf("kept.tdc").c_str());
    harness::ModalDriver driver;
    driver.ExpectMessageBox().Click(IDOK);
    EXPECT_EQ(m_app.OpenDocumentFile(PathOf("missing.tdc").c_str()), nullptr);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(Doc()->m_strText, "kept");
    EXPECT_EQ(Doc()->GetTitle(), "kept.tdc");
}

TEST_F(DocViewTest, SaveWritesThroughSerializeToThePathAndClearsModified)
{
    m_app.OnFileNew();
    WriteFile("save.tdc", "old");
    m_app.OpenDocumentFile(PathOf("save.tdc").c_str());
    Doc()->m_strText = "new text";
    Doc()->SetModifiedFlag();
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_EQ(ReadFile("save.tdc"), "new text");
    EXPECT_EQ(Doc()->m_nStores, 1);
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(DocViewTest, SaveOnAnyPathLeavesThePathName)
{
    m_app.OnFileNew();
    Doc()->m_strText = "elsewhere";
    EXPECT_TRUE(Doc()->OnSaveDocument(PathOf("other.tdc").c_str()));
    EXPECT_EQ(ReadFile("other.tdc"), "elsewhere");
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    EXPECT_EQ(Doc()->GetTitle(), "Untitled");
}

TEST_F(DocViewTest, SaveOfAnUntitledDocumentAndSaveAsAskForANameFirst)
{
    m_app.OnFileNew();
    Doc()->m_strText = "first";
    harness::ModalDriver driver;
    driver.ExpectDialog("Save As").SetText(1148, PathOf("named")).Click(IDOK);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    EXPECT_TRUE(driver.AllAnswered());
    // The template's extension was added to the name typed without one.
    EXPECT_EQ(ReadFile("named.tdc"), "first");
    EXPECT_EQ(std::string(Doc()->GetPathName()), PathOf("named.tdc"));
    EXPECT_EQ(Caption(), "named.tdc - Framework Test");

    Doc()->m_strText = "second";
    driver.ExpectDialog("Save As").SetText(1148, PathOf("copy.tdc")).Click(IDOK);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(ReadFile("copy.tdc"), "second");
    EXPECT_EQ(ReadFile("named.tdc"), "first");
    EXPECT_EQ(Doc()->GetTitle(), "copy.tdc");

    // Cancelled: nothing written, nothing changed.
    driver.ExpectDialog("Save As").Click(IDCANCEL);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(Doc()->GetTitle(), "copy.tdc");
}

TEST_F(DocViewTest, SetPathNameMakesAFullPathAndTheTitleFollows)
{
    m_app.OnFileNew();
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, cwd);
    SetCurrentDirectoryA(m_folder.c_str());
    Doc()->SetPathName("relative.tdc", FALSE);
    SetCurrentDirectoryA(cwd);
    EXPECT_EQ(std::string(Doc()->GetPathName()), PathOf("relative.tdc"));
    EXPECT_EQ(Doc()->GetTitle(), "relative.tdc");
    EXPECT_EQ(Caption(), "relative.tdc - Framework Test");
    Doc()->SetTitle("Other Title");
    EXPECT_EQ(Caption(), "Other Title - Framework Test");
}

TEST_F(DocViewTest, NewAsksToSaveAModifiedDocument)
{
    m_app.OnFileNew();
    WriteFile("ask.tdc", "original");
    m_app.OpenDocumentFile(PathOf("ask.tdc").c_str());
    Doc()->m_strText = "changed";
    Doc()->SetModifiedFlag();

    harness::ModalDriver driver;
    driver.ExpectMessageBox("Save changes to ask.tdc?").Click(IDCANCEL);
    m_app.OnFileNew();
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(Doc()->GetTitle(), "ask.tdc");   // cancelled: nothing happened
    EXPECT_TRUE(Doc()->IsModified());

    driver.ExpectMessageBox("Save changes to ask.tdc?").Click(IDYES);
    m_app.OnFileNew();
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_EQ(ReadFile("ask.tdc"), "changed");
    EXPECT_EQ(Doc()->GetTitle(), "Untitled");
    EXPECT_EQ(driver.MessageBoxes()[0].Style(), static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));

    Doc()->SetModifiedFlag();
    driver.ExpectMessageBox("Save changes to Untitled?").Click(IDNO);
    m_app.OnFileNew();
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(DocViewTest, UpdateAllViewsSkipsTheSender)
{
    m_app.OnFileNew();
    int nBefore = View()->m_nUpdates;
    Doc()->UpdateAllViews(nullptr, 42);
    EXPECT_EQ(View()->m_nUpdates, nBefore + 1);
    EXPECT_EQ(View()->m_lLastHint, 42);
    Doc()->UpdateAllViews(View());
    EXPECT_EQ(View()->m_nUpdates, nBefore + 1);
}

TEST_F(DocViewTest, ClosingTheMainWindowAsksToSaveThenEndsTheLoop)
{
    m_app.OnFileNew();
    Doc()->SetModifiedFlag();
    harness::ModalDriver driver;
    driver.ExpectMessageBox("Save changes to Untitled?").Click(IDCANCEL);
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_TRUE(driver.AllAnswered());
    ASSERT_NE(Frame(), nullptr);
    EXPECT_TRUE(IsWindow(Frame()->m_hWnd));

    HWND hFrame = Frame()->m_hWnd;
    driver.ExpectMessageBox("Save changes to Untitled?").Click(IDNO);
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_TRUE(driver.AllAnswered());
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(Doc(), nullptr);   // the document went with its last view
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Logging off asks as closing does; the session's end then closes without asking.
TEST_F(DocViewTest, SessionEndAsksToSaveThenEndsWithoutAnotherQuestion)
{
    m_app.OnFileNew();
    WriteFile("session.tdc", "old");
    const struct {
        bool bTitled;
        int nAnswer;
        LRESULT nMayEnd;
        const char* pszFile;
    } cases[] = {{true, IDCANCEL, FALSE, "old"},
                 {false, IDYES, FALSE, "old"},   // the Save As dialog is cancelled
                 {true, IDNO, TRUE, "old"},
                 {true, IDYES, TRUE, "changed"}};
    for (const auto& c : cases) {
        Doc()->SetModifiedFlag(FALSE);
        if (c.bTitled) m_app.OpenDocumentFile(PathOf("session.tdc").c_str());
        else m_app.OnFileNew();
        Doc()->m_strText = "changed";
        Doc()->SetModifiedFlag();
        harness::ModalDriver driver;
        driver.ExpectMessageBox().Click(c.nAnswer);
        if (!c.bTitled) driver.ExpectDialog("Save As").Click(IDCANCEL);
        EXPECT_EQ(Frame()->SendMessage(WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), c.nMayEnd);
        EXPECT_TRUE(driver.AllAnswered());
        EXPECT_EQ(ReadFile("session.tdc"), c.pszFile);
        EXPECT_EQ(Doc()->IsModified(), c.nAnswer != IDYES || !c.bTitled);
    }
    HWND hFrame = Frame()->m_hWnd;
    harness::ModalDriver driver;   // no answers: any question fails the test
    Frame()->SendMessage(WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IsWindow(hFrame));
    Doc()->SetModifiedFlag();
    Frame()->SendMessage(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_FALSE(IsWindow(hFrame));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_TRUE(driver.MessageBoxes().empty());
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(DocViewTest, DroppedFilesAreOpened)
{
    m_app.OnFileNew();
    WriteFile("dropped.tdc", "from the shell");
    std::string path = PathOf("dropped.tdc");
    // A DROPFILES block as the shell makes it: the header, then the names, ended twice.
    HGLOBAL hDrop = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
    DROPFILES* pDrop = static_cast<DROPFILES*>(GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(pDrop) + sizeof(DROPFILES), path.c_str(), path.size() + 1);
    GlobalUnlock(hDrop);
    Frame()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hDrop));
    EXPECT_EQ(Doc()->m_strText, "from the shell");
    EXPECT_EQ(Doc()->GetTitle(), "dropped.tdc");
}
