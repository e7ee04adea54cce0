#include "win32/gdi_objects.h"

#include "app/wide_text.h"
#include "window/controls.h"

namespace quill::win32 {

int scaled(int pixels, UINT dpi) { return ::MulDiv(pixels, static_cast<int>(dpi), 96); }

Font::Font(int pixels, bool bold, UINT dpi)
    : font_(::CreateFontW(-scaled(pixels, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                          FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                          to_wide(window::kFontFamily).c_str())) {}

Font::~Font() { ::DeleteObject(font_); }

Icon::Icon(int resource_id, int pixels, UINT dpi)
    : icon_(static_cast<HICON>(
          ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource_id), IMAGE_ICON,
                       scaled(pixels, dpi), scaled(pixels, dpi), LR_DEFAULTCOLOR))) {}

Icon::~Icon() {
    if (icon_) ::DestroyIcon(icon_);
}

} // namespace quill::win32
