// A dialog template built in memory (DLGTEMPLATE with DS_SETFONT, "MS Sans Serif"
// 8 points, sizes in dialog units), for tests that need a real dialog without a
// resource script: DialogBoxIndirectParam runs it with the system's own dialog code.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

class DialogTemplate {
public:
    static constexpr DWORD kModalStyle =
        DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

    DialogTemplate(const std::string& caption, short width, short height,
                   DWORD style = kModalStyle);

    // Controls in tab order. `id` -1 (0xFFFF in the template) is the label id.
    DialogTemplate& Label(int id, const std::string& text, short x, short y, short cx, short cy);
    DialogTemplate& Edit(int id, short x, short y, short cx, short cy,
                         DWORD style = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP);
    DialogTemplate& Button(int id, const std::string& text, short x, short y, short cx, short cy);
    DialogTemplate& DefaultButton(int id, const std::string& text, short x, short y, short cx,
                                  short cy);
    DialogTemplate& CheckBox(int id, const std::string& text, short x, short y, short cx,
                             short cy);
    // Any control, by window class name ("SysListView32", "ComboBox", ...).
    DialogTemplate& Control(const std::string& className, int id, const std::string& text,
                            DWORD style, short x, short y, short cx, short cy);

    // The template, valid until this object changes or goes away.
    const DLGTEMPLATE* Get() const;

    INT_PTR Run(HWND owner, DLGPROC procedure, LPARAM param = 0) const;
    HWND CreateModeless(HWND owner, DLGPROC procedure, LPARAM param = 0) const;

private:
    struct Item {
        WORD atom;              // predefined class, or 0 for a named class
        std::string className;  // when atom is 0
        int id;
        std::string text;
        DWORD style;
        short x, y, cx, cy;
    };
    DialogTemplate& Add(WORD atom, int id, const std::string& text, DWORD style, short x, short y,
                        short cx, short cy);

    std::string caption_;
    short width_, height_;
    DWORD style_;
    std::vector<Item> items_;
    mutable std::vector<WORD> buffer_;
};

}  // namespace harness
