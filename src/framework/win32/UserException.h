// CUserException: ends an operation that already told the user why (data exchange
// validation, for one); it is caught silently where it ends.
#pragma once

#include "framework/portable/Exceptions.h"

class CUserException : public CException {
public:
    CString GetErrorMessage() const override { return CString(); }
};

[[noreturn]] inline void AfxThrowUserException() { throw CUserException(); }
