#include <gtest/gtest.h>

#include <QApplication>

// The application lives on main's stack: a static one would outlive Qt's own statics.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // CTest lists the tests after the build, where there may be no display to open.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    return RUN_ALL_TESTS();
}
