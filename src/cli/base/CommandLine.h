// CCommandLine: the arguments of one subcommand, split into options and operands.
//
// Options start with "--" and may stand anywhere among the operands; some have
// a short name too ("-s"). One that takes a value has it as the next argument or
// after "=" ("--for X", "--for=X").
// "--" ends the options; everything after it, and a lone "-", is an operand.
// A wrong command line throws CCliError with kExitUsage.
#pragma once

#include "cli/base/CliError.h"
#include "framework/portable/CArray.h"

struct CliOption {
    LPCTSTR pszName;  // with its dashes: "--for"
    BOOL bTakesValue;
    LPCTSTR pszShort = nullptr;  // "-s"; Has and GetValue take the long name
};

class CCommandLine {
public:
    // Parses argv[0 .. argc-1] (the arguments after the subcommand's name). Only
    // the options listed are accepted; the number of operands must lie in
    // nMinOperands .. nMaxOperands.
    void Parse(int argc, const char* const argv[], const CliOption* pOptions, int nOptions, int nMinOperands,
               int nMaxOperands);

    int GetOperandCount() const { return m_operands.GetCount(); }
    const CString& GetOperand(int nIndex) const { return m_operands[nIndex]; }

    BOOL Has(LPCTSTR pszOption) const;
    // The value of the last occurrence; FALSE when the option was not given.
    BOOL GetValue(LPCTSTR pszOption, CString& strValue) const;
    // A decimal number nMin .. nMax, or nDefault when the option was not given.
    int GetNumber(LPCTSTR pszOption, int nDefault, int nMin, int nMax) const;

private:
    CArray<CString> m_operands;
    CArray<CString> m_names;   // options given, in order
    CArray<CString> m_values;  // their values ("" for options without one)
};

// Parses a decimal number without sign; FALSE for anything else or above nMax.
BOOL ParseDecimal(LPCTSTR psz, int nMax, int& nValue);
