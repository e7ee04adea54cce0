#pragma once

#include <windows.h>

// The fonts and pictures the windows draw with, each owned by one object and
// made for the dpi of the monitor the window is on.

namespace quill::win32 {

// Pixels at 96 dpi to pixels at the given dpi.
int scaled(int pixels, UINT dpi);

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

} // namespace quill::win32
