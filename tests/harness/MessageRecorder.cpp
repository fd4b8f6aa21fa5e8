#include "harness/MessageRecorder.h"

namespace harness {

namespace {

const char kClassName[] = "VaultryTestMessageRecorder";

}  // namespace

MessageRecorder::MessageRecorder()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &MessageRecorder::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // fails harmlessly once it is registered
    window_ = CreateWindowExA(0, kClassName, "recorder", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                              nullptr, wc.hInstance, this);
}

MessageRecorder::~MessageRecorder() { DestroyWindow(window_); }

LRESULT CALLBACK MessageRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<MessageRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND) self->commands_.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace harness
