// The system's own modal windows that the Win32 main window opens: the message box and the
// folder chooser.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window/window_view.h"

namespace quill::win32 {

// A box with one OK button, titled with the program's name; returns when the
// user has closed it.
void show_message_box(HWND owner, window::MessageKind kind, const std::string& text);

// The platform's folder chooser, file-system folders only, with nothing
// preselected: the chosen folder's full path, or nothing when cancelled.
std::optional<std::string> choose_folder(HWND owner, const std::string& title);

} // namespace quill::win32
