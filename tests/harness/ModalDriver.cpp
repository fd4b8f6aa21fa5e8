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
    for (int id : {IDCANCEL, IDNO, IDABORT, IDOK})
        if (IsMessageBox(window) && PostClick(window, id)) return;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string DescribeWindow(HWND window)
{
    return IsMessageBox(window) ? Describe(ReadMessageBox(window)) : "dialog " + Quoted(WindowText(window));
}

std::string StepName(const char* name, int id, const std::string& text = std::string())
{
    return std::string(name) + "(" + std::to_string(id) + (text.empty() ? "" : ", " + Quoted(text)) + ")";
}

}  // namespace

ModalAnswer& ModalAnswer::Add(const std::string& description, std::function<bool(HWND)> step)
{
    steps_.emplace_back(description, std::move(step));
    return *this;
}

ModalAnswer& ModalAnswer::SetText(int id, const std::string& text)
{
    return Add(StepName("SetText", id, text), [=](HWND window) { return SetControlText(window, id, text); });
}

ModalAnswer& ModalAnswer::Type(int id, const std::string& text)
{
    return Add(StepName("Type", id, text), [=](HWND window) { return TypeIntoControl(window, id, text); });
}

ModalAnswer& ModalAnswer::Check(int id, bool checked)
{
    return Add(StepName(checked ? "Check" : "Uncheck", id), [=](HWND window) { return SetCheck(window, id, checked); });
}

ModalAnswer& ModalAnswer::ExpectText(int id, const std::string& text)
{
    return Add(StepName("ExpectText", id, text), [id, text](HWND window) {
        EXPECT_EQ(ControlText(window, id), text) << DescribeWindow(window) << ", control " << id;
        return GetDlgItem(window, id) != nullptr;
    });
}

ModalAnswer& ModalAnswer::Call(std::function<void(HWND)> check)
{
    return Add("Call(...)", [check](HWND window) {
        check(window);
        return true;
    });
}

void ModalAnswer::Click(int id)
{
    Add(StepName("Click", id), [id](HWND window) { return PostClick(window, id); });
}
void ModalAnswer::PressEnter()
{
    Add("PressEnter()", [](HWND window) { return PressKey(window, VK_RETURN), true; });
}
void ModalAnswer::PressEscape()
{
    Add("PressEscape()", [](HWND window) { return PressKey(window, VK_ESCAPE), true; });
}

std::string ModalAnswer::Describe() const
{
    std::string text = !messageBox_    ? "dialog " + Quoted(text_)
                       : text_.empty() ? "any message box"
                                       : "message box " + Quoted(text_);
    if (style_) text += " of style " + std::to_string(style_);
    for (size_t i = 0; i < steps_.size(); ++i) text += (i ? ", " : " then ") + steps_[i].first;
    return text;
}

std::string ModalAnswer::Mismatch(HWND window) const
{
    const bool isBox = IsMessageBox(window);
    const MessageBoxInfo box = isBox ? ReadMessageBox(window) : MessageBoxInfo();
    const bool fits = messageBox_ ? isBox && (text_.empty() || box.text == text_) && (!style_ || box.Style() == style_)
                                  : !isBox && WindowText(window) == text_;
    return fits ? std::string() : "expected " + Describe() + ", but " + DescribeWindow(window) + " came";
}

bool ModalAnswer::Apply(HWND window) const
{
    for (const auto& step : steps_) {
        if (!step.second(window)) {
            ADD_FAILURE() << DescribeWindow(window) << ": " << step.first
                          << " could not be done (no such control, or hidden or disabled);"
                             " the window is closed with Cancel";
            return false;
        }
    }
    return true;
}

ModalDriver* ModalDriver::active_ = nullptr;

ModalDriver::ModalDriver() : ignored_(WindowsOfThisThread())
{
    if (active_) ADD_FAILURE() << "a ModalDriver is already active on this thread";
    active_ = this;
    timer_ = SetTimer(nullptr, 0, kPollMs, &ModalDriver::OnTimer);
}

ModalDriver::~ModalDriver()
{
    KillTimer(nullptr, timer_);
    if (active_ == this) active_ = nullptr;
}

ModalAnswer& ModalDriver::ExpectDialog(const std::string& caption)
{
    answers_.emplace_back(false, caption);
    return answers_.back();
}

ModalAnswer& ModalDriver::ExpectMessageBox(const std::string& text, UINT style)
{
    answers_.emplace_back(true, text, style);
    return answers_.back();
}

::testing::AssertionResult ModalDriver::AllAnswered() const
{
    if (next_ == answers_.size()) return ::testing::AssertionSuccess();
    auto result = ::testing::AssertionFailure();
    result << (answers_.size() - next_) << " of " << answers_.size() << " answers never used:";
    for (size_t i = next_; i < answers_.size(); ++i) result << "\n  #" << (i + 1) << " " << answers_[i].Describe();
    return result;
}

void CALLBACK ModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (active_) active_->Poll();
}

void ModalDriver::Poll()
{
    // Handles of destroyed windows may come back for new ones.
    for (auto* windows : {&ignored_, &seen_})
        for (auto it = windows->begin(); it != windows->end();) it = IsWindow(*it) ? std::next(it) : windows->erase(it);
    for (auto it = closing_.begin(); it != closing_.end();)
        it = IsWindow(it->first) ? std::next(it) : closing_.erase(it);

    HWND window = FindModalWindow();
    if (!window) return;
    if (seen_.insert(window).second && IsMessageBox(window)) boxes_.push_back(ReadMessageBox(window));
    auto closing = closing_.find(window);
    if (closing != closing_.end()) {
        if (++closing->second < kCancelTries)
            Cancel(window);
        else
            EndDialog(window, IDCANCEL);
        return;
    }
    const std::string mismatch =
        next_ == answers_.size() ? "no answer left for this window" : answers_[next_].Mismatch(window);
    if (!mismatch.empty()) {
        ADD_FAILURE() << "Unexpected modal window: " << DescribeWindow(window) << "\n  answer #" << (next_ + 1) << ": "
                      << mismatch << "\n  It is closed with Cancel.";
    } else {
        // The steps may pump messages, and so this timer: the window is busy meanwhile.
        busy_.insert(window);
        const bool done = answers_[next_++].Apply(window);
        busy_.erase(window);
        if (done) return;
    }
    closing_[window] = 0;
    Cancel(window);
}

HWND ModalDriver::FindModalWindow() const
{
    HWND found = nullptr;
    for (HWND window : WindowsOfThisThread()) {
        if (ignored_.count(window) || busy_.count(window) || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
            !IsDialogClass(window))
            continue;
        if (window == GetActiveWindow()) return window;
        if (!found) found = window;
    }
    return found;
}

}  // namespace harness
