// The help window on Win32: how to obtain the cycle files.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "win32/gdi_objects.h"
#include "window/controls.h"
#include "window/window_state.h"

// A tool window of static text and "Done", built from the help table. Made
// hidden with the main window, shown modally by "?", hidden again when closed.

namespace quill::win32 {

class HelpWindow {
public:
    explicit HelpWindow(HWND owner);
    ~HelpWindow();
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Shows the window at the place, or centred on the main window, and
    // returns when the user has closed it, with where they left it.
    window::Point show_modal(const std::optional<window::Point>& place);

    HWND handle() const { return window_; }

    LRESULT handle_message(HWND window, UINT message, WPARAM w, LPARAM l);

private:
    void create_controls();
    void lay_out(UINT dpi);
    window::Point first_place() const;

    HWND owner_;
    HWND window_ = nullptr;
    std::array<HWND, window::kHelpControlCount> controls_{};
    std::unique_ptr<Font> text_font_;
    std::unique_ptr<Font> heading_font_;
    std::unique_ptr<ButtonPictures> pictures_;
    bool open_ = false;
};

} // namespace quill::win32
