#include "support/RecordingProgram.h"

#include "support/Files.h"

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
    return writeFile(scriptPath, script)
        && QFile::setPermissions(scriptPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QStringList waitForRecordedLines(const QString &output, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(output) && timer.elapsed() < milliseconds)
        QThread::msleep(20);
    QStringList lines = QString::fromUtf8(readFile(output)).split(QLatin1Char('\n'));
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
