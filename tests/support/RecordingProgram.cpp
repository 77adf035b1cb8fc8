#include "support/RecordingProgram.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

bool writeRecordingProgram(const QString &scriptPath, const QString &output)
{
    const QByteArray target = QFile::encodeName(output);
    // A loop rather than one printf: printf with no arguments still prints an empty line.
    const QByteArray script = "#!/bin/sh\n{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done; pwd; } > '" + target
        + ".part' && mv '" + target + ".part' '" + target + "'\n";
    QDir().mkpath(QFileInfo(scriptPath).absolutePath());
    QFile file(scriptPath);
    return file.open(QIODevice::WriteOnly) && file.write(script) == script.size() && file.flush()
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QStringList waitForRecordedLines(const QString &output, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(output) && timer.elapsed() < milliseconds)
        QThread::msleep(20);
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList filesNamedPwned(const QString &root)
{
    QStringList found;
    QDirIterator it(root, {QStringLiteral("pwned*")}, QDir::AllEntries | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    return found;
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}
