// The Entry Properties dialog on its own: the password in clear, and what Save
// (by its mnemonic), Enter, Cancel, Escape and the close box give back.
#include "ProgramFixture.h"

#include "app/resource.h"
#include "harness/WindowQueries.h"
#include "views/EntryDlg.h"

namespace apptest {
namespace {

const int kEdits[] = {IDC_FOR, IDC_USERNAME, IDC_PASSWORD, IDC_NOTES};

std::vector<std::string> Texts(const CEntryDlg& dlg)
{
    return {dlg.m_strFor.GetString(), dlg.m_strUsername.GetString(), dlg.m_strPassword.GetString(),
            dlg.m_strNotes.GetString()};
}

using EntryDialog = ProgramFixture;

TEST_F(EntryDialog, OnlySaveAndEnterTakeTheTexts)
{
    const std::vector<std::string> original = {"bank", "joe", "s3cret", "pin 1234"};
    const std::vector<std::string> edited = {" bank ", "", "", ""};
    const struct {
        const char* how;
        int result;
    } cases[] = {{"Alt+S", IDOK}, {"Enter", IDOK}, {"Cancel", IDCANCEL}, {"Escape", IDCANCEL}, {"close box", IDCANCEL}};
    for (const auto& c : cases) {
        CEntryDlg dlg;
        dlg.m_strFor = "bank";
        dlg.m_strUsername = "joe";
        dlg.m_strPassword = "s3cret";
        dlg.m_strNotes = "pin 1234";
        harness::ModalDriver driver;
        harness::ModalAnswer& answer = driver.ExpectDialog("Entry Properties").Call([&](HWND hDlg) {
            EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_FOR));
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(harness::ControlText(hDlg, kEdits[i]), original[i]);
                EXPECT_EQ(harness::PasswordChar(hDlg, kEdits[i]), 0);
            }
        });
        for (int i = 0; i < 4; ++i) answer.Type(kEdits[i], edited[i]);
        const std::string how = c.how;
        if (how == "Alt+S")  // the mnemonic of Save; the answer then needs no final step
            answer.Call([](HWND) { PostMessageA(GetFocus(), WM_SYSCHAR, 's', 0x20000000); });
        if (how == "Enter") answer.PressEnter();
        if (how == "Cancel") answer.Click(IDCANCEL);
        if (how == "Escape") answer.PressEscape();
        if (how == "close box") answer.Close();
        EXPECT_EQ(dlg.DoModal(), c.result) << how;
        EXPECT_EQ(Texts(dlg), c.result == IDOK ? edited : original) << how;
    }
}

}  // namespace
}  // namespace apptest
