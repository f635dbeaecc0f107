// Two versions of a 6 MB store in which every task of every list changed,
// merged in memory as the library it is built with merges them: this
// release task by task, release 3.0 list by list (bench/run-merge.sh builds
// it against each). Prints the median of 30 merges in milliseconds.
#include "store/conffilestore.h"
#include "store/inidocument.h"
#include "store/storemerge.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Every list full: its texts 4,000 characters long, each saying the round.
QList<StoreChange> allLists(int round)
{
    QList<StoreChange> changes;
    QStringList lists{QStringLiteral("Task3")};
    for (int n = 5; n <= 15; ++n)
        lists << QStringLiteral("Task%1").arg(n);
    for (const QString &list : lists) {
        for (int row = 1; row <= list.mid(4).toInt(); ++row) {
            changes << StoreChange::write(list, QStringLiteral("Text%1").arg(row),
                                          QStringLiteral("r%1 ").arg(round) + QString(4000, u't'))
                    << StoreChange::write(list, QStringLiteral("Tick%1").arg(row), QString::number(row % 2));
        }
    }
    return changes;
}

IniDocument saved(const QString &path, int round)
{
    ConfFileStore(path).apply(allLists(round));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    return *IniDocument::parseExact(file.readAll());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Velmorwick/Velmorwick.conf"));
    const IniDocument here = saved(path, 0);
    const IniDocument there = saved(path, 1); // later, every task changed
    std::vector<double> times;
    for (int round = 0; round < 30; ++round) {
        QElapsedTimer timer;
        timer.start();
        storemerge::merge(here, there);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.3f\n", times[times.size() / 2]);
}
