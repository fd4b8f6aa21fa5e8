// CPasswordInput: the passwords one command needs, in the order it asks for them.
//
// Without --password-stdin each is read from the terminal without echo; a new
// password is asked twice there. With --password-stdin each is the next line of
// standard input (its CR LF or LF removed), asked once; but when standard input
// is the terminal itself, it is asked on the terminal as without the option, so
// that it is not echoed.
//
// Passwords are keys in the database's code page, as the program makes them.
#pragma once

#include "cli/base/CliContext.h"
#include "cli/base/PasswordSource.h"

const int kMaxDatabasePasswordLength = 56;  // the program's password dialog takes no more

class CPasswordInput {
public:
    explicit CPasswordInput(CCliContext& context);

    // The password of an existing, locked database, in the code page. strTyped
    // gets it as it was typed: earlier versions of vaultry-cli made keys of
    // those bytes. A password the code page cannot hold comes back as typed.
    CString ReadDatabasePassword(const CString& strPath, CString& strTyped);
    // Asks for the password of a database with no entries once more: such a
    // database opens with any password, so only a second typing catches a typo
    // before a change locks it with the typo. Throws CCliError (kExitUsage) when
    // the two differ. A password that came from a source was not typed: it is
    // not asked for again.
    void ConfirmDatabasePassword(const CString& strPath, const CString& strTyped);
    // A new password for a database: 1 to 56 characters of the code page.
    CString ReadNewDatabasePassword();
    // A password to store in an entry: any length, empty allowed.
    CString ReadEntryPassword();
    // A one-time code URI or Base32 secret for an entry (add and edit --totp), in
    // the code page: read as a password is, once; never from the command line.
    CString ReadOtpSecret();
    // Whether passwords are typed at the terminal (not read from standard input).
    BOOL ReadsFromTerminal() const { return !m_bFromStdin; }

private:
    CString ReadLine(LPCTSTR pszPrompt);
    CString ReadConfirmed(LPCTSTR pszPrompt, LPCTSTR pszAgainPrompt);
    CString ToCodePage(const CString& strTyped) const;

    CCliContext& m_context;
    BOOL m_bFromStdin;
    PasswordSource m_source;
    BOOL m_bLastFromSource = FALSE;  // the last database password came from m_source
};
