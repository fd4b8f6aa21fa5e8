// CPasswordInput: the passwords one command needs, in the order it asks for them.
//
// Without --password-stdin each is read from the terminal without echo; a new
// password is asked twice there. With --password-stdin each is the next line of
// standard input (its CR LF or LF removed), asked once.
#pragma once

#include "cli/CliContext.h"

const int kMaxDatabasePasswordLength = 56;   // the program's password dialog takes no more

class CPasswordInput {
public:
    explicit CPasswordInput(CCliContext& context);

    // The password of an existing, locked database.
    CString ReadDatabasePassword(const CString& strPath);
    // A new password for a database: 1 to 56 characters.
    CString ReadNewDatabasePassword();
    // A password to store in an entry: any length, empty allowed.
    CString ReadEntryPassword();

private:
    CString ReadLine(LPCTSTR pszPrompt);
    CString ReadConfirmed(LPCTSTR pszPrompt, LPCTSTR pszAgainPrompt);

    CCliContext& m_context;
    BOOL m_bFromStdin;
};
