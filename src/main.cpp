#include "import/ImportCommand.h"
#include "ui/startup/PalloxApplication.h"
#include "ui/startup/PalloxRun.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    // An import asked for on the command line runs without any window.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (ImportCommand::requested(arguments)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return ImportCommand::main(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(), out, err);
    }

    PalloxApplication app(argc, argv);
    const auto run = PalloxRun::start(QCoreApplication::applicationDirPath());
    if (!run)
        return 1;
    return app.exec();
}
