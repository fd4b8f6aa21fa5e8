#include "harness/MessageRecorder.h"

namespace harness {

namespace {

const char kClassName[] = "HarnessMessageRecorder";

void RegisterClassOnce(WNDPROC procedure)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
}

}  // namespace

MessageRecorder::MessageRecorder(DWORD style, int width, int height)
    : recorded_{WM_COMMAND,    WM_NOTIFY,     WM_PARENTNOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
                WM_DELETEITEM, WM_COMPAREITEM, WM_HSCROLL,     WM_VSCROLL}
{
    RegisterClassOnce(&WindowProc);
    window_ = CreateWindowExA(0, kClassName, "Message recorder", style, 0, 0, width, height,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

MessageRecorder::~MessageRecorder()
{
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void MessageRecorder::Record(std::initializer_list<UINT> messages)
{
    all_ = false;
    recorded_ = messages;
}

void MessageRecorder::RecordAll()
{
    all_ = true;
}

void MessageRecorder::IgnoreNotify(UINT code)
{
    ignoredCodes_.insert(code);
}

void MessageRecorder::AnswerNotify(UINT code, LRESULT result)
{
    answers_[code] = [result](NMHDR*) { return result; };
}

void MessageRecorder::AnswerNotify(UINT code, std::function<LRESULT(NMHDR*)> answer)
{
    answers_[code] = std::move(answer);
}

bool MessageRecorder::Wants(UINT message, LPARAM lParam) const
{
    if (!all_ && !recorded_.count(message))
        return false;
    return message != WM_NOTIFY || !lParam ||
           !ignoredCodes_.count(reinterpret_cast<NMHDR*>(lParam)->code);
}

LRESULT CALLBACK MessageRecorder::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MessageRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (self->Wants(message, lParam))
        self->messages_.push_back(harness::Record(message, wParam, lParam));
    if (message == WM_NOTIFY && lParam) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto answer = self->answers_.find(header->code);
        if (answer != self->answers_.end())
            return answer->second(header);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace harness
