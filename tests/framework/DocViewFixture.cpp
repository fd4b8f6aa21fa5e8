#include "DocViewFixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>

DocViewTest::DocViewTest(CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

void DocViewTest::SetUp()
{
    g_handled.clear();
    m_pTemplate = new CSingleDocTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), m_pFrameClass, m_pViewClass);
    m_app.AddDocTemplate(m_pTemplate);
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    static int s_counter = 0;
    m_folder = std::string(temp) + "fwtest-" + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(++s_counter);
    CreateDirectoryA(m_folder.c_str(), nullptr);
}

void DocViewTest::TearDown()
{
    if (CTestDoc* pDoc = Doc()) pDoc->SetModifiedFlag(FALSE);
    if (m_app.m_pMainWnd != nullptr) m_app.m_pMainWnd->DestroyWindow();
    // The main window's end posts WM_QUIT; it must not end a later test's modal loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    WIN32_FIND_DATAA data;
    HANDLE hFind = FindFirstFileA((m_folder + "\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((m_folder + "\\" + data.cFileName).c_str());
        } while (FindNextFileA(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryA(m_folder.c_str());
}

CTestDoc* DocViewTest::Doc() const
{
    POSITION pos = m_pTemplate->GetFirstDocPosition();
    return pos != nullptr ? static_cast<CTestDoc*>(m_pTemplate->GetNextDoc(pos)) : nullptr;
}

CFrameWnd* DocViewTest::Frame() const
{
    return static_cast<CFrameWnd*>(m_app.m_pMainWnd);
}

CTestView* DocViewTest::View() const
{
    return Frame() != nullptr ? static_cast<CTestView*>(Frame()->GetActiveView()) : nullptr;
}

std::string DocViewTest::PathOf(const std::string& name) const
{
    return m_folder + "\\" + name;
}

void DocViewTest::WriteFile(const std::string& name, const std::string& bytes) const
{
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
}

std::string DocViewTest::ReadFile(const std::string& name) const
{
    std::ifstream in(PathOf(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string DocViewTest::Caption() const
{
    char text[256] = "";
    GetWindowTextA(Frame()->m_hWnd, text, sizeof(text));
    return text;
}
