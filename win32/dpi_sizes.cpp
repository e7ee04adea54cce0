// Scaling by the dpi, and the frame Windows adds around a client area at a dpi.
#include "win32/dpi_sizes.h"

namespace quill::win32 {

int scaled(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); }

SIZE outer_size(HWND window, int client_width, int client_height, UINT dpi) {
    RECT rect{0, 0, client_width, client_height};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const auto extended = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
    ::AdjustWindowRectExForDpi(&rect, style, FALSE, extended, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace quill::win32
