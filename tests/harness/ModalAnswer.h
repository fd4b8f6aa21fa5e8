// One queued answer of a ModalDriver: which modal window it is for, and what to do
// with it. Built by chaining:
//
//     driver.ExpectDialog("Password Protection").Type(1003, "secret").Click(IDOK);
//
// The steps that return ModalAnswer& run at once, in order, while the window is
// open. The final steps (Click, Command, PressEnter, PressEscape, Close) are posted
// and act when the window's modal loop next runs, so nothing can follow them. An
// answer without a final step leaves the window open for the next answer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

class ModalAnswer {
public:
    enum class Kind { dialog, messageBox };

    ModalAnswer(Kind kind, const std::string& caption, const std::string& text, bool matchText);

    // WM_SETTEXT, regardless of the edit's limit.
    ModalAnswer& SetText(int id, const std::string& text);
    // Select all, Backspace, then WM_CHAR per character: limits apply as for a user.
    ModalAnswer& Type(int id, const std::string& text);
    // Clicks the check box unless it already has that state.
    ModalAnswer& Check(int id, bool checked = true);
    // Fails the test unless the control shows exactly this text.
    ModalAnswer& ExpectText(int id, const std::string& text);
    // Any check of the window (EXPECT_... inside works as in the test body).
    ModalAnswer& Call(std::function<void(HWND)> check);

    // Final steps.
    void Click(int buttonId);      // BM_CLICK on a shown, enabled button
    void Command(int id);          // WM_COMMAND BN_CLICKED, for ids without a button
    void PressEnter();             // VK_RETURN to the focus: the default button
    void PressEscape();            // VK_ESCAPE to the focus: IDCANCEL
    void Close();                  // WM_SYSCOMMAND SC_CLOSE: the close box

    // "dialog "Caption" then Type(1003, "secret"), Click(1)"
    std::string Describe() const;
    // Why this window is not the one expected; empty when it is.
    std::string Mismatch(HWND window) const;
    // Runs the steps on the window, reporting failures to the running test. Stops
    // at a step that could not be done (a missing control) and returns false.
    bool Apply(HWND window) const;

private:
    // Returns false when the step could not be done; it has reported why.
    using Step = std::function<bool(HWND, const std::string& where)>;
    ModalAnswer& Add(const std::string& description, Step step);

    Kind kind_;
    std::string caption_;  // dialog: the caption; message box: empty, or the caption
    std::string text_;     // message box: the text, when matchText_
    bool matchText_;
    std::vector<std::string> descriptions_;
    std::vector<Step> steps_;
};

}  // namespace harness
