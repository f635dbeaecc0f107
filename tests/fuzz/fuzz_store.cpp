// libFuzzer target: whatever bytes the settings file holds, a write goes
// through, leaves a file that parses, and keeps byte for byte beside it any
// original it could not write back the same (less a password change's bare
// key). Built by make check with clang; a failed check aborts.
#include "store/conffilestore.h"
#include "store/inertvariants.h"
#include "store/inidocument.h"
#include "store/keptcopies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_store";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir root;

    // A folder of its own each run: QSettings caches a file by its path.
    static int run = 0;
    QDir(root.filePath(QStringLiteral("Velmorwick-%1").arg(run))).removeRecursively();
    QDir folder(root.filePath(QStringLiteral("Velmorwick-%1").arg(++run)));
    QDir().mkpath(folder.path());
    const QString path = folder.filePath(QStringLiteral("Velmorwick.conf"));
    const QByteArray contents(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size(), "seed the file");
    }
    // What QSettings reads, values of other types taken as the text they are
    // (as the store reads them: a pixmap would abort a process without a screen).
    const QString inertPath = root.filePath(QStringLiteral("inert-%1.conf").arg(run));
    {
        QFile inert(inertPath);
        const QByteArray bytes = withInertVariants(contents);
        require(inert.open(QIODevice::WriteOnly) && inert.write(bytes) == bytes.size(), "seed the inert copy");
    }
    bool damaged = false;
    {
        const QSettings parsed(inertPath, QSettings::IniFormat);
        parsed.allKeys();
        damaged = parsed.status() == QSettings::FormatError;
    }
    const bool exact = IniDocument::parseExact(contents).has_value();
    require(!(damaged && exact), "a damaged file is never read as exact");

    ConfFileStore store(path);
    int reports = 0;
    store.setProblemReporter([&reports](const QString &) { ++reports; });
    store.checkOnOpen();
    require(store.write(QStringLiteral("Task9"), QStringLiteral("Text1"), QStringLiteral("new")).written(),
            "the write went through");
    {
        // QSettings caches by path, size and millisecond: read a copy.
        static int copies = 0;
        const QString copyPath = root.filePath(QStringLiteral("after-%1.conf").arg(++copies));
        QFile::remove(copyPath);
        QFile::copy(path, copyPath);
        const QSettings after(copyPath, QSettings::IniFormat);
        after.allKeys();
        require(after.status() == QSettings::NoError, "the new file parses");
        require(after.value(QStringLiteral("Task9/Text1")).toString() == QLatin1String("new"), "the new value is there");
    }
    // Exact by form needs no copy; damaged always does. Between the two, a
    // file the program rewrites in its own form may go uncopied only if every
    // key it held reads back the same.
    const QStringList copies = folder.entryList({QStringLiteral("Velmorwick.conf.damaged-*")}, QDir::Files);
    const bool kept = copies.size() == 1;
    require(copies.size() <= 1, "one copy at most");
    require(!(exact && kept), "no copy of a file written back the same");
    require(!damaged || kept, "a copy of a damaged file");
    require(reports == copies.size(), "the user is told once exactly when a copy is kept");
    if (kept) {
        QFile copy(folder.filePath(copies.first()));
        // Byte for byte, but for the bare key of a password change half done,
        // which no copy keeps.
        require(copy.open(QIODevice::ReadOnly) && copy.readAll() == KeptCopies::withoutBareKey(contents),
                "the copy is the original");
    } else {
        const QSettings before(inertPath, QSettings::IniFormat);
        const QString afterPath = root.filePath(QStringLiteral("written-%1.conf").arg(run));
        QFile::remove(afterPath);
        QFile::copy(path, afterPath);
        const QSettings after(afterPath, QSettings::IniFormat);
        for (const QString &key : before.allKeys()) {
            if (!key.startsWith(QLatin1String("Saved/")) && key != QLatin1String("Task9/Text1"))
                require(after.value(key) == before.value(key), "every key of an uncopied file reads back the same");
        }
    }
    QFile::remove(inertPath);
    return 0;
}
