// The Win32 help window: its controls from the help table, shown modally with a message loop of
// its own, placed centred on the main window the first time.
#include "win32/help_window.h"

#include "app/wide_text.h"
#include "win32/child_controls.h"
#include "win32/dpi_sizes.h"
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
        controls_[i] = make_child(window_, entry, entry.id == HelpControl::Done ? kDoneId : 0);
    }
}

void HelpWindow::lay_out(UINT dpi) {
    text_font_ = std::make_unique<Font>(window::kHelpFontPixels, false, dpi);
    heading_font_ = std::make_unique<Font>(window::kHelpFontPixels, true, dpi);
    pictures_ = std::make_unique<ButtonPictures>(dpi);
    const SIZE outer = outer_size(window_, scaled(window::kHelpClientWidth, dpi),
                                  scaled(window::kHelpClientHeight, dpi), dpi);
    ::SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < window::kHelpControlCount; ++i) {
        const window::HelpEntry& entry = window::kHelpControls[i];
        const HFONT font = entry.bold ? heading_font_->handle() : text_font_->handle();
        lay_out_child(controls_[i], entry.rect, dpi, font, pictures_->icon(entry.picture));
    }
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
