#include "harness/ModalDriver.h"

#include "harness/ControlInput.h"
#include "harness/WindowQueries.h"

namespace harness {

namespace {

constexpr UINT kPollMs = 20;
// Cancel is posted on this many polls before the window is ended by force.
constexpr int kCancelTries = 5;

std::set<HWND> WindowsOfThisThread()
{
    std::set<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            reinterpret_cast<std::set<HWND>*>(param)->insert(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Closes a window with the least committing choice it offers.
void Cancel(HWND window)
{
    if (IsMessageBox(window)) {
        for (int id : {IDCANCEL, IDNO, IDABORT, IDOK})
            if (PostClick(window, id))
                return;
    }
    PostButtonCommand(window, IDCANCEL);
}

}  // namespace

ModalDriver* ModalDriver::active_ = nullptr;

ModalDriver::ModalDriver() : ignored_(WindowsOfThisThread())
{
    if (active_)
        ADD_FAILURE() << "a ModalDriver is already active on this thread";
    active_ = this;
    timer_ = SetTimer(nullptr, 0, kPollMs, &ModalDriver::OnTimer);
}

ModalDriver::~ModalDriver()
{
    KillTimer(nullptr, timer_);
    if (active_ == this)
        active_ = nullptr;
}

ModalAnswer& ModalDriver::ExpectDialog(const std::string& caption)
{
    answers_.emplace_back(ModalAnswer::Kind::dialog, caption, std::string(), false);
    return answers_.back();
}

ModalAnswer& ModalDriver::ExpectMessageBox()
{
    answers_.emplace_back(ModalAnswer::Kind::messageBox, std::string(), std::string(), false);
    return answers_.back();
}

ModalAnswer& ModalDriver::ExpectMessageBox(const std::string& text)
{
    answers_.emplace_back(ModalAnswer::Kind::messageBox, std::string(), text, true);
    return answers_.back();
}

void ModalDriver::Ignore(HWND window)
{
    ignored_.insert(window);
}

std::vector<std::string> ModalDriver::MessageBoxTexts() const
{
    std::vector<std::string> texts;
    for (const MessageBoxInfo& box : boxes_)
        texts.push_back(box.text);
    return texts;
}

::testing::AssertionResult ModalDriver::AllAnswered() const
{
    if (next_ == answers_.size())
        return ::testing::AssertionSuccess();
    auto result = ::testing::AssertionFailure();
    result << (answers_.size() - next_) << " of " << answers_.size() << " answers never used:";
    for (size_t i = next_; i < answers_.size(); ++i)
        result << "\n  #" << (i + 1) << " " << answers_[i].Describe();
    return result;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (active_)
        active_->Poll();
}

void ModalDriver::Forget(std::set<HWND>& windows)
{
    for (auto it = windows.begin(); it != windows.end();)
        it = IsWindow(*it) ? std::next(it) : windows.erase(it);
}

void ModalDriver::Poll()
{
    // Window handles of destroyed windows may come back for new ones.
    Forget(ignored_);
    Forget(seen_);
    for (auto* byWindow : {&closing_, &answeredBy_})
        for (auto it = byWindow->begin(); it != byWindow->end();)
            it = IsWindow(it->first) ? std::next(it) : byWindow->erase(it);

    HWND window = FindModalWindow();
    if (!window)
        return;
    Record(window);

    auto closing = closing_.find(window);
    if (closing != closing_.end()) {
        if (++closing->second < kCancelTries)
            Cancel(window);
        else
            EndDialog(window, IDCANCEL);
        return;
    }
    Answer(window);
}

HWND ModalDriver::FindModalWindow() const
{
    HWND found = nullptr;
    for (HWND window : WindowsOfThisThread()) {
        if (ignored_.count(window) || busy_.count(window) || !IsWindowVisible(window) ||
            !IsWindowEnabled(window) || !IsDialogClass(window))
            continue;
        if (window == GetActiveWindow())
            return window;
        if (!found)
            found = window;
    }
    return found;
}

void ModalDriver::Record(HWND window)
{
    if (!seen_.insert(window).second)
        return;
    if (IsMessageBox(window)) {
        boxes_.push_back(ReadMessageBox(window));
        captions_.push_back(boxes_.back().caption);
    } else {
        captions_.push_back(WindowText(window));
    }
}

void ModalDriver::Answer(HWND window)
{
    std::string stillOpen;
    auto previous = answeredBy_.find(window);
    if (previous != answeredBy_.end())
        stillOpen = " (still open after answer #" + std::to_string(previous->second) + ")";

    if (next_ == answers_.size()) {
        Reject(window, "no answer left for this window" + stillOpen);
        return;
    }
    const ModalAnswer& answer = answers_[next_];
    std::string mismatch = answer.Mismatch(window);
    if (!mismatch.empty()) {
        Reject(window, "answer #" + std::to_string(next_ + 1) + " " + mismatch + stillOpen);
        return;
    }
    answeredBy_[window] = static_cast<int>(++next_);
    busy_.insert(window);
    bool done = answer.Apply(window);
    busy_.erase(window);
    if (!done)
        StartClosing(window);
}

void ModalDriver::Reject(HWND window, const std::string& why)
{
    std::string what = IsMessageBox(window) ? Describe(ReadMessageBox(window))
                                            : "dialog \"" + WindowText(window) + "\"";
    ADD_FAILURE() << "Unexpected modal window: " << what << "\n  " << why
                  << "\n  It is closed with Cancel.";
    StartClosing(window);
}

void ModalDriver::StartClosing(HWND window)
{
    closing_[window] = 0;
    Cancel(window);
}

}  // namespace harness
