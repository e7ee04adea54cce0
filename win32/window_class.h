// One window class per window of the program, whose procedure hands each message to the object
// that created the window.
#pragma once

#include <windows.h>

// The object is passed as the creation parameter and takes the messages in
// Owner::handle_message(HWND, UINT, WPARAM, LPARAM).

namespace quill::win32 {

template <typename Owner>
LRESULT CALLBACK owner_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner) return ::DefWindowProcW(window, message, w, l);
    return owner->handle_message(window, message, w, l);
}

// Registers the class once per process.
template <typename Owner>
const wchar_t* window_class(const wchar_t* name) {
    static const ATOM registered = [name] {
        WNDCLASSEXW kind{};
        kind.cbSize = sizeof(kind);
        kind.lpfnWndProc = owner_procedure<Owner>;
        kind.hInstance = ::GetModuleHandleW(nullptr);
        kind.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        kind.lpszClassName = name;
        return ::RegisterClassExW(&kind);
    }();
    return registered ? name : nullptr;
}

} // namespace quill::win32
