#include "cli/base/PasswordInput.h"

#include <istream>

#include "cli/base/EntryTexts.h"

namespace {

// One line of the stream, without LF or CR LF; FALSE when the stream ended first.
BOOL ReadStreamLine(std::istream& in, CString& strLine)
{
    strLine.Empty();
    int ch = in.get();
    if (ch == std::char_traits<char>::eof()) return FALSE;
    while (ch != std::char_traits<char>::eof() && ch != '\n') {
        strLine += static_cast<char>(ch);
        ch = in.get();
    }
    if (!strLine.IsEmpty() && strLine[strLine.GetLength() - 1] == '\r') strLine = strLine.Left(strLine.GetLength() - 1);
    return TRUE;
}

}  // namespace

CPasswordInput::CPasswordInput(CCliContext& context)
    : m_context(context),
      m_bFromStdin(context.args.Has("--password-stdin") && !context.terminal.StandardInputIsTerminal()),
      m_source(ChoosePasswordSource(context))
{}

CString CPasswordInput::ReadLine(LPCTSTR pszPrompt)
{
    CString strLine;
    if (m_bFromStdin) {
        if (!ReadStreamLine(m_context.in, strLine))
            throw CCliError(kExitUsage, "standard input ended before the password");
        return strLine;
    }
    switch (m_context.terminal.ReadHidden(pszPrompt, strLine)) {
    case TerminalRead::ok:
        return strLine;
    case TerminalRead::noTerminal:
        throw CCliError(kExitUsage, "no terminal to ask for the password on; use --password-stdin");
    case TerminalRead::ended:
        break;
    }
    throw CCliError(kExitUsage, "no password given");
}

CString CPasswordInput::ReadConfirmed(LPCTSTR pszPrompt, LPCTSTR pszAgainPrompt)
{
    CString strPassword = ReadLine(pszPrompt);
    if (!m_bFromStdin && ReadLine(pszAgainPrompt) != strPassword)
        throw CCliError(kExitUsage, "the two passwords do not match");
    return strPassword;
}

CString CPasswordInput::ToCodePage(const CString& strTyped) const
{
    return m_bFromStdin ? m_context.codec.FromStream(strTyped, "the password")
                        : m_context.codec.FromArgument(strTyped, "the password");
}

CString CPasswordInput::ReadDatabasePassword(const CString& strPath, CString& strTyped)
{
    m_bLastFromSource = m_source.kind != PasswordSourceKind::none;
    if (m_bLastFromSource) {
        strTyped = ReadFromPasswordSource(m_source);
        m_source.kind = PasswordSourceKind::none;  // it gives one password
    } else {
        strTyped = ReadLine("Password for " + strPath + ": ");
    }
    try {
        return m_bLastFromSource ? m_context.codec.FromStream(strTyped, "the password") : ToCodePage(strTyped);
    } catch (const CCliError&) {
        return strTyped;
    }
}

void CPasswordInput::ConfirmDatabasePassword(const CString& strPath, const CString& strTyped)
{
    if (m_bLastFromSource) return;
    if (ReadLine("Repeat the password (" + strPath + " holds no entries, so any password opens it): ") != strTyped)
        throw CCliError(kExitUsage, "the two passwords do not match; " + strPath +
                                        " holds no entries, so it cannot tell a wrong password; it was not changed");
}

CString CPasswordInput::ReadNewDatabasePassword()
{
    CString strPassword = ToCodePage(ReadConfirmed("New password: ", "Repeat the new password: "));
    // A key is used up to its first zero byte by the program, so one inside would
    // make a database the program cannot open.
    if (strPassword.IsEmpty() || strPassword.GetLength() > kMaxDatabasePasswordLength ||
        static_cast<int>(std::char_traits<char>::length(strPassword)) != strPassword.GetLength())
        throw CCliError(kExitUsage, "the password must be 1 to 56 characters of the database's code page (" +
                                        m_context.codec.GetCodePage().GetName() + ")");
    return strPassword;
}

CString CPasswordInput::ReadEntryPassword()
{
    CString strPassword = ToCodePage(ReadConfirmed("Password for the entry: ", "Repeat the entry's password: "));
    CheckEntryText("the password", strPassword);
    return strPassword;
}

CString CPasswordInput::ReadOtpSecret()
{
    const CString strTyped = ReadLine("One-time code URI (otpauth://totp/...) or Base32 secret: ");
    return m_bFromStdin ? m_context.codec.FromStream(strTyped, "--totp")
                        : m_context.codec.FromArgument(strTyped, "--totp");
}
