// Resource and command ids of the program. Read by the compiler and by windres.
// Laid out by hand as tables: the formatter leaves this file alone.
// clang-format off
#pragma once

#define IDD_ABOUTBOX            100
#define IDR_MAINFRAME           128
#define IDR_VTYTYPE             129
#define IDB_LISTIMAGES          130
#define IDD_ENTRY               131
#define IDD_UNLOCK              133
#define IDD_SET_PASSWORD        134

#define IDC_FOR                 1000
#define IDC_USERNAME            1002
#define IDC_PASSWORD            1003
#define IDC_CONFIRM             1004
#define IDC_NOTES               1004
#define IDC_DO_NOT_LOCK         1010

#define ID_ENTRY_ADD            32771
#define ID_ENTRY_DELETE         32772
#define ID_OPTIONS_AUTOSIZE     32773
#define ID_FILE_EXPORT          32775
#define ID_FILE_IMPORT          32776

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
