#include "FirstStart.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

double millisecondsUntilFileExists(const QString &exeFolder, const QByteArray &settings, const QString &watched,
                                   qint64 giveUpMs)
{
    QFile::remove(watched);
    // The program writes its settings as it starts; every run starts from the same ones.
    QFile file(exeFolder + QStringLiteral("/PALLOX.ini"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(settings) < 0)
        return -1;
    file.close();

    QProcess pallox;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    pallox.setProcessEnvironment(environment);
    pallox.setWorkingDirectory(exeFolder);
    pallox.setStandardOutputFile(QProcess::nullDevice());
    pallox.setStandardErrorFile(QProcess::nullDevice());

    QElapsedTimer clock;
    clock.start();
    pallox.start(exeFolder + QStringLiteral("/pallox"), {});
    if (!pallox.waitForStarted())
        return -1;
    double elapsed = -1;
    for (;;) {
        if (QFile::exists(watched)) {
            elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
        if (pallox.state() == QProcess::NotRunning || clock.elapsed() > giveUpMs)
            break;
        QThread::usleep(500);
    }
    pallox.kill();
    pallox.waitForFinished();
    return elapsed;
}
