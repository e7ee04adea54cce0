// Driving the Win32 main window through window messages, answering its message boxes, and
// where the programs built with the tests lie.
#include <gtest/gtest.h>

#include "window_driver.h"

#include <shellapi.h>

#include "app/file_system.h"
#include "app/wide_text.h"

namespace quill::test {

namespace {

MessageBoxAnswers* g_answers = nullptr;

BOOL CALLBACK answer_box(HWND window, LPARAM) {
    wchar_t kind[16] = {};
    ::GetClassNameW(window, kind, 16);
    if (std::wstring(kind) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(window, 0xFFFF, text, 1024);
    g_answers->texts.push_back(to_utf8(text));
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK look_for_box(HWND, UINT, UINT_PTR, DWORD) {
    if (g_answers) ::EnumThreadWindows(::GetCurrentThreadId(), answer_box, 0);
}

void CALLBACK give_up(HWND, UINT, UINT_PTR, DWORD) { ::PostQuitMessage(99); }

} // namespace

MessageBoxAnswers::MessageBoxAnswers() : timer_(::SetTimer(nullptr, 0, 50, look_for_box)) {
    g_answers = this;
}

MessageBoxAnswers::~MessageBoxAnswers() {
    ::KillTimer(nullptr, timer_);
    g_answers = nullptr;
}

Deadline::Deadline(UINT milliseconds) : timer_(::SetTimer(nullptr, 0, milliseconds, give_up)) {}

Deadline::~Deadline() { ::KillTimer(nullptr, timer_); }

win32::MainWindow& WindowDriver::open(std::vector<std::string> parameters) {
    window_.reset();
    window_ = std::make_unique<win32::MainWindow>(std::move(parameters));
    window_->show();
    pump();
    return *window_;
}

HWND WindowDriver::control(window::Control control) const {
    return ::GetDlgItem(window_->handle(), win32::control_id(control));
}

void WindowDriver::type_folder(const std::string& text) const {
    ::SetWindowTextW(control(window::Control::SourceFolder), to_wide(text).c_str());
}

void WindowDriver::click(window::Control control) const {
    ::SendMessageW(this->control(control), BM_CLICK, 0, 0);
}

void WindowDriver::post_key(window::Control control, WPARAM key) const {
    ::PostMessageW(this->control(control), WM_KEYDOWN, key, 0);
}

void WindowDriver::pump() const {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

bool WindowDriver::checked(window::Control control) const {
    return ::SendMessageW(this->control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool WindowDriver::enabled(window::Control control) const {
    return ::IsWindowEnabled(this->control(control)) != FALSE;
}

bool WindowDriver::visible(window::Control control) const {
    return (::GetWindowLongPtrW(this->control(control), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<std::string> WindowDriver::progress_lines() const {
    const HWND list = control(window::Control::ProgressList);
    std::vector<std::string> lines;
    const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1,
                          L'\0');
        line.resize(static_cast<std::size_t>(
            ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()))));
        lines.push_back(to_utf8(line));
    }
    return lines;
}

RECT WindowDriver::outer_rect() const {
    RECT rect{};
    ::GetWindowRect(window_->handle(), &rect);
    return rect;
}

namespace {

std::string beside_the_tests(const wchar_t* program) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\'));
    folder.resize(folder.find_last_of(L'\\'));
    return to_utf8(folder + L"\\" + program);
}

} // namespace

std::string window_program() { return beside_the_tests(L"quillstrom.exe"); }

std::string tool_program() { return beside_the_tests(L"quillstrom-cli.exe"); }

} // namespace quill::test
