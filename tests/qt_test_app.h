// Qt test programs make their QApplication in main (qt_test_main.cpp), before any widget.
#pragma once

#include <QApplication>

namespace vesko::testing {

// A member of a fixture placed before its widgets, to say they need the application.
struct WithApplication {
    WithApplication() { Q_ASSERT(qApp != nullptr); }
};

}  // namespace vesko::testing
