// The fonts and pictures the Win32 windows draw with, each owned by one object and made for the
// dpi of the monitor the window is on.
#pragma once

#include <windows.h>

#include "window/controls.h"

namespace quill::win32 {

class Font {
public:
    // Tahoma, `pixels` high at 96 dpi.
    Font(int pixels, bool bold, UINT dpi);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT handle() const { return font_; }

private:
    HFONT font_;
};

class Icon {
public:
    // A picture of the program's resources, `pixels` square at 96 dpi; none
    // when the program carries no such picture.
    Icon(int resource_id, int pixels, UINT dpi);
    ~Icon();
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    HICON handle() const { return icon_; }

private:
    HICON icon_;
};

// The pictures the control tables give buttons, 16 pixels square at 96 dpi.
class ButtonPictures {
public:
    explicit ButtonPictures(UINT dpi);

    // None for Picture::None.
    HICON icon(window::Picture picture) const;

private:
    Icon folder_;
    Icon tick_;
    Icon cross_;
};

} // namespace quill::win32
