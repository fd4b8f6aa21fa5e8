// Answers the modal windows (dialogs, message boxes) that code under test runs on
// this thread: a thread timer, which every modal loop dispatches, finds the enabled
// dialog-class window on top and hands it to the next step. A step posts its
// button presses, so the modal loop carries them out after the step returns. The
// next step waits until the window a step acted on is gone, disabled or covered.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class ModalSteps {
public:
    using Step = std::function<void(HWND)>;
    explicit ModalSteps(std::vector<Step> steps);
    ~ModalSteps();
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;

    size_t StepsDone() const { return m_next; }
    // Texts of the message boxes seen, in order.
    const std::vector<std::string>& MessageBoxTexts() const { return m_boxTexts; }
    // Captions of every modal window seen, in order.
    const std::vector<std::string>& Captions() const { return m_captions; }

    // Common steps.
    static Step Click(int nID);
    static Step SetText(int nID, const std::string& text);
    // Types the text character by character, as a user would.
    static Step Type(int nID, const std::string& text);
    static Step Then(Step first, Step second);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    static ModalSteps* s_active;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    HWND m_lastWindow = nullptr;
    int m_waitTicks = 0;
    std::vector<HWND> m_seen;
    std::vector<std::string> m_boxTexts;
    std::vector<std::string> m_captions;
};

// Text of a window, as the test reads it back.
std::string WindowText(HWND hWnd);
