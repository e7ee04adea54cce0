#include "win32/help_window.h"

#include "app/wide_text.h"
#include "win32/resource_ids.h"
#include "win32/window_class.h"
#include "window/placement.h"
#include "window/texts.h"

namespace quill::win32 {

namespace {

using window::HelpControl;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// A narrow title bar with a close button only.
constexpr DWORD kExtendedStyle = WS_EX_TOOLWINDOW;

// "Done" is the only control that takes the focus; Enter on it closes.
constexpr int kDoneId = IDOK;

DWORD style_of(const window::HelpEntry& entry) {
    if (entry.id == HelpControl::Done) return WS_TABSTOP | BS_DEFPUSHBUTTON;
    if (entry.id == HelpControl::Bevel) return SS_SUNKEN;
    return SS_NOPREFIX | (entry.wraps ? SS_LEFT : SS_LEFTNOWORDWRAP);
}

} // namespace

HelpWindow::HelpWindow(HWND owner) : owner_(owner) {
    window_ =
        ::CreateWindowExW(kExtendedStyle, window_class<HelpWindow>(L"QuillstromHelp"),
                          to_wide(window::kHelpCaption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 0, 0, owner, nullptr, ::GetModuleHandleW(nullptr), this);
    create_controls();
}

HelpWindow::~HelpWindow() {
    if (window_) ::DestroyWindow(window_);
}

// Done first and the bevel last: the order of creation is the tab order, and
// the bevel lies beneath the text.
void HelpWindow::create_controls() {
    for (std::size_t i = window::kHelpControlCount; i-- > 0;) {
        const window::HelpEntry& entry = window::kHelpControls[i];
        const bool button = entry.id == HelpControl::Done;
        controls_[i] = ::CreateWindowExW(
            0, button ? L"BUTTON" : L"STATIC", to_wide(entry.text).c_str(),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style_of(entry), 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(button ? kDoneId : 0)),
            ::GetModuleHandleW(nullptr), nullptr);
    }
}

void HelpWindow::lay_out(UINT dpi) {
    text_font_ = std::make_unique<Font>(window::kHelpFontPixels, false, dpi);
    heading_font_ = std::make_unique<Font>(window::kHelpFontPixels, true, dpi);
    tick_ = std::make_unique<Icon>(QUILL_ICON_TICK, 16, dpi);
    const SIZE outer = outer_size(window_, scaled(window::kHelpClientWidth, dpi),
                                  scaled(window::kHelpClientHeight, dpi), dpi);
    ::SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < window::kHelpControlCount; ++i) {
        const window::HelpEntry& entry = window::kHelpControls[i];
        ::MoveWindow(controls_[i], scaled(entry.rect.left, dpi), scaled(entry.rect.top, dpi),
                     scaled(entry.rect.width, dpi), scaled(entry.rect.height, dpi), FALSE);
        const HFONT font = entry.bold ? heading_font_->handle() : text_font_->handle();
        ::SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    const HWND done = controls_[static_cast<std::size_t>(HelpControl::Done)];
    ::SendMessageW(done, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(tick_->handle()));
}

window::Point HelpWindow::first_place() const {
    RECT main{};
    ::GetWindowRect(owner_, &main);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(owner_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    return window::centred_on({main.left, main.top, main.right - main.left, main.bottom - main.top},
                              {work.left, work.top, work.right - work.left, work.bottom - work.top},
                              outer.right - outer.left, outer.bottom - outer.top);
}

// The main window takes no input meanwhile; a quit asked for while the help
// window is open still ends the program's loop.
window::Point HelpWindow::show_modal(const std::optional<window::Point>& place) {
    lay_out(::GetDpiForWindow(owner_));
    const window::Point corner = place.value_or(first_place());
    ::SetWindowPos(window_, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::EnableWindow(owner_, FALSE);
    ::ShowWindow(window_, SW_SHOW);
    ::SetFocus(controls_[static_cast<std::size_t>(HelpControl::Done)]);
    open_ = true;
    MSG message{};
    while (open_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageW(window_, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    if (message.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(message.wParam));
    ::EnableWindow(owner_, TRUE);
    RECT left_at{};
    ::GetWindowRect(window_, &left_at);
    ::ShowWindow(window_, SW_HIDE);
    ::SetActiveWindow(owner_);
    return {left_at.left, left_at.top};
}

// Done and the close button close the window; Esc does nothing, for there
// is no cancel button.
LRESULT HelpWindow::handle_message(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(w) == kDoneId) open_ = false;
        return 0;
    case WM_CLOSE: open_ = false; return 0;
    case DM_GETDEFID: return MAKELRESULT(kDoneId, DC_HASDEFID);
    default: return ::DefWindowProcW(window, message, w, l);
    }
}

} // namespace quill::win32
