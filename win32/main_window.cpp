// The Win32 main window: its controls from the control table at the monitor's dpi, the model's
// state drawn on them, their messages and keys handed to the model.
#include "win32/main_window.h"

#include <commctrl.h>

#include <algorithm>

#include "app/wide_text.h"
#include "win32/child_controls.h"
#include "win32/dialogs.h"
#include "win32/dpi_sizes.h"
#include "win32/resource_ids.h"
#include "win32/window_class.h"
#include "window/placement.h"
#include "window/texts.h"

namespace quill::win32 {

namespace {

using window::Control;
using window::ControlEntry;
using window::ControlKind;

// A fixed border: the system menu and close only. The window paints the
// inside of the group boxes, which paint only their frames.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr int kFirstControlId = 100;
constexpr UINT_PTR kAutoStartTimer = 1;

// The controls that take the focus first, in tab order, then the others, the
// groups last: the order of creation is the tab order, and the later a
// control is made, the deeper it lies, so the groups lie beneath their boxes
// and headings.
std::vector<Control> creation_order() {
    std::vector<Control> order(window::kTabOrder.begin(), window::kTabOrder.end());
    const auto add_others = [&order](bool groups) {
        for (const ControlEntry& entry : window::kMainControls) {
            const bool listed = std::find(order.begin(), order.end(), entry.id) != order.end();
            if (!listed && (entry.kind == ControlKind::GroupBox) == groups)
                order.push_back(entry.id);
        }
    };
    add_others(false);
    add_others(true);
    return order;
}

// In the window's client area.
window::Rect place_of(const ControlEntry& entry) {
    window::Rect place = entry.rect;
    if (entry.in_group()) {
        place.left += window::entry(entry.group).rect.left;
        place.top += window::entry(entry.group).rect.top;
    }
    return place;
}

std::wstring window_text(HWND handle) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(handle)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool has_style(HWND handle, DWORD style) {
    return (static_cast<DWORD>(::GetWindowLongPtrW(handle, GWL_STYLE)) & style) != 0;
}

} // namespace

int control_id(Control control) {
    return kFirstControlId + static_cast<int>(window::index_of(control));
}

MainWindow::MainWindow(std::vector<std::string> parameters) {
    window_ =
        ::CreateWindowExW(0, window_class<MainWindow>(L"QuillstromMain"),
                          to_wide(window::kMainCaption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 0, 0, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    create_controls();
    lay_out(::GetDpiForWindow(window_));
    window::WindowView& view = *this;
    model_ = std::make_unique<window::MainWindowModel>(view, std::move(parameters));
    help_ = std::make_unique<HelpWindow>(window_);
}

MainWindow::~MainWindow() {
    help_.reset();
    if (window_) ::DestroyWindow(window_);
}

HWND MainWindow::control(Control control) const { return controls_[window::index_of(control)]; }

void MainWindow::create_controls() {
    for (const Control id : creation_order())
        controls_[window::index_of(id)] = make_child(window_, window::entry(id), control_id(id));
    const HWND status = control(Control::StatusBar);
    ::SendMessageW(status, SB_SIMPLE, TRUE, 0);
    ::SendMessageW(
        status, SB_SETTEXTW, SB_SIMPLEID,
        reinterpret_cast<LPARAM>(to_wide(window::entry(Control::StatusBar).text).c_str()));
}

void MainWindow::lay_out(UINT dpi) {
    dpi_ = dpi;
    font_ = std::make_unique<Font>(window::kFontPixels, false, dpi);
    bold_font_ = std::make_unique<Font>(window::kFontPixels, true, dpi);
    window_icon_ = std::make_unique<Icon>(QUILL_ICON_SATELLITE, 32, dpi);
    title_icon_ = std::make_unique<Icon>(QUILL_ICON_SATELLITE, 16, dpi);
    pictures_ = std::make_unique<ButtonPictures>(dpi);
    for (const ControlEntry& entry : window::kMainControls) {
        const HFONT font = entry.bold ? bold_font_->handle() : font_->handle();
        lay_out_child(control(entry.id), place_of(entry), dpi, font,
                      pictures_->icon(entry.picture));
    }
    ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(window_icon_->handle()));
    ::SendMessageW(window_, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(title_icon_->handle()));
    ::SendMessageW(control(Control::ProgressList), LB_SETITEMHEIGHT, 0,
                   scaled(window::kProgressLineHeight, dpi));
    const HWND status = control(Control::StatusBar);
    ::SendMessageW(status, SB_SETMINHEIGHT,
                   scaled(window::entry(Control::StatusBar).rect.height, dpi), 0);
    set_outer_width(outer_width_);
    ::InvalidateRect(window_, nullptr, TRUE);
}

// The width is the outer one, frame included, whatever frame Windows draws.
void MainWindow::set_outer_width(int width_at_96_dpi) {
    outer_width_ = width_at_96_dpi;
    const SIZE outer = outer_size(window_, 1, scaled(window::kClientHeight, dpi_), dpi_);
    ::SetWindowPos(window_, nullptr, 0, 0, scaled(width_at_96_dpi, dpi_), outer.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// By the outer corner, or centred on the primary screen's work area.
void MainWindow::place(const std::optional<window::Point>& corner) {
    RECT outer{};
    ::GetWindowRect(window_, &outer);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const window::Point centred =
        window::centred_in({work.left, work.top, work.right - work.left, work.bottom - work.top},
                           outer.right - outer.left, outer.bottom - outer.top);
    const window::Point at = corner.value_or(centred);
    ::SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The command line is read before the window appears, so a position error is
// told first and the window then opens centred.
void MainWindow::show() {
    model_->shown();
    if (!window_) return;
    place(model_->state().corner);
    ::ShowWindow(window_, SW_SHOW);
    ::UpdateWindow(window_);
    keep_focus();
}

int MainWindow::run_until_closed() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (handle_key(message)) continue;
        if (window_ && ::IsDialogMessageW(window_, &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return model_->exit_status();
}

std::optional<Control> MainWindow::control_of(HWND handle) const {
    for (const ControlEntry& entry : window::kMainControls) {
        const HWND candidate = control(entry.id);
        if (handle == candidate || ::IsChild(candidate, handle)) return entry.id;
    }
    return std::nullopt;
}

bool MainWindow::handle_key(const MSG& message) {
    if (message.message != WM_KEYDOWN || !window_) return false;
    if (message.wParam != VK_ESCAPE && message.wParam != VK_RETURN) return false;
    if (message.hwnd != window_ && !::IsChild(window_, message.hwnd)) return false;
    if (message.wParam == VK_ESCAPE) {
        model_->escape_pressed();
    } else {
        model_->enter_pressed(control_of(message.hwnd));
    }
    return true;
}

// What the user did to a control; nothing while the window draws the model's
// own changes.
void MainWindow::handle_command(WORD id, WORD code) {
    if (drawing_ || id < kFirstControlId || id >= kFirstControlId + window::kControlCount) return;
    const Control control_id = static_cast<Control>(id - kFirstControlId);
    const HWND handle = control(control_id);
    const ControlKind kind = window::entry(control_id).kind;
    if (kind == ControlKind::TextField && code == EN_CHANGE) {
        model_->folder_edited(to_utf8(window_text(handle)));
    } else if (kind == ControlKind::CheckBox && code == BN_CLICKED) {
        model_->box_set(control_id, ::SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED);
    } else if (code == BN_CLICKED && window::is_button(control_id)) {
        model_->pressed(control_id);
    }
}

LRESULT MainWindow::handle_message(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND: handle_command(LOWORD(w), HIWORD(w)); return 0;
    case WM_TIMER:
        if (w != kAutoStartTimer) break;
        ::KillTimer(window, kAutoStartTimer);
        timer_running_ = false;
        model_->timer_ticked();
        return 0;
    case WM_SETCURSOR:
        if (!busy_) break;
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    case WM_SIZE: ::SendMessageW(control(Control::StatusBar), WM_SIZE, 0, 0); return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            const HWND focus = ::GetFocus();
            if (focus && ::IsChild(window, focus)) last_focus_ = focus;
        } else {
            keep_focus();
        }
        return 0;
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(l);
        lay_out(HIWORD(w));
        ::SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE: ::DestroyWindow(window); return 0;
    case WM_NCDESTROY:
        window_ = nullptr;
        ::PostQuitMessage(model_ ? model_->exit_status() : 0);
        break;
    default: break;
    }
    return ::DefWindowProcW(window, message, w, l);
}

void MainWindow::draw(const window::MainWindowState& state) {
    if (!window_) return;
    drawing_ = true;
    const HWND field = control(Control::SourceFolder);
    if (const std::wstring text = to_wide(state.folder_text); window_text(field) != text)
        ::SetWindowTextW(field, text.c_str());
    draw_controls(state);
    draw_progress(state);
    draw_timer(state.auto_start_armed);
    if (const int width = window::outer_width(state.width); width != outer_width_)
        set_outer_width(width);
    draw_busy(state.busy);
    keep_focus();
    drawing_ = false;
    ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Win32 knows no groups: a box shows, and can be used, only when it and its
// group can, as the model says.
void MainWindow::draw_controls(const window::MainWindowState& state) {
    for (const ControlEntry& entry : window::kMainControls) {
        const HWND handle = control(entry.id);
        const bool visible = state.shows(entry.id);
        if (has_style(handle, WS_VISIBLE) != visible)
            ::ShowWindow(handle, visible ? SW_SHOWNA : SW_HIDE);
        const bool enabled = state.lets_use(entry.id);
        if ((::IsWindowEnabled(handle) != FALSE) != enabled) ::EnableWindow(handle, enabled);
        if (entry.kind != ControlKind::CheckBox) continue;
        const WPARAM checked = state[entry.id].checked ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(::SendMessageW(handle, BM_GETCHECK, 0, 0)) != checked)
            ::SendMessageW(handle, BM_SETCHECK, checked, 0);
    }
}

void MainWindow::draw_progress(const window::MainWindowState& state) {
    const HWND list = control(Control::ProgressList);
    const window::ProgressChange change = progress_shown_.update(state);
    if (change.empty_first) ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : change.added)
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(to_wide(line).c_str()));
}

void MainWindow::draw_timer(bool armed) {
    if (armed && !timer_running_)
        ::SetTimer(window_, kAutoStartTimer, static_cast<UINT>(window::kStartDelay.count()),
                   nullptr);
    if (!armed && timer_running_) ::KillTimer(window_, kAutoStartTimer);
    timer_running_ = armed;
}

// No message reaches the window while a run works, so the cursor is set at
// once as well as on every WM_SETCURSOR.
void MainWindow::draw_busy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

// A control that loses the focus by being disabled leaves the window without
// one: the keys would go nowhere.
void MainWindow::keep_focus() {
    if (::GetActiveWindow() != window_) return;
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(window_, focus) && ::IsWindowEnabled(focus)) return;
    const bool last_usable =
        last_focus_ && ::IsWindowEnabled(last_focus_) && ::IsWindowVisible(last_focus_);
    const HWND next = last_usable ? last_focus_ : ::GetNextDlgTabItem(window_, nullptr, FALSE);
    if (next) ::SetFocus(next);
}

void MainWindow::show_message(window::MessageKind kind, const std::string& text) {
    show_message_box(window_, kind, text);
}

std::optional<std::string> MainWindow::choose_folder(const std::string& title) {
    return win32::choose_folder(window_, title);
}

window::Point MainWindow::show_help(const std::optional<window::Point>& place) {
    return help_->show_modal(place);
}

void MainWindow::close_window() {
    if (window_) ::DestroyWindow(window_);
}

} // namespace quill::win32
