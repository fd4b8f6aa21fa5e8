// How the framework tells the user about an exception that left a message handler
// or a document operation: a message box with the exception's text.
#pragma once

#include "framework/portable/Exceptions.h"

// Shows an exception's message; a CUserException (already told) is not shown.
void AfxReportException(const CException& e);
