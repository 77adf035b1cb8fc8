#include "FuzzSupport.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

QString fuzzFile(const QByteArray &bytes, const char *suffix)
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/pallox-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        return path;
    }();
    const QString path = folder + QStringLiteral("/input") + QString::fromLatin1(suffix);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}
