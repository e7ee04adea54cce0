// The Qt view's test program: one application object for every test, offscreen unless the
// environment names a platform.
#include <gtest/gtest.h>

#include <QApplication>

// The windows need one application object that outlives every test and goes
// before the toolkit's own globals do.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
