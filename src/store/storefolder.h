#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include <sys/types.h>

// A folder the program reads or writes files in, opened once per operation:
// the store's own, or one the user named for an export or a backup. Every
// file is opened by name inside the folder, never through a symbolic link,
// never blocking, and only if it is a regular file; new files are private to
// the user from the call that creates them. Failures carry the system's
// error number; reasonFor() puts it in words.
// What a regular file looked like when read: a new version of the file
// never shares all of these with the one before.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp &) const = default;
    bool sameFile(const FileStamp &other) const { return size >= 0 && device == other.device && inode == other.inode; }
};

class StoreFolder
{
public:
    using Stamp = FileStamp;

    struct ReadResult
    {
        enum class Status { Read, Missing, NotRegular, TooLarge, Failed };
        Status status = Status::Failed;
        QByteArray bytes;
        Stamp stamp;
        int error = 0;
        QString kind; // what is there instead of a regular file, in words
    };

    // What a write did. After the rename the new file is in place, even when
    // the folder's sync then fails: that is Unconfirmed, never Failed.
    // Replaced: another program put a new version at the name after the one
    // the write replaces was read; nothing was written.
    struct Written
    {
        enum class Status { Done, Unconfirmed, NotRegular, Replaced, Failed };
        Status status = Status::Failed;
        int error = 0;
        QString kind; // NotRegular: what is there instead, in words
        // The version written, as the scratch file was just before it took
        // the name: a second look at the name could see another program's.
        FileStamp stamp;
        bool landed() const { return status == Status::Done || status == Status::Unconfirmed; }
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
    // Opens a folder the user named, folder by folder from the root, and
    // follows a link on the way only where the kernel's own rule for links
    // would (protected_symlinks, on or off): the link is the user's own,
    // or its folder's owner's, or not in a folder others may write to that
    // keeps their files apart (sticky, like /tmp). Else refused, ELOOP.
    bool openWalked(const QString &path);
    // Opens a folder inside an open one, creating it private (0700), never
    // through a link, and only when it is the user's own and private: ELOOP
    // for a link, notPrivate for a folder others may enter or someone else's.
    static constexpr int notPrivate = -2;
    // ... and where something else stands at a folder's name.
    static constexpr int fileNotFolder = -3;
    static constexpr int pipeNotFolder = -4;
    static constexpr int otherNotFolder = -5;
    bool openPrivateInside(const StoreFolder &parent, const QString &name, bool create);
    int error() const { return m_error; }

    ReadResult read(const QString &name, qint64 limit = sizeLimit) const;
    Stamp stampOf(const QString &name) const;
    // Whether this user may replace the file (not read-only, not immutable).
    bool isWritable(const QString &name) const;

    // Waits up to waitMs for the folder's write lock, held until close or
    // destruction; the lock is the system's, so a killed holder frees it.
    bool lock(const QString &lockName, int waitMs);

    // The one way the program writes a file: the bytes go to a new private
    // scratch file beside it, are synced and read back, and the scratch file
    // takes the name's place; then the folder is synced. A name that holds
    // anything but a regular file, or one of the untouchable files, is
    // refused. Up to the rename, a failure at any byte leaves the old file
    // as it was. Given the version the write replaces as it was read (size
    // -1: none), the new version's time stamp is later than its, and the
    // write is Replaced when the name no longer holds it just before the
    // rename: a sync program puts its versions there without the lock.
    Written writeWhole(const QString &name, const QByteArray &bytes, const QList<Stamp> &untouchable = {},
                       const std::optional<Stamp> &replacing = std::nullopt);

    // The steps of a write that puts a new file under a name nothing has yet
    // (a kept copy): the scratch file, written and checked as above; then
    // published under the name, never over anything, not even a dangling
    // link (false with EEXIST when taken).
    QString writeScratch(const QByteArray &bytes, const Stamp &notBefore = {});
    bool publishNew(const QString &scratch, const QString &name);
    void remove(const QString &name);
    // Adds the bytes at the end of a regular file (made private where new),
    // for a file only this machine writes, never replaced. Not synced: the
    // system writes it out within seconds, and a save is not made to wait
    // for a second file's sync.
    bool append(const QString &name, const QByteArray &bytes);
    // Removes a file now and frees its disk space once this folder is closed
    // (and its lock with it), away from the caller: freeing the blocks of a
    // large file takes long (1.7 ms for 6 MB on ext4) and would hold the lock.
    void removeFreeingLater(const QString &name);
    bool sync();
    // A second name for a file, in another folder on the same disk, never
    // over anything (a snapshot of the store).
    bool linkInto(const QString &name, StoreFolder &other, const QString &newName);
    // The names in the folder that start with the prefix, sorted.
    QStringList names(const QString &prefix) const;

    // Removes the scratch files of copies of the program that were ended
    // half-way through a write: only the program's own names, only of this
    // user, and only when the process that made one is gone.
    void removeLeftoverScratches();

    // Tightens a file of the user's own that others can read or write.
    void makePrivate(const QString &name);
    // Tightens the folder itself, when it is a plain folder of the user's
    // own reached by its own path; false when it stays open to others.
    bool makeFolderPrivate(const QString &path);

    static QString reasonFor(int error);

private:
    int m_fd = -1;
    int m_lockFd = -1;
    int m_error = 0;
    std::vector<int> m_freeing; // removed files still open, closed after the lock
};

// Tests fail the file layer's system calls here, as the system would: the
// next call of that kind returns -1 with the error number given.
namespace filefaults {
enum class Call { Open, Write, Sync, ReadBack, Rename, FolderSync, Link, Lock };
void failNext(Call call, int error);
// Runs once, when the next scratch file is on the disk and about to take a
// name's place: where another program may put its own version first.
void whenScratchWritten(std::function<void()> action);
} // namespace filefaults
