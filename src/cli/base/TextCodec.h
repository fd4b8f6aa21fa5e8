// CTextCodec: vaultry-cli's texts between the database's code page and the world
// outside: the command line and the terminal in one encoding, the standard
// streams in another. On POSIX both are the locale's (UTF-8 for the C locale);
// vaultry-cli.exe gets its command line and console input as Unicode (handed on
// as UTF-8) and uses the system's ANSI code page on its streams, as the program
// does in its files.
//
// Exported and imported text files are the code page's bytes and pass through
// unconverted; JSON and CSV are UTF-8.
#pragma once

#include <string>

#include "cli/base/CliError.h"
#include "cli/text/CodePage.h"

class CTextCodec {
public:
    // Throws CCliError (kExitUsage) when a name is no encoding this system knows,
    // or when strCodePage is not a single-byte code page. strPaths: see
    // CliEnvironment.
    void Open(const CString& strCodePage, const CString& strArguments, const CString& strStreams,
              const CString& strPaths);

    const CCodePage& GetCodePage() const { return m_codePage; }

    // A text from the command line or the terminal, or a line of standard input,
    // in the code page. Throws CCliError (kExitUsage) naming pszWhat when it is
    // not valid text, or holds a character the code page cannot hold.
    CString FromArgument(const CString& strText, LPCTSTR pszWhat) const { return Store(m_arguments, strText, pszWhat); }
    CString FromStream(const CString& strText, LPCTSTR pszWhat) const { return Store(m_streams, strText, pszWhat); }

    // A file name from the command line as the system's file functions take it.
    // Throws CCliError (kExitUsage) when they cannot take it.
    CString ToPath(const CString& strArgument) const;

    // A stored text as it is to show on a standard stream: "\xNN" for a byte that
    // the code page leaves undefined or that the stream's encoding cannot show.
    CString ToStream(const CString& strStored) const;

    // A stored text as UTF-8, exactly: a byte that the code page leaves undefined
    // becomes U+F700 plus the byte (a private-use character), so that FromUtf8
    // gives every text back as it was.
    std::string ToUtf8(const CString& strStored) const;
    // UTF-8 text in the code page. Throws CCliError (kExitUsage) naming pszWhat
    // when it is not valid UTF-8, or holds a character the code page cannot hold.
    CString FromUtf8(const std::string& text, LPCTSTR pszWhat) const;

private:
    CString Store(const CTextEncoding& from, const CString& strText, LPCTSTR pszWhat) const;

    CCodePage m_codePage;
    CTextEncoding m_arguments;
    CTextEncoding m_streams;
    CTextEncoding m_paths;  // not open: names are used as given
    CTextEncoding m_utf8;
    CString m_shown[256];          // each byte as ToStream shows it
    std::string m_utf8Bytes[256];  // and as ToUtf8 writes it
};
