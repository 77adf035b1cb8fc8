#include "platform/QtShell.h"

#include "platform/CommandLine.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace {

// "http://…", "mailto:…", but not a Windows drive letter such as "C:".
bool looksLikeUrl(const QString &text)
{
    static const QRegularExpression scheme(
        QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

// A web address as people write it, without its scheme.
bool looksLikeWebHost(const QString &text)
{
    return text.size() > 4 && text.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

// Files on NTFS, exFAT, FAT and SMB mounts usually carry the execute bit whatever they hold, so
// the bit alone would start a manual as a program; what the system can run says it is one.
bool isProgram(const QFileInfo &info)
{
    if (!info.isFile() || !info.isExecutable())
        return false;
#if defined(Q_OS_WIN)
    // There the file's extension made it executable.
    return true;
#else
    QFile file(info.absoluteFilePath());
    // A program its owner made execute-only still runs.
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray start = file.read(4);
    if (start.startsWith("\x7f" "ELF") || start.startsWith("#!"))
        return true;
#if defined(Q_OS_MACOS)
    for (const char *machO : {"\xfe\xed\xfa\xce", "\xfe\xed\xfa\xcf", "\xce\xfa\xed\xfe",
                              "\xcf\xfa\xed\xfe", "\xca\xfe\xba\xbe"}) {
        if (start == QByteArray(machO, 4))
            return true;
    }
#endif
    return false;
#endif
}

} // namespace

QtShell::QtShell(FailureReporter reportFailure)
    : m_reportFailure(std::move(reportFailure))
{
}

void QtShell::execute(const QString &verb, const QString &program, const QString &parameters,
                      const QString &workingFolder)
{
    // Every verb the program uses ("" and "open") means the default action, so the verb
    // does not change what happens.
    Q_UNUSED(verb);

    const QString target = unquoteProgram(program);
    if (target.isEmpty()) {
        report(Failure(Failure::Kind::StartNothingGiven, program));
        return;
    }

    if (looksLikeUrl(target)) {
        openWithDesktop(target, QUrl(target));
        return;
    }

    QString folder = workingFolder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (folder.isEmpty()) {
        folder = QDir::currentPath();
    } else if (!QFileInfo(folder).isDir()) {
        report(Failure(Failure::Kind::StartFolderMissing, target)
                   .with(Failure::Fact::WorkingFolder, workingFolder));
        return;
    }

    QString path = target;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString resolved;
    if (!path.contains(QLatin1Char('/'))) {
        // A bare name is a program on the search path first, as typed on a command line.
        resolved = QStandardPaths::findExecutable(path);
    }
    if (resolved.isEmpty())
        resolved = QDir(folder).absoluteFilePath(path);

    const QFileInfo info(resolved);
    if (!info.exists()) {
        if (looksLikeWebHost(target) && parameters.trimmed().isEmpty())
            openWithDesktop(target, QUrl::fromUserInput(target));
        else
            report(Failure(Failure::Kind::StartTargetMissing, target));
        return;
    }

    if (isProgram(info)) {
        QProcess process;
        process.setProgram(info.absoluteFilePath());
        process.setArguments(splitCommandLine(parameters));
        process.setWorkingDirectory(folder);
        if (!process.startDetached()) {
            QString reason = process.errorString();
            // Qt's "Unknown error" tells the user nothing more than that the system would not.
            if (reason == QLatin1String("Unknown error"))
                reason.clear();
            report(Failure(Failure::Kind::CannotStart, target, reason));
        }
        return;
    }

    // Arguments can only reach a program; handing a plain file to its viewer would drop
    // them without a word, so that is reported instead.
    if (!parameters.trimmed().isEmpty() && !info.isDir()) {
        report(Failure(Failure::Kind::StartNotAProgram, target));
        return;
    }

    openWithDesktop(target, QUrl::fromLocalFile(info.absoluteFilePath()));
}

void QtShell::openWithDesktop(const QString &target, const QUrl &url) const
{
    if (!QDesktopServices::openUrl(url))
        report(Failure(Failure::Kind::StartNoHandler, target));
}

void QtShell::report(const Failure &failure) const
{
    if (m_reportFailure)
        m_reportFailure(failure);
}
