// The desktop tests' program: the windows on an X display with a window manager.
#include <gtest/gtest.h>

#include <QApplication>

// These tests need an X display with a window manager (scripts/with-desktop.sh
// provides one); without a display they start on the offscreen platform and
// skip.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
