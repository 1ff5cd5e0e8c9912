#include <gtest/gtest.h>

#include <QApplication>

// The application lives on main's stack: a static one would outlive Qt's own statics.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    int qt_argc = 1;
    QApplication app(qt_argc, argv);
    return RUN_ALL_TESTS();
}
