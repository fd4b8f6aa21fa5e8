// Basic Windows-style types for code that must also build without <windows.h>.
// On Windows the typedefs are identical to the SDK's, so both may be seen together.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
typedef unsigned long DWORD;
typedef long LONG;
#else
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
#endif
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int UINT;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef const char* LPCSTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// Zeroes memory in a way the optimiser may not remove: used for secrets before
// their memory is freed.
void SecureZero(void* p, std::size_t n);
