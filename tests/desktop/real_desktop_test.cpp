// The Qt windows under a real window manager: framed at the designed outer width, placed frame
// included, and never resizable; the narrow window shows nothing of the progress list.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include "support/temp_dir.h"
#include "qt/help_window.h"
#include "qt/main_window.h"
#include "window/controls.h"
#include "x11_window.h"

namespace quill::test {
namespace {

const QStringList kResizing{"_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                            "_NET_WM_ACTION_MAXIMIZE_VERT"};

class RealDesktop : public testing::Test {
protected:
    void SetUp() override {
        if (!on_x11()) GTEST_SKIP() << "needs an X display with a window manager";
    }
    void expect_not_resizable(const QWidget& window) {
        const QStringList allowed = atom_names(window, "_NET_WM_ALLOWED_ACTIONS");
        EXPECT_TRUE(allowed.contains("_NET_WM_ACTION_CLOSE")) << allowed.join(' ').toStdString();
        for (const QString& action : kResizing)
            EXPECT_FALSE(allowed.contains(action)) << action.toStdString();
    }

    AppDataSandbox appdata_;
};

// The points of the window's client area, as the X server shows them, right
// of the left column (where only the progress list is ever drawn) in the rows
// of the progress list that differ from the window's background.
int foreign_points_right_of_the_controls(const MainWindow& window) {
    const QRect client = window.geometry();
    const QImage shot =
        window.screen()->grabWindow(0, client.x(), client.y(), client.width(), client.height())
            .toImage();
    const std::string_view name = window::entry(window::Control::ProgressList).name;
    const QWidget* list = window.findChild<QWidget*>(QString::fromLatin1(name.data(), name.size()));
    const QRgb background = window.palette().color(QPalette::Window).rgb();
    int foreign = 0;
    for (int y = list->y(); y < list->y() + list->height() && y < shot.height(); ++y) {
        for (int x = window::kLeftColumnRight + 1; x < shot.width(); ++x)
            foreign += shot.pixel(x, y) != background;
    }
    return foreign;
}

TEST_F(RealDesktop, TheFramedNarrowWindowShowsNoProgressListAndCannotBeResized) {
    MainWindow window({});
    window.show();
    ASSERT_TRUE(wait_until_managed(window)) << "the window manager did not frame the window";

    // The frame as the window manager has it, not as the widget last heard of it.
    const QRect outer = window.windowHandle()->frameGeometry();
    EXPECT_EQ(outer.width(), window::kNarrowWidth);
    EXPECT_EQ(foreign_points_right_of_the_controls(window), 0);
    expect_not_resizable(window);

    const QRect area = window.screen()->availableGeometry();
    EXPECT_LE((outer.center() - area.center()).manhattanLength(), 2) << "centred, frame included";
}

TEST_F(RealDesktop, AWindowPlacedByTheCommandLineHasItsFrameCornerThere) {
    MainWindow window({"missing folder", "go", "200", "150"});
    window.show();
    ASSERT_TRUE(wait_until_managed(window)) << "the window manager did not frame the window";

    EXPECT_EQ(window.windowHandle()->frameGeometry().topLeft(), QPoint(200, 150));
}

TEST_F(RealDesktop, TheHelpWindowIsAToolWindowThatCannotBeResized) {
    MainWindow window({});
    window.show();
    HelpWindow help(&window);
    help.show();
    ASSERT_TRUE(wait_until_managed(help)) << "the window manager did not frame the window";

    EXPECT_EQ(atom_names(help, "_NET_WM_WINDOW_TYPE").value(0), "_NET_WM_WINDOW_TYPE_UTILITY");
    expect_not_resizable(help);
}

} // namespace
} // namespace quill::test
