// Making and freeing the windows' fonts and pictures.
#include "win32/gdi_objects.h"

#include "app/wide_text.h"
#include "win32/dpi_sizes.h"
#include "win32/resource_ids.h"

namespace quill::win32 {

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

ButtonPictures::ButtonPictures(UINT dpi)
    : folder_(QUILL_ICON_FOLDER, 16, dpi), tick_(QUILL_ICON_TICK, 16, dpi),
      cross_(QUILL_ICON_CROSS, 16, dpi) {}

HICON ButtonPictures::icon(window::Picture picture) const {
    switch (picture) {
    case window::Picture::None: return nullptr;
    case window::Picture::Folder: return folder_.handle();
    case window::Picture::Tick: return tick_.handle();
    case window::Picture::Cross: return cross_.handle();
    }
    return nullptr;
}

} // namespace quill::win32
