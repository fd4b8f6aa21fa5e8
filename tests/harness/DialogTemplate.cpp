#include "harness/DialogTemplate.h"

namespace harness {

namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

void PutDword(std::vector<WORD>& out, DWORD value)
{
    out.push_back(LOWORD(value));
    out.push_back(HIWORD(value));
}

// Template strings are UTF-16 and NUL-terminated; the tests use ASCII texts.
void PutString(std::vector<WORD>& out, const std::string& text)
{
    for (unsigned char c : text)
        out.push_back(c);
    out.push_back(0);
}

void AlignToDword(std::vector<WORD>& out)
{
    if (out.size() % 2)
        out.push_back(0);
}

}  // namespace

DialogTemplate::DialogTemplate(const std::string& caption, short width, short height, DWORD style)
    : caption_(caption), width_(width), height_(height), style_(style | DS_SETFONT)
{
}

DialogTemplate& DialogTemplate::Add(WORD atom, int id, const std::string& text, DWORD style,
                                    short x, short y, short cx, short cy)
{
    items_.push_back(Item{atom, std::string(), id, text, style | WS_CHILD | WS_VISIBLE, x, y, cx, cy});
    return *this;
}

DialogTemplate& DialogTemplate::Label(int id, const std::string& text, short x, short y, short cx,
                                      short cy)
{
    return Add(kStaticAtom, id, text, SS_LEFT, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::Edit(int id, short x, short y, short cx, short cy, DWORD style)
{
    return Add(kEditAtom, id, "", style, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::Button(int id, const std::string& text, short x, short y,
                                       short cx, short cy)
{
    return Add(kButtonAtom, id, text, BS_PUSHBUTTON | WS_TABSTOP, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::DefaultButton(int id, const std::string& text, short x, short y,
                                              short cx, short cy)
{
    return Add(kButtonAtom, id, text, BS_DEFPUSHBUTTON | WS_TABSTOP, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::CheckBox(int id, const std::string& text, short x, short y,
                                         short cx, short cy)
{
    return Add(kButtonAtom, id, text, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, cx, cy);
}

DialogTemplate& DialogTemplate::Control(const std::string& className, int id,
                                        const std::string& text, DWORD style, short x, short y,
                                        short cx, short cy)
{
    Add(0, id, text, style, x, y, cx, cy);
    items_.back().className = className;
    return *this;
}

const DLGTEMPLATE* DialogTemplate::Get() const
{
    std::vector<WORD>& out = buffer_;
    out.clear();
    PutDword(out, style_);
    PutDword(out, 0);  // extended style
    out.push_back(static_cast<WORD>(items_.size()));
    out.push_back(0);  // x
    out.push_back(0);  // y
    out.push_back(static_cast<WORD>(width_));
    out.push_back(static_cast<WORD>(height_));
    out.push_back(0);  // no menu
    out.push_back(0);  // the dialog class
    PutString(out, caption_);
    out.push_back(8);  // point size, for DS_SETFONT
    PutString(out, "MS Sans Serif");
    for (const Item& item : items_) {
        AlignToDword(out);
        PutDword(out, item.style);
        PutDword(out, 0);
        out.push_back(static_cast<WORD>(item.x));
        out.push_back(static_cast<WORD>(item.y));
        out.push_back(static_cast<WORD>(item.cx));
        out.push_back(static_cast<WORD>(item.cy));
        out.push_back(static_cast<WORD>(item.id));
        if (item.atom) {
            out.push_back(0xFFFF);
            out.push_back(item.atom);
        } else {
            PutString(out, item.className);
        }
        PutString(out, item.text);
        out.push_back(0);  // no creation data
    }
    return reinterpret_cast<const DLGTEMPLATE*>(out.data());
}

INT_PTR DialogTemplate::Run(HWND owner, DLGPROC procedure, LPARAM param) const
{
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), Get(), owner, procedure, param);
}

HWND DialogTemplate::CreateModeless(HWND owner, DLGPROC procedure, LPARAM param) const
{
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), Get(), owner, procedure, param);
}

}  // namespace harness
