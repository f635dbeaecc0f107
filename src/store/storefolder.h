#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The store's folder, opened once per operation, and the few file operations
// the store needs in it. Every file is opened by name inside the folder,
// never through a symbolic link, never blocking, and only if it is a regular
// file; new files are private to the user from the call that creates them.
// Failures carry the system's error number; reasonFor() puts it in words.
class StoreFolder
{
public:
    // What a regular file looked like when read: a new version of the file
    // never shares all of these with the one before.
    struct Stamp
    {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = -1;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp &) const = default;
    };

    struct ReadResult
    {
        enum class Status { Read, Missing, NotRegular, TooLarge, Failed };
        Status status = Status::Failed;
        QByteArray bytes;
        Stamp stamp;
        int error = 0;
        QString kind; // what is there instead of a regular file, in words
    };

    // A store file larger than this is refused: far above any real store (a
    // full text in every row of every list is about 16 MB).
    static constexpr qint64 sizeLimit = 64 * 1024 * 1024;

    StoreFolder() = default;
    StoreFolder(const StoreFolder &) = delete;
    StoreFolder &operator=(const StoreFolder &) = delete;
    ~StoreFolder();

    // Opens the folder, creating it and its missing parents private (0700).
    bool open(const QString &path, bool create);
    int error() const { return m_error; }

    ReadResult read(const QString &name) const;
    Stamp stampOf(const QString &name) const;
    // Whether this user may replace the file (not read-only, not immutable).
    bool isWritable(const QString &name) const;

    // Waits up to waitMs for the folder's write lock, held until close or
    // destruction; the lock is the system's, so a killed holder frees it.
    bool lock(const QString &lockName, int waitMs);

    // Writes the bytes to a new private scratch file, syncs it and checks
    // what landed; its time stamp is made later than notBefore's. Returns
    // the scratch name, or an empty one on failure.
    QString writeScratch(const QByteArray &bytes, const Stamp &notBefore);
    // Puts a scratch file in place of name, replacing whatever is there.
    bool replace(const QString &scratch, const QString &name);
    // Gives a scratch file a name nothing has yet; false with EEXIST if taken.
    bool publishNew(const QString &scratch, const QString &name);
    void remove(const QString &name);
    bool sync();

    // Removes the scratch files of earlier copies of the program that were
    // ended half-way through a write. Only call it while holding the lock.
    void removeLeftoverScratches();

    // Tightens a folder or file that others can read or write.
    void makePrivate(const QString &name = {});

    static QString reasonFor(int error);

private:
    int m_fd = -1;
    int m_lockFd = -1;
    int m_error = 0;
};
