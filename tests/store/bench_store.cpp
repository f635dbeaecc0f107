// How long saving and loading a 15-task list take, with every other list
// stored beside it, each save synced to the disk.
#include "store/conffilestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ConfFileStore store(dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf")));
    QList<StoreChange> everything;
    for (int tasks = 3; tasks <= 15; ++tasks) {
        for (int row = 1; row <= tasks; ++row)
            everything << StoreChange::write(QStringLiteral("Task%1").arg(tasks), QStringLiteral("Text%1").arg(row),
                                             QStringLiteral("a task of ordinary length, row %1").arg(row));
    }
    store.apply(everything);

    std::vector<double> saves, loads;
    for (int round = 0; round < 50; ++round) {
        QList<StoreChange> list;
        for (int row = 1; row <= 15; ++row)
            list << StoreChange::write(QStringLiteral("Task15"), QStringLiteral("Text%1").arg(row),
                                       QStringLiteral("round %1 row %2").arg(round).arg(row));
        for (int row = 1; row <= 15; ++row)
            list << StoreChange::write(QStringLiteral("Task15"), QStringLiteral("Tick%1").arg(row),
                                       QString::number((round + row) % 2));
        QElapsedTimer timer;
        timer.start();
        store.apply(list);
        saves.push_back(timer.nsecsElapsed() / 1e6);

        timer.restart();
        for (int row = 1; row <= 15; ++row) {
            store.read(QStringLiteral("Task15"), QStringLiteral("Text%1").arg(row));
            store.read(QStringLiteral("Task15"), QStringLiteral("Tick%1").arg(row));
        }
        loads.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("store: saving a 15-task list (30 keys, synced): median %.2f ms; loading it: median %.2f ms "
                "over %zu rounds\n",
                median(saves), median(loads), saves.size());
    return 0;
}
