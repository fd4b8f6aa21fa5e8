// Run-time classes (kind tests, creation by class) and string resources (whole
// texts of any length, fields of a "\n"-separated string such as the document
// string).
#include <gtest/gtest.h>

#include "DocViewClasses.h"

TEST(RuntimeClass, KindFollowsTheBaseChainAndCreatableClassesCanBeCreated)
{
    CTestDoc doc;
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CTestDoc)));
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CDocument)));
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(doc.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_STREQ(doc.GetRuntimeClass()->m_lpszClassName, "CTestDoc");

    CObject* pObject = RUNTIME_CLASS(CBarsFrame)->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CBarsFrame));
    EXPECT_NE(DYNAMIC_DOWNCAST(CFrameWnd, pObject), nullptr);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CView, pObject), nullptr);
    delete pObject;
    // Declared dynamic only: known by kind, not creatable.
    EXPECT_EQ(RUNTIME_CLASS(CDocument)->CreateObject(), nullptr);
}

TEST(ResourceStrings, LoadsWholeTextsAndReportsMissingOnes)
{
    CString text;
    ASSERT_TRUE(AfxLoadString(IDS_LONG_TEXT, text));
    EXPECT_EQ(text.GetLength(), 13 + 80 * 4);
    EXPECT_EQ(text.Right(4), "079-");
    EXPECT_FALSE(AfxLoadString(12345, text));
    EXPECT_TRUE(text.IsEmpty());
}

TEST(ResourceStrings, FieldsOfASeparatedString)
{
    const char* full = "Title\n\nNEW\nFilter (*.x)\n.x";
    CString field;
    EXPECT_TRUE(AfxExtractSubString(field, full, 0));
    EXPECT_EQ(field, "Title");
    EXPECT_TRUE(AfxExtractSubString(field, full, 1));   // present, but empty
    EXPECT_TRUE(field.IsEmpty());
    EXPECT_TRUE(AfxExtractSubString(field, full, 4));
    EXPECT_EQ(field, ".x");
    EXPECT_FALSE(AfxExtractSubString(field, full, 5));
}

TEST(DocTemplate, DocumentStringFieldsByIndex)
{
    CSingleDocTemplate docTemplate(IDR_TESTFRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestFrame),
                                   RUNTIME_CLASS(CTestView));
    CString field;
    EXPECT_TRUE(docTemplate.GetDocString(field, CDocTemplate::windowTitle));
    EXPECT_EQ(field, "Framework Test");
    // An empty field counts as missing: untitled documents get the default name.
    EXPECT_FALSE(docTemplate.GetDocString(field, CDocTemplate::docName));
    EXPECT_TRUE(docTemplate.GetDocString(field, CDocTemplate::filterName));
    EXPECT_EQ(field, "Test Documents (*.tdc)");
    EXPECT_TRUE(docTemplate.GetDocString(field, CDocTemplate::regFileTypeName));
    EXPECT_EQ(field, "Framework Test Document");
}
