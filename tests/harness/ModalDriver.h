// Answers the dialogs and message boxes that the code under test runs modally on
// this thread, from a queue of answers the test set up before (ModalAnswer).
// A thread timer, which every modal loop dispatches, looks for the modal window on
// top: a shown, enabled dialog-class window of this thread that was not there when
// the driver was made. Each answer is used by one such window, in order; a window
// still open after its answer (a dialog that refused OK) takes the next answer.
// A window that does not fit the next answer, or comes when none is left, or whose
// answer cannot be carried out (a missing control), fails the test and is closed
// with Cancel, so a test never hangs in a modal loop.
//
// One driver per thread at a time.
#pragma once

#include "harness/MessageBoxInfo.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace harness {

// One queued answer of a ModalDriver: which modal window it is for, and what to do
// with it. Built by chaining:
//
//     driver.ExpectDialog("Password Protection").Type(1003, "secret").Click(IDOK);
//
// The steps that return ModalAnswer& run at once, in order, while the window is
// open. The final steps (Click, PressEnter, PressEscape) are posted and act
// when the window's modal loop next runs, so nothing can follow them. An answer
// without a final step leaves the window open for the next answer.
class ModalAnswer {
public:
    ModalAnswer(bool messageBox, const std::string& text, UINT style = 0)
        : messageBox_(messageBox), text_(text), style_(style)
    {}

    // As SetControlText, TypeIntoControl and SetCheck of ControlInput.h.
    ModalAnswer& SetText(int id, const std::string& text);
    ModalAnswer& Type(int id, const std::string& text);
    ModalAnswer& Check(int id, bool checked = true);
    // Fails the test unless the control shows exactly this text.
    ModalAnswer& ExpectText(int id, const std::string& text);
    // Any check of the window (EXPECT_... inside works as in the test body).
    ModalAnswer& Call(std::function<void(HWND)> check);

    // Final steps.
    void Click(int buttonId);  // BM_CLICK on a shown, enabled button
    void PressEnter();         // VK_RETURN to the focus: the default button
    void PressEscape();        // VK_ESCAPE to the focus: IDCANCEL

    // "dialog "Caption" then Type(1003, "secret"), Click(1)"
    std::string Describe() const;
    // Why this window is not the one expected; empty when it is.
    std::string Mismatch(HWND window) const;
    // Runs the steps on the window. At a step that cannot be done (a missing or
    // disabled control) it fails the running test and returns false.
    bool Apply(HWND window) const;

private:
    // A step returns false when it could not be done.
    ModalAnswer& Add(const std::string& description, std::function<bool(HWND)> step);

    bool messageBox_;
    std::string text_;
    UINT style_;
    std::vector<std::pair<std::string, std::function<bool(HWND)>>> steps_;
};

class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // A dialog (not a message box) with exactly this caption.
    ModalAnswer& ExpectDialog(const std::string& caption);
    // A message box with exactly this text (any text when empty) and, unless 0, these MB_ flags.
    ModalAnswer& ExpectMessageBox(const std::string& text = std::string(), UINT style = 0);

    // Every message box that came, answered or not, in order.
    const std::vector<MessageBoxInfo>& MessageBoxes() const { return boxes_; }

    // Success when every answer was used; else lists those left.
    ::testing::AssertionResult AllAnswered() const;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();
    HWND FindModalWindow() const;

    static ModalDriver* active_;

    UINT_PTR timer_ = 0;
    std::deque<ModalAnswer> answers_;  // a deque keeps references valid while it grows
    size_t next_ = 0;
    std::set<HWND> ignored_;       // there before the driver
    std::set<HWND> seen_;          // recorded already
    std::set<HWND> busy_;          // an answer is running on it
    std::map<HWND, int> closing_;  // rejected windows: how often Cancel was tried
    std::vector<MessageBoxInfo> boxes_;
};

}  // namespace harness
