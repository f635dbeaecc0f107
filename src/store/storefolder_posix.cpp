#include "storefolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <QThreadPool>

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filefaults {

namespace {
std::array<int, 8> pending{};
std::function<void()> scratchWritten;
} // namespace

void failNext(Call call, int error)
{
    pending[size_t(call)] = error;
}

void whenScratchWritten(std::function<void()> action)
{
    scratchWritten = std::move(action);
}

// Whether the call is to fail now; errno is then set as the system sets it.
bool failsNow(Call call)
{
    int &error = pending[size_t(call)];
    if (error == 0)
        return false;
    errno = std::exchange(error, 0);
    return true;
}

void scratchIsWritten()
{
    if (const auto action = std::exchange(scratchWritten, nullptr))
        action();
}

} // namespace filefaults

namespace {

using filefaults::Call;
using filefaults::failsNow;

// ".Velmorwick-<process id>-<random>.tmp": whose it is travels in the name.
const QByteArray scratchPrefix = QByteArrayLiteral(".Velmorwick-");

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

StoreFolder::Stamp stampFrom(const struct stat &st)
{
    return {st.st_dev, st.st_ino, st.st_size, qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

QString kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return QObject::tr("a symbolic link");
    if (S_ISDIR(mode))
        return QObject::tr("a folder");
    if (S_ISFIFO(mode))
        return QObject::tr("a pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QObject::tr("a device");
    if (S_ISSOCK(mode))
        return QObject::tr("a socket");
    return QObject::tr("not a regular file");
}

// Repeats a read or write call until size bytes have moved: an interrupted
// call is tried again, one that moves nothing counts as an I/O error.
template<class Step>
bool whole(qsizetype size, Step step)
{
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n = step(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    return whole(bytes.size(), [&](qsizetype done) -> ssize_t {
        if (failsNow(Call::Write))
            return -1;
        return ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    });
}

// Reads back what the disk now holds for the file: a flush that failed
// late, or a file system that lost the tail, shows here.
bool landedWhole(int fd, const QByteArray &bytes)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    if (st.st_size != bytes.size()) {
        errno = EIO;
        return false;
    }
    QByteArray back(bytes.size(), Qt::Uninitialized);
    const bool read = whole(back.size(), [&](qsizetype done) -> ssize_t {
        if (failsNow(Call::ReadBack))
            return -1;
        return ::pread(fd, back.data() + done, size_t(back.size() - done), done);
    });
    const bool same = read && back == bytes;
    ::explicit_bzero(back.data(), size_t(back.size())); // it may hold a key in the clear
    if (read && !same)
        errno = EIO;
    return same;
}

// The process a scratch file's name names is gone (its id is free).
bool ownerIsGone(const QByteArray &name)
{
    const qsizetype dash = name.indexOf('-', scratchPrefix.size());
    bool ok = false;
    const pid_t pid = pid_t(name.mid(scratchPrefix.size(), dash - scratchPrefix.size()).toInt(&ok));
    return ok && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

StoreFolder::~StoreFolder()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_freeing.empty())
        return;
    const auto freeAll = [freeing = std::move(m_freeing)] {
        for (const int fd : freeing)
            ::close(fd);
    };
    if (QThreadPool *pool = QThreadPool::globalInstance())
        pool->start(freeAll);
    else
        freeAll(); // the program is ending: no thread to hand them to
}

bool StoreFolder::open(const QString &path, bool create)
{
    const QByteArray native = encoded(path);
    if (create) {
        // Each missing folder is created private; existing ones are left as they are.
        for (qsizetype slash = native.indexOf('/', 1); ; slash = native.indexOf('/', slash + 1)) {
            const QByteArray part = slash < 0 ? native : native.first(slash);
            if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST) {
                m_error = errno;
                return false;
            }
            if (slash < 0)
                break;
        }
    }
    m_fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    m_error = m_fd < 0 ? errno : 0;
    return m_fd >= 0;
}

bool StoreFolder::openWalked(const QString &path)
{
    QByteArrayList parts = encoded(QDir::cleanPath(path)).split('/');
    int at = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int links = 0;
    while (at >= 0 && !parts.isEmpty()) {
        const QByteArray part = parts.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        const int next = ::openat(at, part.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        struct stat link {}, folder {};
        if (next >= 0 || errno != ENOTDIR || ::fstatat(at, part.constData(), &link, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISLNK(link.st_mode)) {
            m_error = next >= 0 ? 0 : errno;
            ::close(at);
            at = next;
            continue;
        }
        // A link: followed where the kernel would follow it for this user.
        const bool shared = ::fstat(at, &folder) == 0 && (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlinkat(at, part.constData(), target.data(), size_t(target.size()));
        if ((shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid) || length <= 0 || ++links > 40) {
            m_error = ELOOP;
            ::close(at);
            return false;
        }
        target.truncate(length);
        parts = target.split('/') + parts;
        if (target.startsWith('/')) {
            ::close(at);
            at = ::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        }
    }
    if (at < 0) {
        m_error = m_error ? m_error : errno;
        return false;
    }
    m_fd = at;
    m_error = 0;
    return true;
}

bool StoreFolder::openPrivateInside(const StoreFolder &parent, const QString &name, bool create)
{
    const QByteArray native = encoded(name);
    if (create && ::mkdirat(parent.m_fd, native.constData(), 0700) != 0 && errno != EEXIST) {
        m_error = errno;
        return false;
    }
    m_fd = ::openat(parent.m_fd, native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    m_error = m_fd < 0 ? errno : 0;
    struct stat what {};
    if (m_error == ENOTDIR && ::fstatat(parent.m_fd, native.constData(), &what, AT_SYMLINK_NOFOLLOW) == 0) {
        // Named for what it is: a link (which a sync program carries), a
        // file or a pipe at the folder's name.
        m_error = S_ISLNK(what.st_mode) ? ELOOP : S_ISREG(what.st_mode) ? fileNotFolder
                                                : S_ISFIFO(what.st_mode) ? pipeNotFolder
                                                                         : otherNotFolder;
    }
    struct stat st {};
    if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)) {
        m_error = notPrivate;
        ::close(std::exchange(m_fd, -1));
    }
    return m_fd >= 0;
}

StoreFolder::ReadResult StoreFolder::read(const QString &name, qint64 limit) const
{
    ReadResult result;
    const int fd = ::openat(m_fd, encoded(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        if (errno == ENOENT) {
            result.status = ReadResult::Status::Missing;
        } else if (errno == ELOOP) {
            result.status = ReadResult::Status::NotRegular;
            result.kind = kindOf(S_IFLNK);
        }
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        result.status = ReadResult::Status::NotRegular;
        result.kind = kindOf(st.st_mode);
    } else if (st.st_size > limit) {
        result.status = ReadResult::Status::TooLarge;
    } else {
        result.stamp = stampFrom(st);
        // One byte more than the file should hold tells if it grew meanwhile.
        result.bytes.resize(st.st_size + 1);
        qsizetype done = 0;
        for (;;) {
            const ssize_t n = ::read(fd, result.bytes.data() + done, size_t(result.bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.error = errno;
                break;
            }
            done += n;
            if (n == 0 || done == result.bytes.size())
                break;
        }
        if (result.error == 0 && done > st.st_size) {
            result.status = ReadResult::Status::TooLarge; // still growing: not a file we wrote
        } else if (result.error == 0) {
            result.bytes.truncate(done);
            result.status = ReadResult::Status::Read;
        }
    }
    ::close(fd);
    return result;
}

StoreFolder::Stamp StoreFolder::stampOf(const QString &name) const
{
    struct stat st {};
    if (::fstatat(m_fd, encoded(name).constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    return stampFrom(st);
}

bool StoreFolder::isWritable(const QString &name) const
{
    return ::faccessat(m_fd, encoded(name).constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0;
}

bool StoreFolder::lock(const QString &lockName, int waitMs)
{
    const int fd = ::openat(m_fd, encoded(lockName).constData(),
                            O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_error = EINVAL;
        ::close(fd);
        return false;
    }
    const QDeadlineTimer deadline(waitMs);
    while (failsNow(Call::Lock) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            m_error = errno == EINTR ? EWOULDBLOCK : errno;
            ::close(fd);
            return false;
        }
        QThread::msleep(5);
    }
    m_lockFd = fd;
    return true;
}

QString StoreFolder::writeScratch(const QByteArray &bytes, const Stamp &notBefore)
{
    QString name;
    int fd = -1;
    while (fd < 0) {
        name = QString::fromLatin1(scratchPrefix) + QStringLiteral("%1-%2.tmp")
                                                         .arg(QCoreApplication::applicationPid())
                                                         .arg(QRandomGenerator::global()->generate(), 8, 16,
                                                              QLatin1Char('0'));
        fd = failsNow(Call::Open) ? -1
                                  : ::openat(m_fd, encoded(name).constData(),
                                             O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            m_error = errno;
            return {};
        }
    }
    bool ok = writeAll(fd, bytes) && !failsNow(Call::Sync) && ::fdatasync(fd) == 0 && landedWhole(fd, bytes);
    if (ok && notBefore.size >= 0) {
        // Readers tell versions apart by size and time stamp: never let the
        // new one look older than or the same as the one it replaces.
        struct stat st {};
        ok = ::fstat(fd, &st) == 0;
        if (ok && stampFrom(st).modifiedNs <= notBefore.modifiedNs) {
            const qint64 later = notBefore.modifiedNs + 1;
            const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(later / 1000000000), long(later % 1000000000)}};
            ok = ::futimens(fd, times) == 0;
        }
    }
    m_error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        m_error = errno;
        ok = false;
    }
    if (!ok) {
        remove(name);
        return {};
    }
    return name;
}

StoreFolder::Written StoreFolder::writeWhole(const QString &name, const QByteArray &bytes,
                                             const QList<Stamp> &untouchable, const std::optional<Stamp> &replacing)
{
    Written written;
    struct stat st {};
    if (::fstatat(m_fd, encoded(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        // A link is never written through, nor a pipe or device replaced.
        if (!S_ISREG(st.st_mode)) {
            written.status = Written::Status::NotRegular;
            written.kind = kindOf(st.st_mode);
            return written;
        }
        for (const Stamp &file : untouchable) {
            if (file.sameFile(stampFrom(st))) {
                written.status = Written::Status::NotRegular;
                written.kind = QObject::tr("a file Velmorwick keeps for itself");
                return written;
            }
        }
    } else if (errno != ENOENT) {
        written.error = errno;
        return written;
    }
    const QString scratch = writeScratch(bytes, replacing.value_or(Stamp{}));
    if (scratch.isEmpty()) {
        written.error = m_error;
        return written;
    }
    filefaults::scratchIsWritten();
    written.stamp = stampOf(scratch); // a rename keeps all of it
    // The scratch file's sync takes the longest: a version that came in
    // meanwhile would be lost under the rename. The check leaves only the
    // moment between it and the rename, as a sync program's own check does.
    if (replacing && !(stampOf(name) == *replacing)) {
        remove(scratch);
        written.status = Written::Status::Replaced;
        return written;
    }
    if (failsNow(Call::Rename) || ::renameat(m_fd, encoded(scratch).constData(), m_fd, encoded(name).constData()) != 0) {
        written.error = errno;
        remove(scratch);
        return written;
    }
    // From here the new file is in place: a folder that is not synced may
    // still lose it in a crash, but it is no refusal.
    written.status = sync() ? Written::Status::Done : Written::Status::Unconfirmed;
    written.error = m_error;
    return written;
}

bool StoreFolder::append(const QString &name, const QByteArray &bytes)
{
    const int fd = failsNow(Call::Open) ? -1
                                        : ::openat(m_fd, encoded(name).constData(),
                                                   O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    struct stat st {};
    bool done = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!done)
        errno = EINVAL; // a pipe or device in its place: never written through
    const bool whole = done && writeAll(fd, bytes);
    m_error = whole ? 0 : errno;
    // A full disk may take part of a line: cut it off again, or the next
    // line would join it and the file would read as damaged. An empty file
    // it made goes again.
    if (done && !whole && st.st_size == 0)
        ::unlinkat(m_fd, encoded(name).constData(), 0);
    else if (done && !whole && ::ftruncate(fd, st.st_size) != 0)
        qWarning("a half-written line stays at the end of a logbook file");
    done = whole;
    ::close(fd);
    return done;
}

bool StoreFolder::publishNew(const QString &scratch, const QString &name)
{
    // A hard link never follows or replaces what is at the new name, not
    // even a dangling symbolic link.
    if (failsNow(Call::Rename)
        || ::linkat(m_fd, encoded(scratch).constData(), m_fd, encoded(name).constData(), 0) != 0) {
        m_error = errno;
        return false;
    }
    remove(scratch);
    return true;
}

void StoreFolder::remove(const QString &name)
{
    ::unlinkat(m_fd, encoded(name).constData(), 0);
}

void StoreFolder::removeFreeingLater(const QString &name)
{
    // A file still open when its name goes keeps its blocks until closed.
    // Open descriptors are few: past that, the blocks are freed at once.
    constexpr std::size_t mostHeld = 256;
    const int fd = m_freeing.size() < mostHeld
                       ? ::openat(m_fd, encoded(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                       : -1;
    if (::unlinkat(m_fd, encoded(name).constData(), 0) != 0)
        m_error = errno;
    if (fd >= 0)
        m_freeing.push_back(fd);
}

bool StoreFolder::sync()
{
    m_error = 0;
    // EINVAL: a file system that cannot sync a folder, where there is nothing to wait for.
    if ((failsNow(Call::FolderSync) || ::fsync(m_fd) != 0) && errno != EINVAL) {
        m_error = errno;
        return false;
    }
    return true;
}

bool StoreFolder::linkInto(const QString &name, StoreFolder &other, const QString &newName)
{
    if (failsNow(Call::Link)
        || ::linkat(m_fd, encoded(name).constData(), other.m_fd, encoded(newName).constData(), 0) != 0) {
        m_error = errno;
        return false;
    }
    // Not synced on its own: the write it comes before syncs the store's
    // folder, and a journalling file system commits the link with it.
    return true;
}

QStringList StoreFolder::names(const QString &prefix) const
{
    QStringList found;
    const int fd = ::openat(m_fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return found;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name.startsWith(prefix))
            found << name;
    }
    ::closedir(dir);
    found.sort();
    return found;
}

void StoreFolder::removeLeftoverScratches()
{
    for (const QString &name : names(QString::fromLatin1(scratchPrefix))) {
        struct stat st {};
        const QByteArray native = encoded(name);
        if (ownerIsGone(native)
            && ::fstatat(m_fd, native.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)
            && st.st_uid == ::geteuid())
            ::unlinkat(m_fd, native.constData(), 0);
    }
}

void StoreFolder::makePrivate(const QString &name)
{
    struct stat st {};
    const QByteArray native = encoded(name);
    if (::fstatat(m_fd, native.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 || st.st_uid != ::geteuid()
        || !S_ISREG(st.st_mode) || !(st.st_mode & 077))
        return;
    // Not acted on: a file that stays open is written anew, private, by the
    // next save, and the folder around it is the user's own.
    (void)::fchmodat(m_fd, native.constData(), st.st_mode & 0700, 0);
}

bool StoreFolder::makeFolderPrivate(const QString &path)
{
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return false;
    if (!(st.st_mode & 077))
        return true;
    // A folder shared on purpose (group bits with set-group-ID, a sticky
    // one), someone else's, or one reached through a link, whose other
    // names may matter to others, is left as it is.
    const bool plain = S_ISDIR(st.st_mode) && !(st.st_mode & (S_ISGID | S_ISVTX)) && st.st_uid == ::geteuid();
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const bool direct = QFileInfo(absolute).canonicalFilePath() == absolute;
    return plain && direct && ::fchmod(m_fd, st.st_mode & 0700) == 0;
}

QString StoreFolder::reasonFor(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QObject::tr("the disk is full");
    case EFBIG:
        return QObject::tr("the file would be larger than this system allows");
    case EROFS:
        return QObject::tr("the disk is read-only");
    case EACCES:
    case EPERM:
        return QObject::tr("the folder is read-only");
    case EIO:
        return QObject::tr("the disk reported an error");
    case ELOOP:
        return QObject::tr("it is a symbolic link, which Velmorwick does not follow");
    case notPrivate:
        return QObject::tr("it is not a folder of yours that only you can open");
    case fileNotFolder:
        return QObject::tr("it is an ordinary file, not a folder");
    case pipeNotFolder:
        return QObject::tr("it is a pipe, not a folder");
    case otherNotFolder:
        return QObject::tr("it is a device or a socket, not a folder");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}
