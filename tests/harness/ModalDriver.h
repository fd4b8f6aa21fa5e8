// Answers the dialogs and message boxes that the code under test runs modally on
// this thread, from a queue of answers the test set up before:
//
//     ModalDriver driver;
//     driver.ExpectDialog("Password Protection").Type(1003, "secret").Click(IDOK);
//     driver.ExpectMessageBox().Click(IDYES);
//     document.OnSaveDocument(path);           // runs both modal loops
//     EXPECT_EQ(driver.MessageBoxTexts(), (std::vector<std::string>{"Save?"}));
//     EXPECT_TRUE(driver.AllAnswered());
//
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
#include "harness/ModalAnswer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace harness {

class ModalDriver {
public:
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // A dialog (not a message box) with exactly this caption.
    ModalAnswer& ExpectDialog(const std::string& caption);
    // Any message box, or one with exactly this text.
    ModalAnswer& ExpectMessageBox();
    ModalAnswer& ExpectMessageBox(const std::string& text);

    // Leaves this window alone (a modeless dialog of the test itself).
    void Ignore(HWND window);

    // Every message box that came, answered or not, in order.
    const std::vector<MessageBoxInfo>& MessageBoxes() const { return boxes_; }
    std::vector<std::string> MessageBoxTexts() const;
    // The caption of every modal window that came, in order.
    const std::vector<std::string>& Captions() const { return captions_; }

    // Success when every answer was used; else lists those left.
    ::testing::AssertionResult AllAnswered() const;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();
    HWND FindModalWindow() const;
    void Record(HWND window);
    void Answer(HWND window);
    void Reject(HWND window, const std::string& why);
    void StartClosing(HWND window);
    void Forget(std::set<HWND>& windows);

    static ModalDriver* active_;

    UINT_PTR timer_ = 0;
    std::deque<ModalAnswer> answers_;  // a deque keeps references valid while it grows
    size_t next_ = 0;
    std::set<HWND> ignored_;   // there before the driver, or ignored on request
    std::set<HWND> seen_;      // recorded already
    std::set<HWND> busy_;      // an answer is running on it (its steps may pump messages)
    std::map<HWND, int> closing_;     // rejected windows: how often Cancel was tried
    std::map<HWND, int> answeredBy_;  // the last answer (1-based) given to a window
    std::vector<MessageBoxInfo> boxes_;
    std::vector<std::string> captions_;
};

}  // namespace harness
