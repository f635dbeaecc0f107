// How long the program takes from start to its first window on screen, with
// a store holding every list, and how much memory it then holds.
#include "app/appearance.h"
#include "lists/listlayouts.h"
#include "store/storekeys.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    QApplication app(argc, argv);
    applyAppearance();
    const double applicationMs = sinceLaunch.nsecsElapsed() / 1e6;

    std::vector<double> runs;
    for (int run = 0; run < 20; ++run) {
        ProgramFixture fx;
        QList<StoreChange> everything;
        for (const ListLayout &layout : dayListLayouts()) {
            for (int row = 1; row <= layout.tasks; ++row) {
                everything << StoreChange::write(layout.section, storekeys::textKey(row), QStringLiteral("task text"))
                           << StoreChange::write(layout.section, storekeys::tickKey(row), QStringLiteral("0"));
            }
        }
        everything << StoreChange::write(storekeys::autoLoadSection, storekeys::autoLoadKey, QStringLiteral("15"));
        fx.store().apply(everything);

        QElapsedTimer timer;
        timer.start();
        fx.start(); // opens the 15-task list at once
        if (!QTest::qWaitForWindowExposed(fx.window(QStringLiteral("frm15"))))
            return 1;
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("start-up: application object %.1f ms; program start to the list on screen: median %.1f ms, "
                "worst %.1f ms over %zu runs\n",
                applicationMs, runs[runs.size() / 2], runs.back(), runs.size());
    std::printf("start-up: peak memory %.1f MB (report only: offscreen times are too noisy for a goal)\n",
                usage.ru_maxrss / 1024.0);
    return 0;
}
