// The one QApplication of a Qt test program, made before the first widget.
#pragma once

#include <QApplication>

namespace vesko::testing {

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "vesko_test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// A member of a fixture placed before its widgets.
struct WithApplication {
    WithApplication() { TestApplication(); }
};

}  // namespace vesko::testing
