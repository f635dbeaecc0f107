// Writes the store in a loop for the process tests.
//   store_writer lists FILE SECTION       saves a 15-task list over and over, until killed
//   store_writer keys FILE SECTION PREFIX COUNT   writes COUNT keys, one write each
//   store_writer set FILE SECTION KEY VALUE   one write; exit 3 and the reason if refused
//   store_writer cycle FILE    saves a list, clears all lists, changes the password, over
//                              and over; prints each round once its write returned
#include "store/conffilestore.h"

#include <QCoreApplication>

#include <cstdio>

// The list of round i: every row says which round wrote it, so a reader can
// tell a mix of two rounds from a whole one. Lengths vary with i.
static QList<StoreChange> round(const QString &section, int i)
{
    QList<StoreChange> changes;
    for (int row = 1; row <= 15; ++row)
        changes << StoreChange::write(section, QStringLiteral("Text%1").arg(row),
                                      QStringLiteral("round %1 row %2 ").arg(i).arg(row) + QString(i % 7, u'x'));
    for (int row = 1; row <= 15; ++row)
        changes << StoreChange::write(section, QStringLiteral("Tick%1").arg(row), QString::number((i + row) % 2));
    return changes;
}

// Round i of the cycle: i % 3 == 0 saves the 15-task list, 1 clears every
// list at once, 2 changes the password with the private list; each round also
// records its number, so a reader knows exactly what the file must hold.
QList<StoreChange> cycleRound(int i)
{
    QList<StoreChange> changes{StoreChange::write(QStringLiteral("Saved"), QStringLiteral("Round"), QString::number(i))};
    if (i % 3 == 0) {
        changes << round(QStringLiteral("Task15"), i);
    } else if (i % 3 == 1) {
        changes << StoreChange::removeSection(QStringLiteral("Task15"));
    } else {
        changes << StoreChange::write(QStringLiteral("Password"), QStringLiteral("Ok"), QStringLiteral("hash %1").arg(i));
        for (int row = 1; row <= 5; ++row)
            changes << StoreChange::write(QStringLiteral("Priv"), QStringLiteral("Text%1").arg(row),
                                          QStringLiteral("private %1 row %2").arg(i).arg(row));
    }
    return changes;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("lists")) {
        ConfFileStore store(args[2]);
        for (int i = 1;; ++i) {
            if (!store.apply(round(args[3], i)).written())
                return 2;
            if (i == 1) {
                std::puts("first");
                std::fflush(stdout);
            }
        }
    }
    if (args.size() >= 6 && args[1] == QLatin1String("keys")) {
        ConfFileStore store(args[2]);
        store.setLockPatience(30000);
        const int count = args[5].toInt();
        for (int k = 1; k <= count; ++k) {
            if (!store.write(args[3], args[4] + QString::number(k), QString::number(k)).written())
                return 2;
        }
        return 0;
    }
    if (args.size() >= 6 && args[1] == QLatin1String("set")) {
        const StoreResult result = ConfFileStore(args[2]).write(args[3], args[4], args[5]);
        if (!result.written()) {
            std::puts(qPrintable(result.reason));
            return 3;
        }
        return 0;
    }
    if (args.size() >= 3 && args[1] == QLatin1String("cycle")) {
        ConfFileStore store(args[2]);
        for (int i = 1;; ++i) {
            if (!store.apply(cycleRound(i)).written())
                return 2;
            std::printf("%d\n", i);
            std::fflush(stdout);
        }
    }
    std::fputs("usage: store_writer lists FILE SECTION | keys FILE SECTION PREFIX COUNT | set FILE SECTION KEY VALUE | cycle FILE\n", stderr);
    return 1;
}
