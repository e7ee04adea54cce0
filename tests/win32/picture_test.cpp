// What the screen shows of the Win32 main window: nothing of the progress list in the narrow
// window, the list in the wide one, and headings drawn over their group boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/platform.h"
#include "win32/dpi_sizes.h"
#include "window_driver.h"

// On a real display with a window manager (scripts/test-windows.sh runs the
// tests on one).

namespace quill::test {
namespace {

using window::Control;

// The screen's pixels in a rectangle, as 0x00RRGGBB.
std::vector<std::uint32_t> screen_pixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::SelectObject(memory, old);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &format,
                DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

class Picture : public WindowDriver {
protected:
    void SetUp() override {
        if (environment_variable("DISPLAY").empty()) GTEST_SKIP() << "needs a display";
    }
    // Gives the window manager and the window time to frame and paint.
    void settle() const {
        for (int i = 0; i < 20; ++i) {
            pump();
            ::Sleep(50);
        }
    }
    // The points of a rectangle of the client area (at 96 dpi, clipped to the
    // client area) that differ from the window's background.
    int foreign_points(const window::Rect& at_96_dpi) const {
        const HWND window = window_->handle();
        const UINT dpi = ::GetDpiForWindow(window);
        RECT client{};
        ::GetClientRect(window, &client);
        POINT origin{win32::scaled(at_96_dpi.left, dpi), win32::scaled(at_96_dpi.top, dpi)};
        const LONG right =
            std::min<LONG>(client.right, origin.x + win32::scaled(at_96_dpi.width, dpi));
        const LONG bottom =
            std::min<LONG>(client.bottom, origin.y + win32::scaled(at_96_dpi.height, dpi));
        const SIZE size{right - origin.x, bottom - origin.y};
        ::ClientToScreen(window, &origin);
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        const std::uint32_t background =
            (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
        int foreign = 0;
        for (const std::uint32_t pixel :
             screen_pixels({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy}))
            foreign += (pixel & 0xFFFFFF) != background;
        return foreign;
    }
    // Right of the left column, in the rows of the progress list.
    int points_right_of_the_controls() const {
        const window::Rect list = window::entry(Control::ProgressList).rect;
        return foreign_points({window::kLeftColumnRight + 1, list.top,
                               window::kClientWidth - window::kLeftColumnRight - 1, list.height});
    }
    // A heading inside the target group, where the group box lies beneath it.
    int points_of_a_heading() const {
        const window::Rect group = window::entry(Control::TargetGroup).rect;
        const window::Rect heading = window::entry(Control::Brannock2Heading).rect;
        return foreign_points(
            {group.left + heading.left, group.top + heading.top, heading.width, heading.height});
    }
};

// A failed run leaves the window wide, its progress list in view.
TEST_F(Picture, TheNarrowWindowShowsNoPixelOfTheProgressListAndTheWideOneDoes) {
    install(0, "DROP INDEX NavWPT_WPTName; ALTER TABLE NavWPT DROP COLUMN WPTName;");
    open({sample_cycle_folder()});
    settle();
    EXPECT_EQ(outer_rect().right - outer_rect().left, window::kNarrowWidth);
    EXPECT_EQ(points_right_of_the_controls(), 0);
    EXPECT_GT(points_of_a_heading(), 20) << "the group box would hide it";

    {
        MessageBoxAnswers boxes;
        click(Control::Run);
        ASSERT_EQ(boxes.texts.size(), 1u);
    }
    settle();
    EXPECT_EQ(outer_rect().right - outer_rect().left, window::kWideWidth);
    EXPECT_GT(points_right_of_the_controls(), 1000);
}

} // namespace
} // namespace quill::test
