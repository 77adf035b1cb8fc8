#include "import/ImportCommand.h"
#include "library/FilePlaces.h"
#include "ui/startup/PalloxApplication.h"
#include "ui/startup/PalloxRun.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    const QStringList arguments = PalloxRun::arguments(argc, argv);
    // An import asked for on the command line runs without any window; it reads its own options.
    if (ImportCommand::requested(arguments)) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        const FilePlaces places = FilePlaces::forProgramIn(QCoreApplication::applicationDirPath(),
                                                           FilePlaces::Environment::ofProcess());
        return ImportCommand::main(arguments, places, out, err);
    }
    // Read before the application object, which needs a display: --help must not.
    const Result<CommandLine> command = CommandLine::parse(arguments);
    if (const std::optional<int> status = PalloxRun::answerWithoutWindow(command))
        return *status;
    PalloxApplication app(argc, argv);
    const auto run = PalloxRun::start(*command);
    if (!run)
        return 1;
    return app.exec();
}
