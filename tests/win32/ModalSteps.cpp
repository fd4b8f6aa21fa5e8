#include "ModalSteps.h"

#include <algorithm>

ModalSteps* ModalSteps::s_active = nullptr;

std::string WindowText(HWND hWnd)
{
    char text[1024] = "";
    GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

ModalSteps::ModalSteps(std::vector<Step> steps) : m_steps(std::move(steps))
{
    s_active = this;
    m_timer = SetTimer(nullptr, 0, 20, OnTimer);
}

ModalSteps::~ModalSteps()
{
    KillTimer(nullptr, m_timer);
    s_active = nullptr;
}

void CALLBACK ModalSteps::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_active != nullptr) s_active->Poll();
}

namespace {

struct FindState {
    HWND found = nullptr;
};

BOOL CALLBACK FindModal(HWND hWnd, LPARAM lParam)
{
    char cls[64] = "";
    GetClassNameA(hWnd, cls, sizeof(cls));
    if (std::string(cls) == "#32770" && IsWindowVisible(hWnd) && IsWindowEnabled(hWnd)) {
        reinterpret_cast<FindState*>(lParam)->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void ModalSteps::Poll()
{
    FindState state;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&state));
    HWND hWnd = state.found;
    if (hWnd == nullptr) return;
    if (std::find(m_seen.begin(), m_seen.end(), hWnd) == m_seen.end()) {
        m_seen.push_back(hWnd);
        m_captions.push_back(WindowText(hWnd));
        if (HWND hText = GetDlgItem(hWnd, 0xFFFF)) m_boxTexts.push_back(WindowText(hText));
    }
    // Give the last step's posted input time to act before acting on the same window again.
    if (hWnd == m_lastWindow && ++m_waitTicks < 10) return;
    if (m_next >= m_steps.size()) return;
    m_lastWindow = hWnd;
    m_waitTicks = 0;
    Step step = m_steps[m_next++];
    step(hWnd);
}

ModalSteps::Step ModalSteps::Click(int nID)
{
    return [nID](HWND hWnd) {
        PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hWnd, nID)));
    };
}

ModalSteps::Step ModalSteps::SetText(int nID, const std::string& text)
{
    return [nID, text](HWND hWnd) { SetDlgItemTextA(hWnd, nID, text.c_str()); };
}

ModalSteps::Step ModalSteps::Type(int nID, const std::string& text)
{
    return [nID, text](HWND hWnd) {
        HWND hEdit = GetDlgItem(hWnd, nID);
        for (char ch : text) SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(ch), 1);
    };
}

ModalSteps::Step ModalSteps::Then(Step first, Step second)
{
    return [first, second](HWND hWnd) {
        first(hWnd);
        second(hWnd);
    };
}
