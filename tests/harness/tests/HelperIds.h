// Window class, control ids and commands of the helper program that the end-to-end
// driver's tests start as a separate process.
#pragma once

constexpr char kHelperClass[] = "HarnessHelperFrame";
constexpr char kHelperCaptionPrefix[] = "Helper - ";
constexpr int kHelperEditLimit = 10;
constexpr int kHelperNameLimit = 8;

enum HelperId : int {
    kHelperEdit = 100,      // edit, limited to kHelperEditLimit characters
    kHelperAdd = 101,       // button: adds a row (edit text, "typed")
    kHelperList = 102,      // report list view: Name, Value; alpha 1, beta 2, gamma 3
    kHelperToolbar = 103,   // toolbar with the three tool buttons below
    kHelperDirectory = 104, // static: the working directory
    kToolEnabled = 201,
    kToolDisabled = 202,
    kToolChecked = 203,
    kAskCommand = 301,      // yes/no message box: adds a row ("yes"/"no", "asked")
    kNameCommand = 302,     // dialog "Name": adds a row (name, "checked"/"unchecked")
    kSaveCommand = 303,     // save dialog "Save Rows": writes the names, adds (path, "saved")
    kNameEdit = 1003,       // in dialog "Name", limited to kHelperNameLimit characters
    kNameCheck = 1010,
};

// "--refuse-close" on the command line: the helper ignores WM_CLOSE.
constexpr char kRefuseCloseOption[] = "--refuse-close";
// The helper's exit code is the number of rows it had.
