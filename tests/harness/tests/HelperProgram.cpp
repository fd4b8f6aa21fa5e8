// A small windowed program for the end-to-end driver's tests: an edit, a button, a
// list view, a toolbar, and commands that show a message box, a dialog and the
// common save dialog. It ends with the number of list rows as its exit code.
#include "HelperIds.h"

#include "harness/DialogTemplate.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

HWND g_list;
bool g_refuseClose;

void AddRow(const std::string& name, const std::string& value)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(g_list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(name.c_str());
    int row = static_cast<int>(SendMessageA(g_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(value.c_str());
    SendMessageA(g_list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

std::string RowName(int row)
{
    char text[256] = "";
    LVITEMA item = {};
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(g_list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

void CreateList(HWND frame)
{
    g_list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT,
                             10, 80, 300, 150, frame, reinterpret_cast<HMENU>(kHelperList),
                             nullptr, nullptr);
    const char* headings[] = {"Name", "Value"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 120;
        column.pszText = const_cast<char*>(headings[i]);
        SendMessageA(g_list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    AddRow("alpha", "1");
    AddRow("beta", "2");
    AddRow("gamma", "3");
}

void CreateToolbar(HWND frame)
{
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT,
                                   0, 0, 0, 0, frame, reinterpret_cast<HMENU>(kHelperToolbar),
                                   nullptr, nullptr);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    TBBUTTON buttons[] = {
        {STD_FILEOPEN, kToolEnabled, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_FILESAVE, kToolDisabled, 0, BTNS_BUTTON, {}, 0, 0},
        {STD_PROPERTIES, kToolChecked, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, 0},
    };
    SendMessageA(toolbar, TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(buttons));
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

INT_PTR CALLBACK NameDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageA(dialog, kNameEdit, EM_LIMITTEXT, kHelperNameLimit, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            char name[64] = "";
            GetDlgItemTextA(dialog, kNameEdit, name, sizeof name);
            AddRow(name, IsDlgButtonChecked(dialog, kNameCheck) ? "checked" : "unchecked");
            EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    }
    return FALSE;
}

void AskName(HWND frame)
{
    harness::DialogTemplate dialog("Name", 180, 60);
    dialog.Label(-1, "Name", 7, 7, 40, 8)
        .Edit(kNameEdit, 7, 17, 110, 14)
        .CheckBox(kNameCheck, "Remember", 7, 38, 80, 10)
        .DefaultButton(IDOK, "OK", 125, 7, 50, 14)
        .Button(IDCANCEL, "Cancel", 125, 24, 50, 14);
    dialog.Run(frame, &NameDialog);
}

void SaveRows(HWND frame)
{
    char path[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = frame;
    ofn.lpstrFilter = "Text files (*.txt)\0*.txt\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.lpstrTitle = "Save Rows";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameA(&ofn))
        return;
    if (FILE* file = std::fopen(path, "wb")) {
        int rows = static_cast<int>(SendMessageA(g_list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row)
            std::fprintf(file, "%s\r\n", RowName(row).c_str());
        std::fclose(file);
        AddRow(path, "saved");
    }
}

void OnCommand(HWND frame, int id)
{
    switch (id) {
    case kHelperAdd: {
        char text[64] = "";
        GetDlgItemTextA(frame, kHelperEdit, text, sizeof text);
        AddRow(text, "typed");
        break;
    }
    case kAskCommand:
        AddRow(MessageBoxA(frame, "Add a row?", "Helper", MB_YESNO | MB_ICONQUESTION) == IDYES
                   ? "yes" : "no",
               "asked");
        break;
    case kNameCommand:
        AskName(frame);
        break;
    case kSaveCommand:
        SaveRows(frame);
        break;
    }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        CreateToolbar(frame);
        HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                    10, 40, 150, 22, frame, reinterpret_cast<HMENU>(kHelperEdit),
                                    nullptr, nullptr);
        SendMessageA(edit, EM_LIMITTEXT, kHelperEditLimit, 0);
        CreateWindowExA(0, "Button", "Add", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 170, 40, 60, 22,
                        frame, reinterpret_cast<HMENU>(kHelperAdd), nullptr, nullptr);
        char directory[MAX_PATH] = "";
        GetCurrentDirectoryA(sizeof directory, directory);
        CreateWindowExA(0, "Static", directory, WS_CHILD | WS_VISIBLE, 10, 240, 300, 20, frame,
                        reinterpret_cast<HMENU>(kHelperDirectory), nullptr, nullptr);
        CreateList(frame);
        return 0;
    }
    case WM_COMMAND:
        OnCommand(frame, LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        if (!g_refuseClose)
            DestroyWindow(frame);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(static_cast<int>(SendMessageA(g_list, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    return DefWindowProcA(frame, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    g_refuseClose = std::strstr(commandLine, kRefuseCloseOption) != nullptr;

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kHelperClass;
    RegisterClassA(&wc);
    std::string caption = std::string(kHelperCaptionPrefix) + commandLine;
    HWND frame = CreateWindowExA(0, kHelperClass, caption.c_str(), WS_OVERLAPPEDWINDOW, 50, 50,
                                 340, 320, nullptr, nullptr, instance, nullptr);
    ShowWindow(frame, show);
    UpdateWindow(frame);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
