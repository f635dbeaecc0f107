// What following the file costs: every day list and the reminder open, the
// file changed by another copy in every list, each window following it;
// beside the floor of reading every list of that file afresh once.
#include "app/appearance.h"
#include "forms/formregistry.h"
#include "lists/listlayouts.h"
#include "store/conffilestore.h"
#include "store/storekeys.h"
#include "support/programfixture.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QList<StoreChange> everyList(int round)
{
    QList<StoreChange> changes;
    for (const ListLayout &layout : dayListLayouts()) {
        for (int row = 1; row <= layout.tasks; ++row) {
            changes << StoreChange::write(layout.section, storekeys::textKey(row),
                                          QStringLiteral("round %1, task %2 of a busy day").arg(round).arg(row))
                    << StoreChange::write(layout.section, storekeys::tickKey(row), QString::number((round + row) % 2));
        }
    }
    return changes << StoreChange::write(storekeys::autoLoadSection, storekeys::autoLoadKey,
                                         round % 2 ? QStringLiteral("5") : QStringLiteral("10"));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance();
    ProgramFixture fx;
    fx.store().apply(everyList(0));
    for (const ListLayout &layout : dayListLayouts())
        fx.program().showTaskList(layout.tasks);
    fx.program().forms().show(QStringLiteral("frmNotify"));
    std::vector<double> follow, floor;
    for (int round = 1; round <= 30; ++round) {
        fx.testStore().writeAsAnotherCopy(everyList(round));
        QElapsedTimer timer;
        timer.start();
        for (const QString &name : fx.program().forms().loadedNames())
            fx.program().forms().find(name)->followStore();
        follow.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const ConfFileStore afresh(fx.testStore().location());
        qsizetype texts = 0;
        for (const ListLayout &layout : dayListLayouts()) {
            for (const TaskRow &row : SectionListStorage::read(afresh, layout.section, layout.tasks))
                texts += row.text.size();
        }
        floor.push_back(timer.nsecsElapsed() / 1e6);
        if (texts == 0)
            return 1;
    }
    const double ms = median(follow);
    constexpr double goalMs = 50;
    std::printf("follow: 12 lists and the reminder follow a change to all of them: median %.1f ms (goal: under %.0f "
                "ms) %s; %.1fx reading the file afresh (%.2f ms)\n",
                ms, goalMs, ms < goalMs ? "met" : "MISSED", ms / median(floor), median(floor));
    return ms < 2 * goalMs ? 0 : 1;
}
