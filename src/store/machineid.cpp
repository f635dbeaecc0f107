#include "machineid.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

bool wellFormed(const QByteArray &id)
{
    return id.size() == 8 && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

QString readOrMade()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/velmorwick");
    const QString path = folder + QStringLiteral("/machine");
    const QByteArray made = QByteArray::number(QRandomGenerator::system()->generate() | 0x10000000u, 16);
    if (QFile file(path); !file.exists() && QDir().mkpath(folder) && file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.write(made + '\n'); // another run that made one first keeps its own
    QFile file(path);
    const QByteArray held = file.open(QIODevice::ReadOnly) ? file.read(64).trimmed() : QByteArray();
    return QString::fromLatin1(wellFormed(held) ? held : made);
}

} // namespace

QString thisMachine()
{
    static const QString id = readOrMade();
    return id;
}
