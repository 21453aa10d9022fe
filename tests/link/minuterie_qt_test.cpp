#include "liaison_qt/minuterie_qt.h"
#include "tests/application_qt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <thread>
#include <vector>

using namespace optolink;

namespace {
struct MinuterieQtReelle : essai::ApplicationQt {};
} // namespace

// The program held up 50 ms in its second tick (a busy computer): the third comes late, and the
// fourth a whole interval after it rather than on the first schedule, 10 ms later, before the reply
// to the third tick's request could cross the line. Timers never fire early: the bound holds
// however loaded the machine.
TEST_F(MinuterieQtReelle, UnTicEnRetardRepartDeLui)
{
    MinuterieQt minuterie;
    minuterie.setInterval(30);
    QElapsedTimer horloge;
    horloge.start();
    std::vector<double> tics_ms;
    minuterie.surTic([&] {
        tics_ms.push_back(static_cast<double>(horloge.nsecsElapsed()) * 1e-6);
        if (tics_ms.size() == 2)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    });
    minuterie.setEnabled(true);
    while (tics_ms.size() < 4 && horloge.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    minuterie.setEnabled(false);
    ASSERT_EQ(tics_ms.size(), 4u);
    EXPECT_GE(tics_ms[3] - tics_ms[2], 29.0);
}
