// What differs on Windows.
#include "desktop.h"
#include "files.h"
#include "secretmemory.h"
#include "terminal.h"
#include "windowsystem.h"

#include "platform/windowsregistry.h"
#include "store/registrystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QWidget>

#include <windows.h>

#include <cstdio>
#include <optional>

namespace platform {

// Windows has no switch a program sets on itself to keep its memory from
// other programs of the same user or out of crash dumps (Windows Error
// Reporting is configured per machine): the README says so.
void guardMemory(bool)
{
}

bool memoryIsGuarded()
{
    return false;
}

std::unique_ptr<SettingsStore> openUserStore()
{
    // HKEY_CURRENT_USER\Software\Velmorwick\Velmorwick; the logbook of tasks
    // done in the user's roaming data folder (%APPDATA%\Velmorwick).
    const QString data = qEnvironmentVariable("APPDATA", QDir::homePath());
    return std::make_unique<RegistryStore>(QStringLiteral("Velmorwick"), QStringLiteral("Velmorwick"),
                                           QDir(data).filePath(QStringLiteral("Velmorwick/Velmorwick.done.log")));
}

namespace {

// The window's own HWND; none on a platform of Qt's that draws elsewhere
// (offscreen), whose window ids are no window handles: Win32 calls on them
// may reach some other process's window and wait for it.
HWND handleOf(QWidget *window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return nullptr;
    return reinterpret_cast<HWND>(window->winId());
}

class WindowsDesktop final : public Desktop
{
public:
    // A window owned by a hidden window gets no task bar button.
    void keepOffTaskbar(QWidget *window) override
    {
        const HWND handle = handleOf(window);
        if (!handle)
            return;
        static const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr,
                                                  GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(handle, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
};

} // namespace

std::unique_ptr<Desktop> nativeDesktop()
{
    return std::make_unique<WindowsDesktop>();
}

std::unique_ptr<SystemInfoHost> nativeSystemInfo()
{
    return std::make_unique<WindowsSystemInfoHost>();
}

std::unique_ptr<windowsystem::StartGuard> prepareEnvironment()
{
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    return std::make_unique<windowsystem::StartGuard>(chosen.isEmpty() ? QByteArray("windows") : chosen,
                                                      !chosen.isEmpty());
}

std::optional<QString> lastPrintJobRefusal()
{
    // The Windows print engine reports a refused job through QPrinter itself.
    return std::nullopt;
}

std::optional<QString> missingDisplay()
{
    return std::nullopt; // a Windows session always has its desktop
}

namespace {

std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

QString lastError()
{
    wchar_t *text = nullptr;
    const DWORD error = GetLastError();
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const QString reason = text ? QString::fromWCharArray(text).trimmed() : QStringLiteral("error %1").arg(error);
    LocalFree(text);
    return reason;
}

// Closes a handle as it goes.
struct Handle
{
    HANDLE handle = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
};

// What is at a path, if anything, opened without following a link.
struct Found
{
    bool exists = false;
    QString kind; // not a regular file: what it is instead
    BY_HANDLE_FILE_INFORMATION identity{};
};

std::optional<Found> look(const QString &path)
{
    Found found;
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return found;
        return std::nullopt;
    }
    found.exists = true;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        found.kind = QObject::tr("a link");
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        found.kind = QObject::tr("a folder");
    if (!found.kind.isEmpty())
        return found;
    Handle file{CreateFileW(wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (!file.valid())
        return std::nullopt;
    if (GetFileType(file.handle) != FILE_TYPE_DISK)
        found.kind = QObject::tr("a device");
    else
        GetFileInformationByHandle(file.handle, &found.identity);
    return found;
}

bool sameFile(const BY_HANDLE_FILE_INFORMATION &a, const BY_HANDLE_FILE_INFORMATION &b)
{
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh
           && a.nFileIndexLow == b.nFileIndexLow;
}

// Scratch files of copies that were ended half-way, whose process is gone.
void removeLeftoverScratches(const QString &folder)
{
    WIN32_FIND_DATAW entry;
    const std::wstring pattern = wide(folder + QStringLiteral("/.Velmorwick-*.tmp"));
    const HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const QString name = QString::fromWCharArray(entry.cFileName);
        const DWORD pid = name.section(u'-', 1, 1).toULong();
        const HANDLE process = pid ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid) : nullptr;
        if (process)
            CloseHandle(process);
        else if (pid && GetLastError() == ERROR_INVALID_PARAMETER)
            DeleteFileW(wide(folder + u'/' + name).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

bool writeAll(HANDLE file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD wrote = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.constData() + done, chunk, &wrote, nullptr) || wrote == 0)
            return false;
        done += wrote;
    }
    return true;
}

bool readAll(HANDLE file, QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        DWORD got = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 20));
        if (!ReadFile(file, bytes.data() + done, chunk, &got, nullptr) || got == 0)
            return false;
        done += got;
    }
    return true;
}

} // namespace

StoreResult writeUserFile(const QString &path, const QByteArray &bytes, const QStringList &untouchable)
{
    const auto refused = [](const QString &reason) { return StoreResult{StoreResult::Status::Refused, reason}; };
    const std::optional<Found> target = look(path);
    if (!target)
        return refused(QObject::tr("%1 could not be written (%2).").arg(path, lastError()));
    if (!target->kind.isEmpty())
        return refused(QObject::tr("%1 is %2, which Velmorwick does not replace.").arg(path, target->kind));
    for (const QString &own : untouchable) {
        const std::optional<Found> file = look(own);
        if (target->exists && file && file->exists && sameFile(file->identity, target->identity))
            return refused(QObject::tr("%1 is a file Velmorwick keeps for itself.").arg(path));
    }
    const QString folder = QFileInfo(path).absolutePath();
    removeLeftoverScratches(folder);
    // Beside the target, synced and read back, then moved over it with the
    // move itself written through: Windows' whole-file replace.
    const QString scratch = folder
                            + QStringLiteral("/.Velmorwick-%1-%2.tmp")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    bool ok = false;
    {
        Handle file{CreateFileW(wide(scratch).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (!file.valid())
            return refused(QObject::tr("%1 could not be written (%2).").arg(path, lastError()));
        QByteArray back(bytes.size(), Qt::Uninitialized);
        LARGE_INTEGER start{};
        ok = writeAll(file.handle, bytes) && FlushFileBuffers(file.handle)
             && SetFilePointerEx(file.handle, start, nullptr, FILE_BEGIN) && readAll(file.handle, back) && back == bytes;
        if (!ok && GetLastError() == ERROR_SUCCESS)
            SetLastError(ERROR_WRITE_FAULT);
    }
    if (ok)
        ok = MoveFileExW(wide(scratch).c_str(), wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        const QString reason = lastError();
        DeleteFileW(wide(scratch).c_str());
        return refused(QObject::tr("%1 could not be written (%2).").arg(path, reason));
    }
    return {};
}

FileContents readUserFile(const QString &path, qint64 limit)
{
    const std::optional<Found> source = look(path);
    if (!source)
        return {{}, QObject::tr("%1 cannot be read (%2).").arg(path, lastError())};
    if (!source->exists)
        return {{}, QObject::tr("%1 does not exist.").arg(path)};
    if (!source->kind.isEmpty())
        return {{}, QObject::tr("%1 is %2, not an ordinary file.").arg(path, source->kind)};
    Handle file{CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.handle, &size))
        return {{}, QObject::tr("%1 cannot be read (%2).").arg(path, lastError())};
    if (size.QuadPart > limit) {
        return {{}, QObject::tr("%1 is larger than %2 MB, far more than Velmorwick ever writes.")
                        .arg(path)
                        .arg(limit / (1024 * 1024))};
    }
    QByteArray bytes(qsizetype(size.QuadPart), Qt::Uninitialized);
    if (!readAll(file.handle, bytes))
        return {{}, QObject::tr("%1 cannot be read (%2).").arg(path, lastError())};
    return {bytes, {}};
}

std::function<void()> hideTyping()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD before = 0;
    if (!GetConsoleMode(input, &before))
        return [] {};
    SetConsoleMode(input, before & ~DWORD(ENABLE_ECHO_INPUT));
    return [input, before] {
        SetConsoleMode(input, before);
        std::fputs("\n", stderr); // the Enter that ended the line was not shown either
    };
}

} // namespace platform
