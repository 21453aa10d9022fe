#pragma once

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace optolink::essai {

// One Qt application for the whole test program, made by the first suite that needs one, on the
// platform it is given (offscreen under ctest). It lives until the process ends: destroyed among
// the statics at exit, it would outlive the devices of simulated keys and clicks and the thread
// storage of Qt that its last windows need.
template <class Application>
void application_de_test()
{
    static int argc = 1;
    static char nom[] = "test_qt";
    static char* argv[] = {nom, nullptr};
    if (!QCoreApplication::instance())
        new Application(argc, argv);
}

// Tests on Qt's event loop without widgets: serial ports, timers, processes.
struct ApplicationQt : ::testing::Test {
    static void SetUpTestSuite() { application_de_test<QCoreApplication>(); }
};

} // namespace optolink::essai
