#include "harness/ModalAnswer.h"

#include "harness/ControlInput.h"
#include "harness/MessageBoxInfo.h"
#include "harness/WindowQueries.h"

#include <gtest/gtest.h>

namespace harness {

namespace {

const char kClosed[] = "; the window is closed with Cancel";

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string DescribeWindow(HWND window)
{
    if (IsMessageBox(window))
        return Describe(ReadMessageBox(window));
    return "dialog " + Quoted(WindowText(window));
}

std::string StepName(const char* name, int id)
{
    return std::string(name) + "(" + std::to_string(id) + ")";
}

std::string StepName(const char* name, int id, const std::string& text)
{
    return std::string(name) + "(" + std::to_string(id) + ", " + Quoted(text) + ")";
}

}  // namespace

ModalAnswer::ModalAnswer(Kind kind, const std::string& caption, const std::string& text,
                         bool matchText)
    : kind_(kind), caption_(caption), text_(text), matchText_(matchText)
{
}

ModalAnswer& ModalAnswer::Add(const std::string& description, Step step)
{
    descriptions_.push_back(description);
    steps_.push_back(std::move(step));
    return *this;
}

ModalAnswer& ModalAnswer::SetText(int id, const std::string& text)
{
    return Add(StepName("SetText", id, text), [id, text](HWND window, const std::string& where) {
        if (SetControlText(window, id, text))
            return true;
        ADD_FAILURE() << where << ": no usable control " << id << " to set text into" << kClosed;
        return false;
    });
}

ModalAnswer& ModalAnswer::Type(int id, const std::string& text)
{
    return Add(StepName("Type", id, text), [id, text](HWND window, const std::string& where) {
        if (TypeIntoControl(window, id, text))
            return true;
        ADD_FAILURE() << where << ": no usable control " << id << " to type into" << kClosed;
        return false;
    });
}

ModalAnswer& ModalAnswer::Check(int id, bool checked)
{
    return Add(StepName(checked ? "Check" : "Uncheck", id),
               [id, checked](HWND window, const std::string& where) {
                   if (SetCheck(window, id, checked))
                       return true;
                   ADD_FAILURE() << where << ": check box " << id << " could not be "
                                 << (checked ? "checked" : "unchecked") << kClosed;
                   return false;
               });
}

ModalAnswer& ModalAnswer::ExpectText(int id, const std::string& text)
{
    return Add(StepName("ExpectText", id, text), [id, text](HWND window, const std::string& where) {
        if (!GetDlgItem(window, id)) {
            ADD_FAILURE() << where << ": no control " << id << kClosed;
            return false;
        }
        EXPECT_EQ(ControlText(window, id), text) << where << ", control " << id;
        return true;
    });
}

ModalAnswer& ModalAnswer::Call(std::function<void(HWND)> check)
{
    return Add("Call(...)", [check](HWND window, const std::string&) {
        check(window);
        return true;
    });
}

void ModalAnswer::Click(int buttonId)
{
    Add(StepName("Click", buttonId), [buttonId](HWND window, const std::string& where) {
        if (PostClick(window, buttonId))
            return true;
        ADD_FAILURE() << where << ": no shown, enabled button " << buttonId << " to click"
                      << kClosed;
        return false;
    });
}

void ModalAnswer::Command(int id)
{
    Add(StepName("Command", id),
        [id](HWND window, const std::string&) {
            PostButtonCommand(window, id);
            return true;
        });
}

void ModalAnswer::PressEnter()
{
    Add("PressEnter()", [](HWND window, const std::string&) {
        PressKey(window, VK_RETURN);
        return true;
    });
}

void ModalAnswer::PressEscape()
{
    Add("PressEscape()", [](HWND window, const std::string&) {
        PressKey(window, VK_ESCAPE);
        return true;
    });
}

void ModalAnswer::Close()
{
    Add("Close()", [](HWND window, const std::string&) {
        PostClose(window);
        return true;
    });
}

std::string ModalAnswer::Describe() const
{
    std::string text;
    if (kind_ == Kind::dialog)
        text = "dialog " + Quoted(caption_);
    else
        text = matchText_ ? "message box " + Quoted(text_) : "any message box";
    for (size_t i = 0; i < descriptions_.size(); ++i)
        text += (i ? ", " : " then ") + descriptions_[i];
    return text;
}

std::string ModalAnswer::Mismatch(HWND window) const
{
    bool isBox = IsMessageBox(window);
    bool fits = kind_ == Kind::dialog
                    ? !isBox && WindowText(window) == caption_
                    : isBox && (!matchText_ || ReadMessageBox(window).text == text_);
    if (fits)
        return std::string();
    return "expected " + Describe() + ", but " + DescribeWindow(window) + " came";
}

bool ModalAnswer::Apply(HWND window) const
{
    const std::string where = DescribeWindow(window);
    for (const Step& step : steps_)
        if (!step(window, where))
            return false;
    return true;
}

}  // namespace harness
